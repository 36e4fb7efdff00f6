#pragma once

#include <QRect>
#include <QString>
#include <ctime>

#include "platform/image.h"

namespace yorvane::portal {

// Loads the picture file a portal wrote into dest (0xAARRGGBB, top byte
// opaque). A picture larger than area, e.g. of all monitors, is cut to area;
// one that does not contain it is taken whole. False leaves dest untouched.
bool loadPicture(const QString& path, const QRect& area, Image& dest);

// Removes the picture file a portal wrote for a request sent at requestSent,
// where it is the program's to remove: a regular file of the program's user,
// written no earlier than the request. Anything else (a link, another user's
// file, an older file at that name) is left alone.
void removeWrittenFile(const QString& path, std::time_t requestSent);

}  // namespace yorvane::portal
