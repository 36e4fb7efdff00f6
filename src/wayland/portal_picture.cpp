#include "wayland/portal_picture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QImage>
#include <cstring>

namespace yorvane::wayland {

bool loadPicture(const QString& path, const std::vector<Monitor>& monitors, Image& dest,
                 std::optional<MonitorInPicture>* found) {
  QImage picture(path);
  if (picture.isNull()) return false;
  const auto primary = primaryMonitorIn({picture.width(), picture.height()}, monitors);
  if (found) *found = primary;
  if (primary) {
    const PixelRect& a = primary->area;
    const QRect area(a.x, a.y, a.width, a.height);
    if (area != picture.rect()) picture = picture.copy(area);
  }
  // RGB32 words are 0xFFRRGGBB, the image's own layout.
  picture.convertTo(QImage::Format_RGB32);
  dest.resize(picture.width(), picture.height());
  const auto rowBytes = static_cast<size_t>(picture.width()) * sizeof(uint32_t);
  for (int y = 0; y < picture.height(); ++y)
    std::memcpy(dest.row(y), picture.constScanLine(y), rowBytes);
  return true;
}

void ExistingFiles::note(const QString& folder) {
  const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names) paths_.insert(folder + QLatin1Char('/') + name);
}

void removeWrittenFile(const QString& path, std::time_t requestSent, const ExistingFiles& before) {
  if (before.contains(path)) return;
  const QByteArray name = path.toLocal8Bit();
  struct stat info = {};
  if (::lstat(name.constData(), &info) != 0) return;
  if (!S_ISREG(info.st_mode) || info.st_uid != ::getuid() || info.st_mtime < requestSent) return;
  ::unlink(name.constData());
}

}  // namespace yorvane::wayland
