#pragma once

#include <QDBusConnection>
#include <QRect>
#include <QString>
#include <memory>

#include "platform/image.h"
#include "platform/platform.h"
#include "platform/screen_source.h"
#include "wayland/cast_session.h"
#include "wayland/cast_stream.h"
#include "wayland/hide_settle.h"
#include "wayland/output_layout.h"

namespace yorvane::wayland {

// The copies of a series on a Wayland session from a screen cast of the
// primary monitor, open while the series runs: a screenshot through the
// portal takes from a tenth of a second to more than half a second, the
// newest frame of a cast is copied in milliseconds. Every other copy, and
// every copy where the desktop gives no cast, is the screenshot source's.
// The desktop asks the user once; the permission is kept as a restore token in a
// file of the program's state folder.
class ScreenCastCopy : public ScreenSource {
 public:
  ScreenCastCopy(QDBusConnection bus, std::shared_ptr<HideSettle> settle,
                 std::shared_ptr<const OutputLayout> layout,
                 std::unique_ptr<ScreenSource> screenshots, QString tokenFile);
  ~ScreenCastCopy() override;

  // The cast's newest frame once the screen has settled, where a cast is open;
  // else the screenshot source's copy.
  void copy(Image& dest, Done done) override;
  void prime(Done done) override { screenshots_->prime(std::move(done)); }
  double monitorScale() const override { return screenshots_->monitorScale(); }
  void prepare() override { screenshots_->prepare(); }
  void startSeries(std::function<void(SeriesCopies)> done) override;
  void seriesEnded() override;

 private:
  // The start may wait for the user's answer to the desktop's question.
  static constexpr int kAnswerTimeoutMs = 60000;

  // Where the series' copies come from, once the cast's start has its answer.
  SeriesCopies castStarted(const CastSession::Started& started, const QString& token,
                           qint64 tookMs);
  // Stops casting; with `forGood`, for the rest of the run.
  void endCast(bool forGood);
  QString storedToken() const;
  void storeToken(const QString& token) const;

  QDBusConnection bus_;
  std::shared_ptr<HideSettle> settle_;
  std::shared_ptr<const OutputLayout> layout_;
  std::unique_ptr<ScreenSource> screenshots_;
  QString tokenFile_;
  std::unique_ptr<CastSession> session_;
  std::unique_ptr<CastStream> stream_;
  QSize frameSize_;           // the primary monitor's resolution, as the cast started
  bool noCast_ = false;       // the desktop gave none in this run
  bool toldNoFrame_ = false;  // in this series
};

}  // namespace yorvane::wayland
