// On a Wayland session: how long after the program hides a window the
// screenshot portal still shows it. A red window on XWayland is shown, hidden
// and followed by a round trip on the X connection, then the portal is asked
// for a picture after each of several delays; for each delay the program
// prints how many pictures still held the window, and the portal's answer time.
//
//   yorvane_hide_settle [RUNS]
#include <unistd.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "wayland/portal_picture.h"
#include "wayland/screenshot_request.h"

namespace {

void serveEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void xRoundTrip() {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11->connection();
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// A picture from the portal, waited for here; false when none came. millis
// gets its answer time.
bool portalPicture(yorvane::Image& picture, double& millis) {
  QElapsedTimer clock;
  clock.start();
  yorvane::wayland::Answer answer;
  QEventLoop loop;
  yorvane::wayland::requestScreenshot(QDBusConnection::sessionBus(), {}, 10000,
                                      [&](const yorvane::wayland::Answer& a) {
                                        answer = a;
                                        loop.quit();
                                      });
  loop.exec();
  millis = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  if (answer.failure != yorvane::ScreenCopy::kCopied) return false;
  const bool loaded = yorvane::wayland::loadPicture(answer.path, {}, picture, nullptr);
  ::unlink(answer.path.toLocal8Bit().constData());
  return loaded;
}

bool isRed(uint32_t pixel) {
  return (pixel & 0xFFFFFFu) == 0xFF0000u;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 10;

  QWidget window;
  window.setAutoFillBackground(true);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, Qt::red);
  window.setPalette(palette);
  window.resize(400, 300);

  yorvane::Image picture;
  double millis = 0;
  std::vector<double> answerTimes;
  // True once the portal's picture shows the window's middle in red.
  const auto windowInPicture = [&]() {
    if (!portalPicture(picture, millis)) {
      std::fprintf(stderr, "the portal gave no picture\n");
      std::exit(1);
    }
    answerTimes.push_back(millis);
    const QPoint middle = window.mapToGlobal(window.rect().center());
    return middle.x() >= 0 && middle.y() >= 0 && middle.x() < picture.width() &&
           middle.y() < picture.height() && isRed(picture.pixel(middle.x(), middle.y()));
  };

  std::printf("delay after hide + X round trip | pictures with the window\n");
  for (const int delay : {0, 5, 10, 20, 35, 50, 100}) {
    int seen = 0;
    for (int run = 0; run < runs; ++run) {
      window.show();
      int tries = 0;
      while (!windowInPicture()) {
        if (++tries == 50) {
          std::fprintf(stderr, "the window never showed in the portal's picture\n");
          return 1;
        }
        serveEventsFor(20);
      }
      window.hide();
      QCoreApplication::processEvents();
      xRoundTrip();
      if (delay > 0) serveEventsFor(delay);
      if (windowInPicture()) ++seen;
    }
    std::printf("%4d ms | %d of %d\n", delay, seen, runs);
    std::fflush(stdout);
  }
  std::sort(answerTimes.begin(), answerTimes.end());
  std::printf("portal answer time over %zu pictures: median %.1f ms, worst %.1f ms\n",
              answerTimes.size(), answerTimes[answerTimes.size() / 2], answerTimes.back());
  return 0;
}
