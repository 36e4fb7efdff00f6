// The first screen copy after start against the later ones, on the current X
// display, RUNS times with a fresh grabber each: as a grabber left alone copies
// (its first copy makes the shared segment, into which the server then writes
// for the first time), and as the program copies, with the grabber set up
// beforehand (XcbScreenGrabber::prepare). Prints the wall time of each copy in
// this process and the X server's CPU time for it, given the server's pid.
//
//   yorvane_first_copy [RUNS] [x-server-pid]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "process_cpu.h"
#include "x11/xcb_screen_grabber.h"

namespace {

struct Cost {
  double wallMs = 0;
  double serverMs = 0;
};

template <typename Work>
Cost cost(long serverPid, Work work) {
  const double server = serverCpuMs(serverPid);
  const auto start = std::chrono::steady_clock::now();
  work();
  const auto end = std::chrono::steady_clock::now();
  return {std::chrono::duration<double, std::milli>(end - start).count(),
          serverCpuMs(serverPid) - server};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void report(const char* how, int runs, long serverPid, bool prepared) {
  std::vector<double> setUp, setUpServer, first, firstServer, later, laterServer;
  for (int run = 0; run < runs; ++run) {
    yorvane::XcbScreenGrabber grabber;
    yorvane::Image image;
    if (prepared) {
      const Cost c = cost(serverPid, [&] { grabber.prepare(); });
      setUp.push_back(c.wallMs);
      setUpServer.push_back(c.serverMs);
    }
    const Cost c = cost(serverPid, [&] { grabber.grab(image); });
    first.push_back(c.wallMs);
    firstServer.push_back(c.serverMs);
    for (int i = 0; i < 10; ++i) {
      const Cost l = cost(serverPid, [&] { grabber.grab(image); });
      later.push_back(l.wallMs);
      laterServer.push_back(l.serverMs);
    }
  }
  std::printf("%s: ", how);
  if (prepared) {
    std::printf("set-up %.1f ms (server %.1f ms), ", median(setUp), median(setUpServer));
  }
  std::printf(
      "first copy %.1f ms (server %.1f ms), later copies %.1f ms (server %.1f ms), "
      "medians of %d runs\n",
      median(first), median(firstServer), median(later), median(laterServer), runs);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  const long serverPid = argc > 2 ? std::atol(argv[2]) : 0;
  yorvane::XcbScreenGrabber probe;
  const yorvane::Size size = probe.screenSize();
  std::printf("screen %d x %d\n", size.width, size.height);
  report("left alone", runs, serverPid, false);
  report("set up beforehand", runs, serverPid, true);
  return 0;
}
