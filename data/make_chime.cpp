// Writes the end-of-series sound: a soft two-note chime, 16-bit mono PCM WAV.
// Usage: make_chime OUTPUT.wav
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kSeconds = 0.6;

struct Note {
  double start;      // seconds
  double frequency;  // Hz
};

// A bell-like note: fundamental plus a quiet octave, fast attack, exponential decay.
double note(const Note& n, double t) {
  const double u = t - n.start;
  if (u < 0) return 0;
  const double attack = std::min(u / 0.004, 1.0);
  const double decay = std::exp(-u / 0.16);
  const double w = 2 * std::numbers::pi * n.frequency * u;
  return attack * decay * (std::sin(w) + 0.25 * std::sin(2 * w));
}

void put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
    return 2;
  }
  const Note notes[] = {{0.0, 1046.50}, {0.16, 783.99}};  // C6, then G5
  const int frames = static_cast<int>(kSeconds * kRate);
  const int fadeOut = kRate / 50;  // the last 20 ms go to silence, so the end never clicks

  std::vector<uint8_t> wav;
  put(wav, 0x46464952, 4);  // "RIFF"
  put(wav, 36 + 2 * static_cast<uint32_t>(frames), 4);
  put(wav, 0x45564157, 4);  // "WAVE"
  put(wav, 0x20746d66, 4);  // "fmt "
  put(wav, 16, 4);
  put(wav, 1, 2);  // PCM
  put(wav, 1, 2);  // mono
  put(wav, kRate, 4);
  put(wav, kRate * 2, 4);
  put(wav, 2, 2);
  put(wav, 16, 2);
  put(wav, 0x61746164, 4);  // "data"
  put(wav, 2 * static_cast<uint32_t>(frames), 4);
  for (int i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    double s = 0;
    for (const Note& n : notes) s += note(n, t);
    const double tail = std::min(static_cast<double>(frames - 1 - i) / fadeOut, 1.0);
    const auto sample = static_cast<int16_t>(std::lround(s * tail * 0.35 * 32767 / 1.25));
    put(wav, static_cast<uint16_t>(sample), 2);
  }

  std::ofstream file(argv[1], std::ios::binary);
  file.write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
  file.close();
  if (!file) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
