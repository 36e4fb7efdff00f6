#pragma once

#include <cstdint>

namespace yorvane {

// Flags are 16-bit integers: true = -1, false = 0.
inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;

// Values shared by both windows; all start at 0.
struct Globals {
  int16_t PartialMode = kFalse;  // captures take the confirmed region
  int16_t RegionReady = kFalse;  // a region has been confirmed during this run
  int16_t CompactView = kFalse;  // the compact toolbar stands in for the main window
  float AspectMode = 0;          // height-to-width factor of the picked rectangle; 0 is free
};

}  // namespace yorvane
