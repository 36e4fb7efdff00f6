#include "wayland/screen_cast_copy.h"

#include <unistd.h>

#include <QElapsedTimer>
#include <QUuid>
#include <cstdio>
#include <memory>

#include "platform/posix_files.h"
#include "wayland/portal_names.h"
#include "wayland/program_screen.h"

namespace yorvane::wayland {

ScreenCastCopy::ScreenCastCopy(QDBusConnection bus, std::shared_ptr<HideSettle> settle,
                               std::shared_ptr<const OutputLayout> layout,
                               std::unique_ptr<ScreenSource> screenshots, QString tokenFile)
    : bus_(std::move(bus)),
      settle_(std::move(settle)),
      layout_(std::move(layout)),
      screenshots_(std::move(screenshots)),
      tokenFile_(std::move(tokenFile)) {}

ScreenCastCopy::~ScreenCastCopy() = default;

void ScreenCastCopy::startSeries(std::function<void(SeriesCopies)> done) {
  if (noCast_) {
    done(SeriesCopies::kNoScreenCast);
    return;
  }
  if (stream_) {
    done(SeriesCopies::kScreenCast);
    return;
  }
  const QString token = storedToken();
  const QString parent = parentWindowHandle();
  // Without the permission the desktop asks, and only for a window the user sees.
  if (token.isEmpty() && parent.isEmpty()) {
    done(SeriesCopies::kUsual);
    return;
  }
  // The stream tells the monitor's place and size in the desktop's logical
  // pixels; its frames come at the monitor's own resolution.
  frameSize_ = layout_->primaryPhysical();
  session_ = std::make_unique<CastSession>(bus_);
  auto took = std::make_shared<QElapsedTimer>();
  took->start();
  session_->start(parent, token, kAnswerTimeoutMs,
                  [this, token, took, done = std::move(done)](const CastSession::Started& started) {
                    done(castStarted(started, token, took->elapsed()));
                  });
}

SeriesCopies ScreenCastCopy::castStarted(const CastSession::Started& started, const QString& token,
                                         qint64 tookMs) {
  // The desktop may take the token given back and hand out a new one at a
  // start that then fails: without the new one, the next series would ask again.
  if (!started.restoreToken.isEmpty() && started.restoreToken != token) {
    storeToken(started.restoreToken);
  }
  if (started.code != 0) {
    // A refusal faster than a person answers is the desktop's own.
    const bool userSaidNo = started.code == 1 && tookMs >= portal::kFastestPersonMs;
    std::fprintf(stderr, "yorvane: no screen cast (%s): series through screenshots\n",
                 userSaidNo ? "the user said no" : "the desktop cannot");
    endCast(true);
    return SeriesCopies::kNoScreenCast;
  }
  if (!started.area.isEmpty() && started.area != layout_->primaryLogical()) {
    // Another monitor was chosen: its permission is of no use to the program.
    std::fprintf(stderr,
                 "yorvane: the screen cast is not of the primary screen: series through "
                 "screenshots\n");
    ::close(started.pipewireFd);
    posix::removeFile(tokenFile_.toStdString());
    endCast(true);
    return SeriesCopies::kNoScreenCast;
  }
  stream_ = std::make_unique<CastStream>();
  if (!stream_->open(started.pipewireFd, started.node)) {
    endCast(true);
    return SeriesCopies::kNoScreenCast;
  }
  toldNoFrame_ = false;
  std::fprintf(stderr, "yorvane: series copies from the desktop's screen cast\n");
  return SeriesCopies::kScreenCast;
}

void ScreenCastCopy::seriesEnded() {
  endCast(false);
}

void ScreenCastCopy::copy(Image& dest, Done done) {
  if (stream_) {
    switch (stream_->copyNewest(dest, {frameSize_.width(), frameSize_.height()},
                                settle_->settledAt())) {
      case CastStream::Newest::kCopied:
        done(ScreenCopy::kCopied);
        return;
      case CastStream::Newest::kNone:
        if (!toldNoFrame_) {
          std::fprintf(stderr, "yorvane: no frame of the screen cast yet: a screenshot instead\n");
          toldNoFrame_ = true;
        }
        break;
      case CastStream::Newest::kUnreadable:
      case CastStream::Newest::kEnded:
        std::fprintf(stderr, "yorvane: series through screenshots from now on\n");
        endCast(true);
        break;
    }
  }
  screenshots_->copy(dest, std::move(done));
}

void ScreenCastCopy::endCast(bool forGood) {
  stream_.reset();
  session_.reset();
  noCast_ = noCast_ || forGood;
}

QString ScreenCastCopy::storedToken() const {
  const auto stored = posix::readFile(tokenFile_.toStdString(), 100);
  if (!stored) return {};
  const QString token = QString::fromStdString(*stored).trimmed();
  // The portal turns away a token that is no UUID, with an error for the whole request.
  return QUuid::fromString(token).isNull() ? QString() : token;
}

void ScreenCastCopy::storeToken(const QString& token) const {
  std::string reason;
  if (!posix::replaceFile(tokenFile_.toStdString(), token.toStdString(),
                          Durability::kPastProgramEnd, &reason)) {
    std::fprintf(stderr, "yorvane: the screen cast's leave cannot be kept: %s\n", reason.c_str());
  }
}

}  // namespace yorvane::wayland
