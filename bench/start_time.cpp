// Time from starting a program to its window titled "Yorvane" being mapped,
// read from the X server's MapNotify events rather than by polling.
//
//   yorvane_start_time PROGRAM [RUNS]
//
// Each run starts PROGRAM (in its own folder, as the application folder), waits
// for the map, prints the milliseconds and ends the program. The first run
// warms the caches and is not counted in the median.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "x11/xcb_reply.h"

namespace {

using yorvane::xcb::Reply;

bool titled(xcb_connection_t* c, xcb_window_t w, const std::string& wanted) {
  Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
      c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256), nullptr));
  if (!r) return false;
  const auto* text = static_cast<const char*>(xcb_get_property_value(r.get()));
  return std::string(text, static_cast<size_t>(xcb_get_property_value_length(r.get()))) == wanted;
}

// Milliseconds from the start of PROGRAM to the map of its window, or -1.
double oneRun(xcb_connection_t* c, const char* program) {
  const auto started = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    if (FILE* quiet = std::freopen("/dev/null", "w", stderr)) std::fflush(quiet);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  double elapsed = -1;
  const auto deadline = started + std::chrono::seconds(20);
  while (elapsed < 0 && std::chrono::steady_clock::now() < deadline) {
    Reply<xcb_generic_event_t> e(xcb_poll_for_event(c));
    if (!e) {
      usleep(200);
      continue;
    }
    if ((e->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(e.get());
    if (titled(c, map->window, "Yorvane")) {
      elapsed =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
              .count();
    }
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::max(2, std::atoi(argv[2])) : 8;
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(c);

  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double ms = oneRun(c, argv[1]);
    if (ms < 0) {
      std::fprintf(stderr, "no window titled Yorvane was mapped\n");
      return 1;
    }
    std::printf("run %d: %.1f ms%s\n", run, ms, run == 0 ? " (warm-up)" : "");
    if (run > 0) times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  std::printf("start to mapped main window: median %.1f ms, worst %.1f ms over %zu runs\n",
              times[times.size() / 2], times.back(), times.size());
  xcb_disconnect(c);
  return 0;
}
