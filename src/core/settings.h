#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/runtime_error.h"

namespace yorvane {

// What the user chose, and the running number: the program's own record,
// which its windows show and change through the application, and which the
// settings file keeps between runs, all but the save sound, in this order.
struct Settings {
  // The heights the picker's rectangle keeps to its width, by the option's
  // element: 4:3, 16:9, 1:1 and free (0).
  static constexpr std::array<float, 4> kAspects = {0.75f, 0.5625f, 1.0f, 0.0f};
  // The series count list holds the counts in steps of this many pictures.
  static constexpr int16_t kCountStep = 5;

  // The one-shot's and the snapshot's delay, in steps of 100 ms: the picture
  // comes two steps' worth of ticks after the start, the windows return after three.
  int16_t delaySteps = 0;
  // The series interval option's element, as the settings file keeps it.
  std::string intervalChoice;
  // The series count list's index: kCountStep pictures an item.
  int16_t countIndex = 0;
  // The end-notice box's check state: 0, 1 (ticked) or 2.
  int16_t endSound = 0;
  // The number of the last picture saved.
  int16_t fileNumber = 0;
  // The picker rectangle's height-to-width factor; 0 leaves the height free.
  float aspect = 0;
  // Whether a picture's save plays the camera shutter; not kept: the box starts ticked.
  bool saveSound = true;

  int16_t seriesCount() const { return to16(int64_t{countIndex} * kCountStep); }
  bool endSoundOn() const { return endSound == 1; }
};

}  // namespace yorvane
