// Numbering, naming and saving of the pictures, and the one way a capture
// step fails.
#include <stdexcept>

#include "app/form1.h"
#include "app/program.h"
#include "ui_model/runtime_error.h"
#include "platform/message_box.h"

namespace yorvane {

namespace {
class SaveFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
}  // namespace

std::string Form1::picturePath(int16_t number) const {
  return platform_.applicationFolder() + "/BMP/壁紙-" + numberText(number) + ".bmp";
}

void Form1::saveSound() {
  if (Check4.value() == 1) platform_.beep();
}

void Form1::savePicture(const Image& image) {
  std::string reason;
  if (!platform_.saveBmp(image, picturePath(FileNumber), &reason)) throw SaveFailed(reason);
}

void Form1::withFailureTrap(const std::function<void()>& span) {
  try {
    span();
  } catch (const std::exception&) {
    failedSave();
  }
}

void Form1::failedSave() {
  platform_.messageBox("BMPフォルダが有りません。\r初期化します。再起動してください。",
                       "BMPフォルダが有りません", mb::kOkOnly + mb::kExclamation);
  program_.endAfterFailure();
}

}  // namespace yorvane
