#pragma once

#include <QRect>
#include <QSet>
#include <QString>
#include <ctime>

#include "platform/image.h"

namespace yorvane::wayland {

// Loads the picture file a portal wrote into dest (0xAARRGGBB, top byte
// opaque). A picture larger than area, e.g. of all monitors, is cut to area;
// one that does not contain it is taken whole. False leaves dest untouched.
bool loadPicture(const QString& path, const QRect& area, Image& dest);

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
