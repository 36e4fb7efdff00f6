#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QRect>
#include <QString>
#include <memory>

#include "platform/image.h"
#include "platform/platform.h"
#include "platform/screen_source.h"
#include "wayland/cast_session.h"
#include "wayland/cast_stream.h"
#include "wayland/output_layout.h"

namespace yorvane::wayland {

// The copies of a series on a Wayland session from a screen cast of the
// primary monitor, open while the series runs: a screenshot through the
// portal takes from a tenth of a second to more than half a second, the
// newest frame of a cast is copied in milliseconds. Every other copy, and
// every copy where the desktop gives no cast, is the screenshot source's.
// The desktop asks the user once; the permission is kept as a restore token in a
// file of the program's state folder.
class ScreenCastCopy : public QObject, public ScreenSource {
 public:
  ScreenCastCopy(QDBusConnection bus, std::shared_ptr<const OutputLayout> layout,
                 std::unique_ptr<ScreenSource> screenshots, QString tokenFile);
  ~ScreenCastCopy() override;

  ScreenCopy copy(Image& dest, IfBusy ifBusy) override;
  ScreenCopy prime() override { return screenshots_->prime(); }
  double monitorScale() const override { return screenshots_->monitorScale(); }
  void prepare() override { screenshots_->prepare(); }
  SeriesCopies seriesStarting() override;
  void seriesEnded() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The start may wait for the user's answer to the desktop's question.
  static constexpr int kAnswerTimeoutMs = 60000;
  // How long after a window of the program is hidden a frame may still show
  // it (see CaptureGate): older frames are not taken.
  static constexpr int kSettleMs = 50;

  // Stops casting; with `forGood`, for the rest of the run.
  void endCast(bool forGood);
  QString storedToken() const;
  void storeToken(const QString& token) const;

  QDBusConnection bus_;
  std::shared_ptr<const OutputLayout> layout_;
  std::unique_ptr<ScreenSource> screenshots_;
  QString tokenFile_;
  std::unique_ptr<CastSession> session_;
  std::unique_ptr<CastStream> stream_;
  QSize frameSize_;  // the primary monitor's resolution, as the cast started
  CastStream::Clock::time_point hiddenAt_;
  bool noCast_ = false;       // the desktop gave none in this run
  bool toldNoFrame_ = false;  // in this series
};

}  // namespace yorvane::wayland
