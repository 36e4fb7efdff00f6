#include "wayland/screen_cast_copy.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QUuid>
#include <QWidget>
#include <cstdio>

#include "platform/posix_files.h"
#include "wayland/portal_names.h"
#include "wayland/program_screen.h"

namespace yorvane::wayland {

ScreenCastCopy::ScreenCastCopy(QDBusConnection bus, std::shared_ptr<const OutputLayout> layout,
                               std::unique_ptr<ScreenSource> screenshots, QString tokenFile)
    : bus_(std::move(bus)),
      layout_(std::move(layout)),
      screenshots_(std::move(screenshots)),
      tokenFile_(std::move(tokenFile)) {
  QCoreApplication::instance()->installEventFilter(this);
}

ScreenCastCopy::~ScreenCastCopy() = default;

bool ScreenCastCopy::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    hiddenAt_ = CastStream::Clock::now();
  }
  return false;
}

SeriesCopies ScreenCastCopy::seriesStarting() {
  if (noCast_) return SeriesCopies::kNoScreenCast;
  if (stream_) return SeriesCopies::kScreenCast;
  const QString token = storedToken();
  const QString parent = parentWindowHandle();
  // Without the permission the desktop asks, and only for a window the user sees.
  if (token.isEmpty() && parent.isEmpty()) return SeriesCopies::kUsual;
  // The stream tells the monitor's place and size in the desktop's logical
  // pixels; its frames come at the monitor's own resolution.
  const QRect primary = layout_->primaryLogical();
  frameSize_ = layout_->primaryPhysical();
  session_ = std::make_unique<CastSession>(bus_);
  QElapsedTimer took;
  took.start();
  const CastSession::Started started = session_->start(parent, token, kAnswerTimeoutMs);
  if (started.code != 0) {
    // A refusal faster than a person answers is the desktop's own.
    const bool userSaidNo = started.code == 1 && took.elapsed() >= portal::kFastestPersonMs;
    std::fprintf(stderr, "yorvane: no screen cast (%s): series through screenshots\n",
                 userSaidNo ? "the user said no" : "the desktop cannot");
    endCast(true);
    return SeriesCopies::kNoScreenCast;
  }
  if (!started.area.isEmpty() && started.area != primary) {
    // Another monitor was chosen: its permission is of no use to the program.
    std::fprintf(stderr,
                 "yorvane: the screen cast is not of the primary screen: series through "
                 "screenshots\n");
    ::close(started.pipewireFd);
    posix::removeFile(tokenFile_.toStdString());
    endCast(true);
    return SeriesCopies::kNoScreenCast;
  }
  if (!started.restoreToken.isEmpty() && started.restoreToken != token) {
    storeToken(started.restoreToken);
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

ScreenCopy ScreenCastCopy::copy(Image& dest, IfBusy ifBusy) {
  if (stream_ && ifBusy == IfBusy::kSkip) {
    const auto settled = hiddenAt_ + std::chrono::milliseconds(kSettleMs);
    switch (stream_->copyNewest(dest, {frameSize_.width(), frameSize_.height()}, settled)) {
      case CastStream::Newest::kCopied:
        return ScreenCopy::kCopied;
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
  return screenshots_->copy(dest, ifBusy);
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
