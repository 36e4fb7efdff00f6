#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "capture/failure_exit.h"
#include "platform/image.h"
#include "platform/platform.h"
#include "ui_model/control.h"

namespace yorvane {

// The numbered picture files in BMP/: the running number and the button that
// shows it, the save sound, the save, and the one way a save fails.
class PictureStore {
 public:
  PictureStore(Platform& platform, const Control& saveSoundBox, Control& numberButton,
               FailureExit& exit);

  int16_t fileNumber() const { return fileNumber_; }
  void setFileNumber(int16_t number) { fileNumber_ = number; }
  // Takes the next number; past the last one is an overflow error.
  void takeNextNumber();
  // Shows the running number on its button.
  void showNumber();
  std::string pathOf(int16_t number) const;

  // Runs span; any failure inside it shows the fixed message and ends the program.
  void withFailureTrap(const std::function<void()>& span);
  // The sound before a save, when its box is ticked: the sound theme's camera
  // shutter, or the X bell where no sound server plays it.
  void playSaveSound();
  // Saves image under the running number; throws when it cannot.
  void save(const Image& image);

 private:
  // Shows the fixed message and ends the program.
  void failedSave();

  Platform& platform_;
  const Control& saveSoundBox_;
  Control& numberButton_;
  FailureExit& exit_;
  int16_t fileNumber_ = 0;
};

}  // namespace yorvane
