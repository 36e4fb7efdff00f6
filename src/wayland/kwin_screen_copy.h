#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

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
// Where KWin says the program is not allowed, everything goes to the fallback
// (the screenshot portal, and the screen cast for a series) for the rest of the run.
class KWinScreenCopy : public QObject, public ScreenSource {
 public:
  // Asks KWin at once, without waiting, whether it takes pictures for this
  // program (with a picture of one pixel); what comes before its answer waits for it.
  KWinScreenCopy(QDBusConnection bus, std::shared_ptr<const OutputLayout> layout,
                 std::unique_ptr<ScreenSource> fallback);
  ~KWinScreenCopy() override;

  // The primary monitor (its area in KWin's logical coordinates) at its own
  // resolution, or the fallback's copy.
  void copy(Image& dest, Done done) override;
  void prime(Done done) override;
  double monitorScale() const override { return layout_->primaryScale(); }
  void prepare() override;
  void startSeries(std::function<void(SeriesCopies)> done) override;
  void seriesEnded() override;

 private:
  // KWin answers at once and then writes the pixels; either may be lost.
  static constexpr int kAnswerTimeoutMs = 10000;
  static constexpr int kPixelsTimeoutMs = 10000;

  enum class Access { kAsking, kGranted, kNotAllowed };
  class Pipe;
  // A picture's pixels on their way from KWin into incoming_.
  struct Reading {
    std::shared_ptr<Pipe> pipe;
    std::unique_ptr<QSocketNotifier> notifier;
    Image* dest;
    Done done;
    qint64 got = 0;
  };

  void askAccess();
  // Runs then at once, or once KWin has said whether it takes pictures for this program.
  void whenAccessKnown(std::function<void()> then);
  // A call of method with its arguments, the options and the pipe's write end.
  static QDBusMessage captureCall(const QString& method, const QVariantList& arguments, Pipe& pipe);
  // Sizes incoming_ for the picture KWin's reply describes, or says why it cannot be read.
  ScreenCopy takeLayout(const QDBusMessage& reply);
  // Reads what the pipe has; the copy ends once the whole picture is there.
  void readPixels();
  void endReading(ScreenCopy result);

  QDBusConnection bus_;
  std::shared_ptr<const OutputLayout> layout_;
  std::unique_ptr<ScreenSource> fallback_;
  Image incoming_;  // the pixels being read; swapped with dest when complete
  std::optional<Reading> reading_;
  QTimer pixelsDeadline_;
  Access access_ = Access::kAsking;
  std::vector<std::function<void()>> waitingForAccess_;
};

}  // namespace yorvane::wayland
