// The capture path of the program on the current X display: copy the whole
// screen, then save it as the next numbered BMP file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/bmp_file.h"
#include "platform/image.h"
#include "x11/xcb_screen_grabber.h"

namespace {

// A fixed count, so that scripts timing the whole process know the pictures it made.
constexpr int kPictures = 30;

std::string outputFolder() {
  const char* dir = std::getenv("YORVANE_BENCH_DIR");
  if (dir == nullptr) dir = std::getenv("TMPDIR");
  return dir != nullptr ? dir : "/tmp";
}

void BM_Grab(benchmark::State& state) {
  yorvane::XcbScreenGrabber grabber;
  yorvane::Image screen;
  if (!grabber.connected()) {
    state.SkipWithError("no X display");
    return;
  }
  for (auto _ : state) {
    if (!grabber.grab(screen)) {
      state.SkipWithError("grab failed");
      break;
    }
  }
  state.SetLabel(std::to_string(screen.width()) + "x" + std::to_string(screen.height()) +
                 (grabber.usingSharedMemory() ? " shm" : " GetImage"));
}

void BM_GrabAndSave(benchmark::State& state) {
  yorvane::XcbScreenGrabber grabber;
  yorvane::Image screen;
  if (!grabber.connected()) {
    state.SkipWithError("no X display");
    return;
  }
  const std::string folder = outputFolder();
  int number = 0;
  for (auto _ : state) {
    const std::string path = folder + "/壁紙- " + std::to_string(++number) + ".bmp";
    if (!grabber.grab(screen) || !yorvane::writeBmpFile(screen, path)) {
      state.SkipWithError("grab or save failed");
      break;
    }
  }
  state.SetLabel(std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + " into " +
                 folder);
}

}  // namespace

BENCHMARK(BM_Grab)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrabAndSave)->Iterations(kPictures)->Unit(benchmark::kMillisecond);
