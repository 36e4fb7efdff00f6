// Screen copies through the screenshot portal as the program makes them on
// Wayland (request, wait, load, remove the file), one after another: prints
// the wall time per copy (median, worst) and this process's CPU time per copy.
//
//   yorvane_portal_timing [COPIES]
#include <sys/resource.h>

#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/portal/portal_screen_copy.h"

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
  yorvane::portal::PortalScreenCopy copy(QDBusConnection::sessionBus());
  yorvane::Image image;
  std::vector<double> wall;
  const double cpuBefore = cpuMillis();
  for (int i = 0; i < copies; ++i) {
    QElapsedTimer clock;
    clock.start();
    if (!copy.copy(image, {}, {})) {
      std::fprintf(stderr, "copy %d failed\n", i + 1);
      return 1;
    }
    wall.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  const double cpu = (cpuMillis() - cpuBefore) / copies;
  std::sort(wall.begin(), wall.end());
  std::printf(
      "portal copy %dx%d: %d copies, wall median %.1f ms, worst %.1f ms, CPU %.1f ms/copy\n",
      image.width(), image.height(), copies, wall[wall.size() / 2], wall.back(), cpu);
  return 0;
}
