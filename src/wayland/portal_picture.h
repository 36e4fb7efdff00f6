#pragma once

#include <QRect>
#include <QSet>
#include <QString>
#include <ctime>
#include <optional>
#include <vector>

#include "platform/image.h"
#include "platform/screen_pixels.h"

namespace yorvane::wayland {

// Loads the picture file a portal wrote of the desktop's monitors into dest
// (0xAARRGGBB, top byte opaque): the primary monitor's part of it, where the
// picture fits the monitors' layout (see primaryMonitorIn), else all of it.
// Says where the primary monitor was found; nullopt for a picture taken whole
// or not read. A picture that cannot be read leaves dest untouched.
bool loadPicture(const QString& path, const std::vector<Monitor>& monitors, Image& dest,
                 std::optional<MonitorInPicture>* found = nullptr);

// The files that were in the folders a portal may write into, noted when a
// request goes out: a file that was there already is not the request's.
class ExistingFiles {
 public:
  // Notes the files of folder (its path without a trailing '/').
  void note(const QString& folder);
  bool contains(const QString& path) const { return paths_.contains(path); }

 private:
  QSet<QString> paths_;
};

// Removes the picture file a portal wrote for a request sent at requestSent,
// where it is the program's to remove: a regular file of the program's user,
// not there before the request and written no earlier. Anything else (a link,
// another user's file, an older file, another program's picture of the same
// name) is left alone.
void removeWrittenFile(const QString& path, std::time_t requestSent, const ExistingFiles& before);

}  // namespace yorvane::wayland
