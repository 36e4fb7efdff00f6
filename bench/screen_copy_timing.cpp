// Screen copies as the program makes them, one after another, through the way
// it chooses for the session (X server, KWin's screenshot interface, portal),
// with "portal" through the screenshot portal, or with "cast" as a series
// makes them, from the desktop's screen cast (its leave given beforehand:
// the restore token in $XDG_STATE_HOME/yorvane): prints the wall time per
// copy (median, worst), this process's CPU time per copy and failed copies;
// for the cast also the time its start took and the copies it left to the
// screenshots (no frame yet, on standard error).
//
//   yorvane_screen_copy_timing [COPIES] [portal|cast]
#include <sys/resource.h>

#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "qt_platform/qt_platform.h"
#include "qt_platform/screen_source_loader.h"
#include "wayland/portal_screen_copy.h"
#include "wayland/session.h"

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
  const char* way = argc > 2 ? argv[2] : "chosen";
  const bool portal = std::strcmp(way, "portal") == 0;
  const bool cast = std::strcmp(way, "cast") == 0;
  std::unique_ptr<yorvane::ScreenSource> source;
  if (portal) {
    source = std::make_unique<yorvane::wayland::PortalScreenCopy>(
        QDBusConnection::sessionBus(), std::make_shared<yorvane::wayland::HideSettle>());
  } else {
    source = yorvane::loadScreenSource(
        yorvane::sessionKindOf(std::getenv("WAYLAND_DISPLAY"), std::getenv("XDG_SESSION_TYPE")),
        yorvane::programFolders().state);
  }
  // Runs the event loop until the source answers, as the program's loop would.
  const auto answered = [&app](const std::function<void(std::function<void()>)>& ask) {
    bool done = false;
    ask([&] {
      done = true;
      app.quit();
    });
    if (!done) QApplication::exec();
  };
  if (cast) {
    QElapsedTimer started;
    started.start();
    yorvane::SeriesCopies from = yorvane::SeriesCopies::kUsual;
    answered([&](std::function<void()> end) {
      source->startSeries([&from, end](yorvane::SeriesCopies c) {
        from = c;
        end();
      });
    });
    if (from != yorvane::SeriesCopies::kScreenCast) {
      std::printf("no screen cast\n");
      return 1;
    }
    std::printf("cast started in %lld ms\n", static_cast<long long>(started.elapsed()));
    // The first frame comes within the lead-in of a series.
    QTimer::singleShot(2700, &app, &QCoreApplication::quit);
    QApplication::exec();
  }
  yorvane::Image image;
  std::vector<double> wall;
  int failed = 0;
  const double cpuBefore = cpuMillis();
  for (int i = 0; i < copies; ++i) {
    QElapsedTimer clock;
    clock.start();
    yorvane::ScreenCopy copy = yorvane::ScreenCopy::kFailed;
    answered([&](std::function<void()> end) {
      source->copy(image, [&copy, end](yorvane::ScreenCopy c) {
        copy = c;
        end();
      });
    });
    if (copy != yorvane::ScreenCopy::kCopied) ++failed;
    wall.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  const double cpu = (cpuMillis() - cpuBefore) / copies;
  source->seriesEnded();
  std::sort(wall.begin(), wall.end());
  std::printf(
      "%s copy %dx%d: %d copies, %d failed, wall median %.1f ms, worst %.1f ms, "
      "CPU %.1f ms/copy\n",
      way, image.width(), image.height(), copies, failed, wall[wall.size() / 2], wall.back(), cpu);
  return failed == 0 ? 0 : 1;
}
