#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace yorvane {

// What the settings file setutei keeps between runs, in the order of its fields.
struct StoredSettings {
  int16_t delaySteps = 0;
  std::string intervalChoice;
  int16_t countIndex = 0;
  int16_t endSound = 0;
  int16_t fileNumber = 0;
  float aspect = 0;
};

// The settings file in the application folder: one record of six fields and
// CR LF.
class SettingsFile {
 public:
  explicit SettingsFile(Platform& platform) : platform_(platform) {}

  std::string path() const;
  // Reads the file into values. Each record overwrites the one before; a
  // field that cannot be read leaves its value as it was and makes the file
  // unusable, but the reading goes on: one damaged field must not cost the
  // running number, or the next pictures would overwrite the earlier ones.
  // False when the file is missing, too long, has such a field or ends
  // inside a record.
  bool read(StoredSettings& values) const;
  static std::string record(const StoredSettings& values);
  // Replaces the file, flushed to disk; a failure is a path error of the
  // caller's handler.
  void store(const StoredSettings& values) const;
  // Replaces the file, flushed to disk, ignoring a failure.
  void storeQuietly(const StoredSettings& values) const;
  // Replaces the file without waiting for the disk: what the kernel holds
  // outlives any end of the program. False with the file's path and the
  // system's reason on lines of their own when it fails.
  bool storeQuickly(const StoredSettings& values, std::string* failure) const;

 private:
  Platform& platform_;
};

}  // namespace yorvane
