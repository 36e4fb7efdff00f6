// Screen copies as the program makes them, one after another, through the way
// it chooses for the session (X server, KWin's screenshot interface, portal)
// or, with "portal", through the screenshot portal: prints the wall time per
// copy (median, worst), this process's CPU time per copy and failed copies.
//
//   yorvane_screen_copy_timing [COPIES] [portal]
#include <sys/resource.h>

#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/qt/screen_source_loader.h"
#include "platform/wayland/portal_screen_copy.h"
#include "platform/wayland/session.h"

namespace {
double cpuMillis() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto millis = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
  };
  return millis(usage.ru_utime) + millis(usage.ru_stime);
}
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  const int copies = argc > 1 ? std::atoi(argv[1]) : 30;
  const bool portal = argc > 2 && std::strcmp(argv[2], "portal") == 0;
  std::unique_ptr<yorvane::ScreenSource> source;
  if (portal) {
    source = std::make_unique<yorvane::wayland::PortalScreenCopy>(QDBusConnection::sessionBus());
  } else {
    source = yorvane::loadScreenSource(
        yorvane::sessionKindOf(std::getenv("WAYLAND_DISPLAY"), std::getenv("XDG_SESSION_TYPE")));
  }
  yorvane::Image image;
  std::vector<double> wall;
  int failed = 0;
  const double cpuBefore = cpuMillis();
  for (int i = 0; i < copies; ++i) {
    QElapsedTimer clock;
    clock.start();
    if (source->copy(image, yorvane::IfBusy::kWait) != yorvane::ScreenCopy::kCopied) ++failed;
    wall.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  const double cpu = (cpuMillis() - cpuBefore) / copies;
  std::sort(wall.begin(), wall.end());
  std::printf(
      "%s copy %dx%d: %d copies, %d failed, wall median %.1f ms, worst %.1f ms, "
      "CPU %.1f ms/copy\n",
      portal ? "portal" : "chosen", image.width(), image.height(), copies, failed,
      wall[wall.size() / 2], wall.back(), cpu);
  return failed == 0 ? 0 : 1;
}
