#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QRect>
#include <QString>
#include <memory>

#include "platform/image.h"
#include "platform/platform.h"
#include "platform/screen_source.h"
#include "wayland/output_layout.h"

namespace yorvane::wayland {

// Screen copies on KDE Plasma through KWin's own screenshot interface,
// org.kde.KWin.ScreenShot2: KWin writes the primary screen's pixels, without
// the pointer, into a pipe the program passes; no picture file, no PNG. KWin
// lets a program use it when an installed desktop file names the program's
// path in Exec and lists the interface in X-KDE-DBUS-Restricted-Interfaces.
// Where KWin says the program is not allowed, the copies go to the fallback
// (the screenshot portal) for the rest of the run.
class KWinScreenCopy : public QObject, public ScreenSource {
 public:
  enum class Access { kGranted, kNotAllowed, kNoKWin };

  KWinScreenCopy(QDBusConnection bus, std::shared_ptr<const OutputLayout> layout,
                 std::unique_ptr<ScreenSource> fallback);

  // Whether KWin takes pictures for this program, found with a picture of one pixel.
  Access probe();

  // The primary monitor at its own resolution, or the fallback's copy.
  void copy(Image& dest, Done done) override;
  void prime(Done done) override;
  double monitorScale() const override { return layout_->primaryScale(); }
  // The area of the desktop (KWin's logical coordinates) into dest, at the
  // resolution of the monitors it lies on.
  void copy(Image& dest, const QRect& area, Done done);

 private:
  // KWin answers at once and then writes the pixels; either may be lost.
  static constexpr int kAnswerTimeoutMs = 10000;
  static constexpr int kPixelsTimeoutMs = 10000;

  class Pipe;
  // A call of method with its arguments, the options and the pipe's write end.
  static QDBusMessage captureCall(const QString& method, const QVariantList& arguments, Pipe& pipe);
  // Reads the picture KWin's reply describes from the pipe into incoming_.
  ScreenCopy readPixels(const QDBusMessage& reply, int pipe);

  QDBusConnection bus_;
  std::shared_ptr<const OutputLayout> layout_;
  std::unique_ptr<ScreenSource> fallback_;
  Image incoming_;  // the pixels being read; swapped with dest when complete
  bool notAllowed_ = false;
};

}  // namespace yorvane::wayland
