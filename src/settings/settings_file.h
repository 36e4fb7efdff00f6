#pragma once

#include <cstdint>
#include <string>

#include "capture/number_store.h"
#include "core/settings.h"
#include "platform/files.h"

namespace yorvane {

// The settings file in the application folder: one record of six fields and
// CR LF. It also keeps the running number before each picture, written with
// the settings as they are at that moment.
class SettingsFile : public NumberStore {
 public:
  // current is the program's settings, which storeNumber writes with the number.
  SettingsFile(Files& files, const Settings& current)
      : files_(files), path_(files.applicationFolder() + "/setutei"), current_(current) {}

  const std::string& path() const { return path_; }
  // Reads the file into values. Each record overwrites the one before; a
  // field that cannot be read leaves its value as it was and makes the file
  // unusable, but the reading goes on: one damaged field must not cost the
  // running number, or the next pictures would overwrite the earlier ones.
  // False when the file is missing, too long, has such a field or ends
  // inside a record.
  bool read(Settings& values) const;
  // Replaces the file, flushed to disk; a failure is a path error of the
  // caller's handler.
  void store(const Settings& values) const;
  // Replaces the file, flushed to disk, ignoring a failure.
  void storeQuietly(const Settings& values) const;
  // NumberStore: replaces the file with the current settings and number,
  // without waiting for the disk: what the kernel holds outlives any end of
  // the program, and the picture is not held up.
  bool storeNumber(int16_t number, std::string* failure) override;

 private:
  // The record of values, with fileNumber as its running number.
  static std::string record(const Settings& values, int16_t fileNumber);

  Files& files_;
  const std::string path_;
  const Settings& current_;
};

}  // namespace yorvane
