// Saving and halving screen-sized pictures, at full HD and at 4K.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "platform/bmp_file.h"
#include "platform/image.h"

namespace {

yorvane::Image noise(int width, int height) {
  yorvane::Image img(width, height);
  std::mt19937 random(1);
  for (int y = 0; y < height; ++y) {
    uint32_t* row = img.row(y);
    for (int x = 0; x < width; ++x) row[x] = 0xFF000000u | (random() & 0xFFFFFFu);
  }
  return img;
}

std::string scratchPath() {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir != nullptr ? dir : "/tmp") + "/yorvane-bench-" +
         std::to_string(::getpid()) + ".bmp";
}

void BM_WriteBmpFile(benchmark::State& state) {
  const auto img = noise(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const std::string path = scratchPath();
  for (auto _ : state) {
    if (!yorvane::writeBmpFile(img, path)) {
      state.SkipWithError("writeBmpFile failed");
      break;
    }
  }
  ::unlink(path.c_str());
  state.SetBytesProcessed(state.iterations() * int64_t{4} * img.width() * img.height());
}

void BM_AssignHalfSizeOf(benchmark::State& state) {
  const auto img = noise(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  yorvane::Image half;
  for (auto _ : state) {
    half.assignHalfSizeOf(img);
    benchmark::DoNotOptimize(half.data());
  }
  state.SetBytesProcessed(state.iterations() * int64_t{4} * img.width() * img.height());
}

}  // namespace

BENCHMARK(BM_WriteBmpFile)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AssignHalfSizeOf)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);
