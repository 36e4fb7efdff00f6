// Compares the ways of copying the X screen into an Image: wall time, this
// process's CPU time and, given the X server's pid, the server's CPU time.
//
//   yorvane_grab_methods [iterations] [x-server-pid]

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "process_cpu.h"
#include "x11/xcb_screen_grabber.h"

namespace {

void measure(const char* name, int iterations, long serverPid, const std::function<bool()>& grab) {
  if (!grab()) {  // warm-up: first-time allocations and segment set-up
    std::printf("%-22s failed\n", name);
    return;
  }
  const double cpu0 = processCpuMs();
  const double srv0 = serverCpuMs(serverPid);
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < iterations; ++i) grab();
  const auto t1 = std::chrono::steady_clock::now();
  const double wall = std::chrono::duration<double, std::milli>(t1 - t0).count() / iterations;
  const double cpu = (processCpuMs() - cpu0) / iterations;
  const double srv = (serverCpuMs(serverPid) - srv0) / iterations;
  std::printf("%-22s wall %7.2f ms  client CPU %7.2f ms  X server CPU %7.2f ms\n", name, wall, cpu,
              srv);
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::atoi(argv[1]) : 20;
  const long serverPid = argc > 2 ? std::atol(argv[2]) : 0;

  yorvane::Image image;
  yorvane::XcbScreenGrabber shared;
  const yorvane::Size size = shared.screenSize();
  std::printf("screen %d x %d, %d iterations\n", size.width, size.height, iterations);
  measure("xcb MIT-SHM", iterations, serverPid, [&] { return shared.grab(image); });
  if (!shared.usingSharedMemory()) std::printf("  (MIT-SHM unavailable: that was GetImage)\n");

  yorvane::XcbScreenGrabber plain(yorvane::XcbScreenGrabber::Method::GetImage);
  measure("xcb GetImage", iterations, serverPid, [&] { return plain.grab(image); });

  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  QScreen* screen = QGuiApplication::primaryScreen();
  measure("QScreen::grabWindow", iterations, serverPid,
          [&] { return !screen->grabWindow(0).isNull(); });
  measure("QScreen + to Image", iterations, serverPid, [&] {
    const QImage shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    if (shot.isNull()) return false;
    image.resize(shot.width(), shot.height());
    for (int y = 0; y < shot.height(); ++y) {
      std::memcpy(image.row(y), shot.constScanLine(y), static_cast<size_t>(shot.width()) * 4);
    }
    return true;
  });
  return 0;
}
