// Start-up: the picture folder, the main window on top, and the settings.
#include <stdexcept>

#include "app/application.h"
#include "core/runtime_error.h"
#include "core/state_mark.h"
#include "platform/message_box.h"
#include "platform/posix_files.h"
#include "settings/settings_record.h"
#include "ui_model/layout.h"

namespace yorvane {

namespace {
class UnusableSettings : public std::runtime_error {
 public:
  UnusableSettings() : std::runtime_error("unusable settings") {}
};

int16_t integerOrFail(const std::string& field) {
  const auto v = settings::parseInteger(field);
  if (!v) throw UnusableSettings();
  return *v;
}

// A check box's state as the settings file keeps it: 0, 1 or 2.
CheckState checkStateOrFail(int16_t stored) {
  if (stored < 0 || stored > 2) throw UnusableSettings();
  return static_cast<CheckState>(stored);
}

// Marks, in the state folder, a notice the user has seen.
constexpr const char* kTopmostNoticeShown = "topmost-notice-shown";

void removeLeftoversIn(Platform& platform, const std::string& folder) {
  for (const FolderEntry& entry : platform.listFolder(folder)) {
    // A file whose write was cut off.
    if (!entry.isDirectory && posix::isTemporaryName(entry.name))
      platform.removeFile(folder + entry.name);
  }
}
}  // namespace

void Application::start() {
  dispatch([this] {
    settings_.delaySteps = 1;

    const std::string folder = platform_.applicationFolder() + "/";
    if (!platform_.lockApplicationFolder()) {
      platform_.messageBox(
          "このフォルダは、ほかの Yorvane が使っています。\r" + folder + "\r終了します。",
          "フォルダが使用中です", {BoxButtons::kOk, BoxIcon::kExclamation});
      platform_.endProgram(1);
    }
    // Keyboard shortcuts reach the program through its orders. Without a
    // session bus, or where another program on another folder takes them,
    // the buttons work all the same.
    platform_.acceptOrders(*this);
    // Only this program writes here now: what an earlier one left half-written goes.
    removeLeftoversIn(platform_, folder);
    removeLeftoversIn(platform_, folder + "BMP/");
    bool found = false;
    for (const FolderEntry& entry : platform_.listFolder(folder)) {
      if (entry.name == "." || entry.name == "..") continue;
      if (entry.isDirectory && entry.name == "BMP") found = true;
    }
    if (!found) {
      std::string reason;
      if (!platform_.createFolder(folder + "BMP", &reason)) {
        throw errors::pathFileAccess(folder + "BMP: " + reason);
      }
      platform_.openWithAssociatedProgram(platform_.findResource("Yorvane.txt"));
    }

    main_.window.setTopmost(true);
    main_.window.show();
    loadSettings();
    main_.panel.setBorderStyle(0);
    captureMode_.mainBoxClicked();
    main_.window.setHeight(layout::main_window::kHeight);
    if (platform_.sessionKind() == SessionKind::Wayland && !platform_.keepsTopmostWindowsAbove()) {
      tellOnce(
          kTopmostNoticeShown,
          "この Wayland の画面では、ウィンドウを常に手前に表示できません。\r"
          "ほかのウィンドウに隠れたときは、Yorvane をクリックするか選んで、手前に出してください。",
          "常に手前には表示できません");
    }
  });
}

void Application::tellOnce(const std::string& mark, const std::string& text,
                           const std::string& title) {
  if (firstTimeFor(platform_, mark)) platform_.showNotice(text, title);
}

void Application::loadSettings() {
  for (int i = 0; i <= 12; ++i) main_.countList.addItem(std::to_string(i * Settings::kCountStep));

  Settings stored = settings_;
  const bool readable = settingsFile_.read(stored);
  // What was read stays, even from a file the load cannot use; the rest is
  // taken as the controls take it.
  settings_.delaySteps = stored.delaySteps;
  settings_.intervalChoice = stored.intervalChoice;
  settings_.fileNumber = stored.fileNumber;
  // Without a stored number, the pictures already there must not be written over.
  if (!readable) pictures_.continueAfterSavedPictures();
  settings_.aspect = stored.aspect;
  try {
    if (!readable) throw UnusableSettings();
    // In the window's order; a value the window has no place for ends the load.
    chooseDelay(stored.delaySteps);
    chooseInterval(integerOrFail(stored.intervalChoice));
    chooseCount(stored.countIndex);
    main_.endSoundBox.setCheckState(checkStateOrFail(stored.endSound));
    settings_.endSound = stored.endSound;
    pictures_.showNumber();
    for (int element = 0; element < 4; ++element) {
      if (stored.aspect == Settings::kAspects[static_cast<size_t>(element)]) {
        chooseAspect(element);
        break;
      }
    }
  } catch (const std::exception&) {
    chooseDelay(2);
    chooseInterval(2);
    chooseCount(3);
  }
  settingsLoaded_ = true;
}

}  // namespace yorvane
