#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "capture/failure_exit.h"
#include "capture/number_store.h"
#include "core/settings.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/sounds.h"

namespace yorvane {

// The name of picture number `number` in BMP/: "壁紙- 1.bmp", the number's
// sign place blank for a positive one.
std::string pictureFileName(int16_t number);
// The number of a picture file the store names so; nullopt for any other name.
std::optional<int16_t> pictureNumber(std::string_view name);

// The numbered picture files in BMP/: the running number, stored in
// numberStore before each save, and the button that shows it, the save sound,
// the save, and the ways a save fails.
class PictureStore {
 public:
  // The running number and the save sound are the settings'; showNumber
  // shows the number where the user sees it.
  PictureStore(Files& files, Dialogs& dialogs, Sounds& sounds, Settings& settings,
               std::function<void(int16_t)> showNumber, NumberStore& numberStore,
               FailureExit& exit);

  int16_t fileNumber() const { return settings_.fileNumber; }
  void setFileNumber(int16_t number) { settings_.fileNumber = number; }
  // Moves the number up to the highest of the numbered pictures in BMP/, so
  // that numbering without a stored number goes on after them.
  void continueAfterSavedPictures();
  bool atLastNumber() const;
  // At the last number no picture can be taken: tells the user so in a
  // message box, naming the way out.
  void tellNumbersRanOut();
  std::string numbersRanOutText() const;
  // Shows the running number on its button.
  void showNumber();

  // Takes the next number and stores it, and saves picture() under it after
  // the save sound (the camera shutter of the sound
  // theme, or the X bell where no sound server plays it; only when its box is
  // ticked); answers the saved file's full path. When the number cannot be
  // stored or the picture cannot be saved, it tells the user why and ends the
  // program.
  std::string saveUnderNextNumber(const std::function<const Image&()>& picture);

 private:
  // Says why the save failed and ends the program.
  void failedSave(const std::string& reason);

  Files& files_;
  const std::string folder_;  // the application folder, which holds BMP/
  Dialogs& dialogs_;
  Sounds& sounds_;
  Settings& settings_;
  std::function<void(int16_t)> showNumber_;
  NumberStore& numberStore_;
  FailureExit& exit_;
};

}  // namespace yorvane
