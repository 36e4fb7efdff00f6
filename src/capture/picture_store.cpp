#include "capture/picture_store.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "core/runtime_error.h"
#include "platform/message_box.h"

namespace yorvane {

namespace {
// The number could not be stored, so nothing was saved; the text is the message.
class NumberNotStored : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The save failed; the text is the system's reason.
class SaveFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
}  // namespace

namespace {
constexpr std::string_view kPictureName = "壁紙-";
constexpr std::string_view kPictureType = ".bmp";
}  // namespace

std::string pictureFileName(int16_t number) {
  return std::string(kPictureName) + numberText(number) + std::string(kPictureType);
}

std::optional<int16_t> pictureNumber(std::string_view name) {
  if (!name.starts_with(kPictureName) || !name.ends_with(kPictureType)) return std::nullopt;
  std::string_view digits = name.substr(kPictureName.size());
  digits.remove_suffix(kPictureType.size());
  if (digits.starts_with(' ')) digits.remove_prefix(1);
  int16_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  // Only the names the store gives: the same name back, for a number it gives.
  if (error != std::errc() || end != digits.data() + digits.size() || number < 1 ||
      pictureFileName(number) != name) {
    return std::nullopt;
  }
  return number;
}

PictureStore::PictureStore(Files& files, Dialogs& dialogs, Sounds& sounds, Settings& settings,
                           std::function<void(int16_t)> showNumber, NumberStore& numberStore,
                           FailureExit& exit)
    : files_(files),
      folder_(files.applicationFolder()),
      dialogs_(dialogs),
      sounds_(sounds),
      settings_(settings),
      showNumber_(std::move(showNumber)),
      numberStore_(numberStore),
      exit_(exit) {}

void PictureStore::continueAfterSavedPictures() {
  for (const FolderEntry& entry : files_.listFolder(folder_ + "/BMP")) {
    const std::optional<int16_t> number = pictureNumber(entry.name);
    if (number && *number > settings_.fileNumber) settings_.fileNumber = *number;
  }
}

bool PictureStore::atLastNumber() const {
  return settings_.fileNumber == std::numeric_limits<int16_t>::max();
}

std::string PictureStore::numbersRanOutText() const {
  return "番号が最後の " + numberText(settings_.fileNumber) +
         " に達したため、保存できません。\r"
         "番号のボタン（ファイル名初期化）で 1 から始め直してください。";
}

void PictureStore::tellNumbersRanOut() {
  dialogs_.messageBox(numbersRanOutText(), "番号が最後です",
                      {BoxButtons::kOk, BoxIcon::kExclamation});
}

void PictureStore::showNumber() {
  showNumber_(settings_.fileNumber);
}

std::string PictureStore::saveUnderNextNumber(const std::function<const Image&()>& picture) {
  try {
    // The number is stored before anything is saved under it.
    settings_.fileNumber = checkedAdd(settings_.fileNumber, 1);
    std::string failure;
    if (!numberStore_.storeNumber(settings_.fileNumber, &failure)) {
      throw NumberNotStored("番号を記録できないため、保存しませんでした。\r" + failure);
    }
    const Image& image = picture();
    // The sound server plays it beside the save; without one the X bell stands in.
    if (settings_.saveSound && !sounds_.playEventSound("camera-shutter")) sounds_.beep();
    std::string reason;
    const std::string path = folder_ + "/BMP/" + pictureFileName(settings_.fileNumber);
    if (!files_.saveBmp(image, path, &reason)) throw SaveFailed(reason);
    return path;
  } catch (const NumberNotStored& e) {
    dialogs_.messageBox(e.what(), "保存できません", {BoxButtons::kOk, BoxIcon::kExclamation});
    exit_.endAfterFailure();
  } catch (const SaveFailed& e) {
    failedSave(e.what());
  } catch (const std::exception&) {
    failedSave({});
  }
  // Each failure above has ended the program.
  std::abort();
}

void PictureStore::failedSave(const std::string& reason) {
  bool folderThere = false;
  for (const FolderEntry& entry : files_.listFolder(folder_)) {
    if (entry.isDirectory && entry.name == "BMP") folderThere = true;
  }
  if (folderThere) {
    dialogs_.messageBox("画像を保存できませんでした。" + (reason.empty() ? "" : "\r" + reason),
                        "保存できません", {BoxButtons::kOk, BoxIcon::kExclamation});
  } else {
    dialogs_.messageBox("BMPフォルダが有りません。\r初期化します。再起動してください。",
                        "BMPフォルダが有りません", {BoxButtons::kOk, BoxIcon::kExclamation});
  }
  exit_.endAfterFailure();
}

}  // namespace yorvane
