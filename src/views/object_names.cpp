#include "views/object_names.h"

#include <string_view>
#include <utility>

namespace yorvane {

namespace {
// Descriptive name, object name. The toolbar's controls share the names of
// the main window's that do the same.
constexpr std::pair<std::string_view, const char*> kObjectNames[] = {
    {"mainWindow", "Form1"},      {"panel", "Frame1"},
    {"oneShotFrame", "Frame3"},   {"oneShotButton", "Command1"},
    {"delayFrame", "Frame2"},     {"delayOptions", "Option1"},
    {"seriesFrame", "Frame4"},    {"seriesButton", "Command3"},
    {"countList", "List1"},       {"countImage", "Image3"},
    {"intervalFrame", "Frame5"},  {"intervalOptions", "Option2"},
    {"aspectFrame", "Frame11"},   {"aspectOptions", "Op3"},
    {"toolsFrame", "Frame6"},     {"edgeTriggerBox", "Check3"},
    {"numberButton", "Command7"}, {"modeBox", "Check2"},
    {"pickerButton", "Command5"}, {"compactViewButton", "Image2"},
    {"endSoundBox", "Check1"},    {"saveSoundBox", "Check4"},
    {"soundFrame", "Frame10"},    {"snapshot", "Pic2"},
    {"selection", "Sha1"},        {"toolbarWindow", "Form2"},
    {"dragArea", "Picture1"},     {"standardViewButton", "Image2"},
};

QString objectName(const std::string& name) {
  for (const auto& [descriptive, object] : kObjectNames) {
    if (descriptive == name) return QString::fromLatin1(object);
  }
  return QString::fromStdString(name);
}
}  // namespace

QString objectNameOf(const Window& window) {
  return objectName(window.name());
}

QString objectNameOf(const Control& control) {
  QString name = objectName(control.name());
  if (control.index() >= 0) name += QStringLiteral("(%1)").arg(control.index());
  return name;
}

}  // namespace yorvane
