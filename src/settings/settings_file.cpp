#include "settings/settings_file.h"

#include "core/runtime_error.h"
#include "settings/settings_record.h"

namespace yorvane {

bool SettingsFile::read(Settings& values) const {
  const auto content = files_.readFile(path_, settings::kMaxFileBytes + 1);
  if (!content || content->size() > settings::kMaxFileBytes) return false;
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
      case 0:
        readInteger(f, values.delaySteps);
        break;
      case 1:
        values.intervalChoice = f;
        break;
      case 2:
        readInteger(f, values.countIndex);
        break;
      case 3:
        readInteger(f, values.endSound);
        break;
      case 4:
        readInteger(f, values.fileNumber);
        break;
      default:
        if (const auto v = settings::parseSingle(f)) {
          values.aspect = *v;
        } else {
          readable = false;
        }
    }
  }
  return readable && fields.size() % 6 == 0;
}

std::string SettingsFile::record(const Settings& values, int16_t fileNumber) {
  return std::to_string(values.delaySteps) + ",\"" + values.intervalChoice + "\"," +
         std::to_string(values.countIndex) + "," + std::to_string(values.endSound) + "," +
         std::to_string(fileNumber) + "," + settings::formatSingle(values.aspect) + "\r\n";
}

void SettingsFile::store(const Settings& values) const {
  std::string reason;
  if (!files_.replaceFile(path_, record(values, values.fileNumber), Durability::kOnDisk, &reason)) {
    throw errors::pathFileAccess(path_ + ": " + reason);
  }
}

void SettingsFile::storeQuietly(const Settings& values) const {
  std::string reason;
  files_.replaceFile(path_, record(values, values.fileNumber), Durability::kOnDisk, &reason);
}

bool SettingsFile::storeNumber(int16_t number, std::string* failure) {
  std::string reason;
  if (files_.replaceFile(path_, record(current_, number), Durability::kPastProgramEnd, &reason)) {
    return true;
  }
  *failure = path_ + "\r" + reason;
  return false;
}

}  // namespace yorvane
