#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "capture/failure_exit.h"
#include "capture/number_store.h"
#include "platform/image.h"
#include "platform/platform.h"
#include "ui_model/control.h"

namespace yorvane {

// The numbered picture files in BMP/: the running number, stored in
// numberStore before each save, and the button that shows it, the save sound,
// the save, and the ways a save fails.
class PictureStore {
 public:
  PictureStore(Platform& platform, const Control& saveSoundBox, Control& numberButton,
               NumberStore& numberStore, FailureExit& exit);

  int16_t fileNumber() const { return fileNumber_; }
  void setFileNumber(int16_t number) { fileNumber_ = number; }
  // Moves the number up to the highest of the numbered pictures in BMP/, so
  // that numbering without a stored number goes on after them.
  void continueAfterSavedPictures();
  bool atLastNumber() const;
  // At the last number no picture can be taken: tells the user so in a
  // message box, naming the way out.
  void tellNumbersRanOut();
  // Takes the next number and stores it before anything is saved under it;
  // throws when it cannot be stored. Call inside endProgramIfSaveFails.
  void takeNextNumber();
  // Shows the running number on its button.
  void showNumber();
  std::string pathOf(int16_t number) const;

  // Runs saving; a failure inside it (number not stored, picture not saved)
  // tells the user what went wrong and ends the program.
  void endProgramIfSaveFails(const std::function<void()>& saving);
  // The sound before a save, when its box is ticked: the sound theme's camera
  // shutter, or the X bell where no sound server plays it.
  void playSaveSound();
  // Saves image under the running number; throws when it cannot.
  void save(const Image& image);

 private:
  // Says why the save failed and ends the program.
  void failedSave(const std::string& reason);

  Platform& platform_;
  const Control& saveSoundBox_;
  Control& numberButton_;
  NumberStore& numberStore_;
  FailureExit& exit_;
  int16_t fileNumber_ = 0;
};

}  // namespace yorvane
