// Reading the settings file at start-up and the record written at shutdown.
#include <stdexcept>

#include "app/form1.h"
#include "app/program.h"
#include "ui_model/runtime_error.h"
#include "settings/settings_record.h"

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
}  // namespace

std::string Form1::settingsPath() const { return platform_.applicationFolder() + "/setutei"; }

void Form1::Yomikomi() {
  for (int i = 0; i <= 12; ++i) List1.addItem(std::to_string(i * 5));

  try {
    const auto content = platform_.readFile(settingsPath(), settings::kMaxFileBytes + 1);
    if (!content || content->size() > settings::kMaxFileBytes) throw UnusableSettings();
    // Each record overwrites the one before. A field that cannot be read
    // leaves its variable as it was and makes the file unusable, but the
    // reading goes on: one damaged field must not cost the running number,
    // or the next pictures would overwrite the earlier ones.
    bool readable = true;
    const auto readInteger = [&readable](const std::string& field, int16_t& into) {
      if (const auto v = settings::parseInteger(field)) {
        into = *v;
      } else {
        readable = false;
      }
    };
    const std::vector<std::string> fields = settings::splitFields(*content);
    for (size_t k = 0; k < fields.size(); ++k) {
      const std::string& f = fields[k];
      switch (k % 6) {
        case 0: readInteger(f, DelayIndex); break;
        case 1: IntervalChoice = f; break;
        case 2: readInteger(f, SavedCountIndex); break;
        case 3: readInteger(f, SavedEndSound); break;
        case 4: readInteger(f, FileNumber); break;
        default:
          if (const auto v = settings::parseSingle(f)) {
            g_.AspectMode = *v;
          } else {
            readable = false;
          }
      }
    }
    if (!readable || fields.size() % 6 != 0) throw UnusableSettings();

    Option1(DelayIndex).setValue(kTrue);
    Option2(integerOrFail(IntervalChoice)).setValue(kTrue);
    List1.setListIndex(SavedCountIndex);
    Check1.setValue(SavedEndSound);
    Command7.setCaption(numberText(FileNumber));
    if (g_.AspectMode == 0.75f) {
      Op3(0).setValue(kTrue);
    } else if (g_.AspectMode == 0.5625f) {
      Op3(1).setValue(kTrue);
    } else if (g_.AspectMode == 1.0f) {
      Op3(2).setValue(kTrue);
    } else if (g_.AspectMode == 0.0f) {
      Op3(3).setValue(kTrue);
    }
  } catch (const std::exception&) {
    Option1(2).setValue(kTrue);
    Option2(2).setValue(kTrue);
    SavedCountIndex = 3;
    List1.setListIndex(3);
  }
  settingsLoaded_ = true;
}

std::string Form1::settingsRecord() const {
  return std::to_string(DelayIndex) + ",\"" + IntervalChoice + "\"," +
         std::to_string(List1.listIndex()) + "," + std::to_string(Check1.value()) + "," +
         std::to_string(FileNumber) + "," + settings::formatSingle(g_.AspectMode) + "\r\n";
}

}  // namespace yorvane
