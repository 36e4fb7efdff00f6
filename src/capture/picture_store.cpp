#include "capture/picture_store.h"

#include <stdexcept>

#include "platform/message_box.h"
#include "ui_model/runtime_error.h"

namespace yorvane {

namespace {
class SaveFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
}  // namespace

PictureStore::PictureStore(Platform& platform, const Control& saveSoundBox, Control& numberButton,
                           FailureExit& exit)
    : platform_(platform), saveSoundBox_(saveSoundBox), numberButton_(numberButton), exit_(exit) {}

void PictureStore::takeNextNumber() {
  fileNumber_ = checkedAdd(fileNumber_, 1);
}

void PictureStore::showNumber() {
  numberButton_.setCaption(numberText(fileNumber_));
}

std::string PictureStore::pathOf(int16_t number) const {
  return platform_.applicationFolder() + "/BMP/壁紙-" + numberText(number) + ".bmp";
}

void PictureStore::playSaveSound() {
  if (saveSoundBox_.value() != 1) return;
  // The sound server plays it beside the save; without one the X bell stands in.
  if (!platform_.playEventSound("camera-shutter")) platform_.beep();
}

void PictureStore::save(const Image& image) {
  std::string reason;
  if (!platform_.saveBmp(image, pathOf(fileNumber_), &reason)) throw SaveFailed(reason);
}

void PictureStore::withFailureTrap(const std::function<void()>& span) {
  try {
    span();
  } catch (const std::exception&) {
    failedSave();
  }
}

void PictureStore::failedSave() {
  platform_.messageBox("BMPフォルダが有りません。\r初期化します。再起動してください。",
                       "BMPフォルダが有りません", mb::kOkOnly + mb::kExclamation);
  exit_.endAfterFailure();
}

}  // namespace yorvane
