#include "wayland/kwin_screen_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusUnixFileDescriptor>
#include <QImage>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace yorvane::wayland {

namespace {

const QString kService = QStringLiteral("org.kde.KWin");
const QString kObject = QStringLiteral("/org/kde/KWin/ScreenShot2");
const QString kInterface = QStringLiteral("org.kde.KWin.ScreenShot2");
const QString kNotAuthorized = QStringLiteral("org.kde.KWin.ScreenShot2.Error.NoAuthorized");

// The largest picture taken: 16K by 16K.
constexpr qint64 kMostBytes = qint64{16384} * 16384 * 4;

}  // namespace

// The pipe KWin writes into: the read end for the program, the write end
// handed over with the call and closed here once the call has taken it.
class KWinScreenCopy::Pipe {
 public:
  Pipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
      read_ = ends[0];
      write_ = ends[1];
    }
  }
  ~Pipe() {
    if (read_ >= 0) ::close(read_);
    if (write_ >= 0) ::close(write_);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  bool open() const { return read_ >= 0; }
  int readEnd() const { return read_; }
  // The write end for the message; this side keeps no copy of it.
  QVariant takeWriteEnd() {
    QDBusUnixFileDescriptor end;
    end.giveFileDescriptor(std::exchange(write_, -1));
    return QVariant::fromValue(end);
  }

 private:
  int read_ = -1;
  int write_ = -1;
};

namespace {

// Pixel layouts that are the image's own 0xAARRGGBB words.
bool isImageLayout(uint format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
         format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

KWinScreenCopy::KWinScreenCopy(QDBusConnection bus, std::shared_ptr<const OutputLayout> layout,
                               std::unique_ptr<ScreenSource> fallback)
    : bus_(std::move(bus)), layout_(std::move(layout)), fallback_(std::move(fallback)) {
  pixelsDeadline_.setSingleShot(true);
  connect(&pixelsDeadline_, &QTimer::timeout, this, [this] {
    std::fprintf(stderr, "yorvane: KWin's picture did not come whole\n");
    endReading(ScreenCopy::kFailed);
  });
  askAccess();
}

KWinScreenCopy::~KWinScreenCopy() = default;

void KWinScreenCopy::askAccess() {
  auto pipe = std::make_shared<Pipe>();
  if (!pipe->open()) {
    access_ = Access::kNotAllowed;
    return;
  }
  auto* watcher = new QDBusPendingCallWatcher(
      bus_.asyncCall(captureCall(QStringLiteral("CaptureArea"), {0, 0, 1u, 1u}, *pipe),
                     kAnswerTimeoutMs),
      this);
  // The pipe stays open until the answer: KWin writes the pixel after it.
  connect(
      watcher, &QDBusPendingCallWatcher::finished, this, [this, pipe](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusMessage reply = w->reply();
        const QString error =
            reply.type() == QDBusMessage::ErrorMessage ? reply.errorName() : QString();
        if (error == kNotAuthorized) {
          std::fprintf(stderr,
                       "yorvane: screen copies through the desktop's screenshot portal: KWin lets "
                       "only a program named by an installed desktop file use its own screenshot "
                       "interface\n");
          access_ = Access::kNotAllowed;
        } else if (error.startsWith(QStringLiteral("org.freedesktop.DBus.Error."))) {
          std::fprintf(stderr, "yorvane: screen copies through the desktop's screenshot portal\n");
          access_ = Access::kNotAllowed;
        } else {
          std::fprintf(stderr, "yorvane: screen copies through KWin's screenshot interface\n");
          access_ = Access::kGranted;
        }
        for (const auto& then : std::exchange(waitingForAccess_, {})) then();
      });
}

void KWinScreenCopy::whenAccessKnown(std::function<void()> then) {
  if (access_ == Access::kAsking) {
    waitingForAccess_.push_back(std::move(then));
  } else {
    then();
  }
}

void KWinScreenCopy::prime(Done done) {
  whenAccessKnown([this, done = std::move(done)] {
    if (access_ == Access::kNotAllowed) {
      fallback_->prime(done);
    } else {
      done(ScreenCopy::kCopied);
    }
  });
}

void KWinScreenCopy::prepare() {
  whenAccessKnown([this] {
    if (access_ == Access::kNotAllowed) fallback_->prepare();
  });
}

void KWinScreenCopy::startSeries(std::function<void(SeriesCopies)> done) {
  whenAccessKnown([this, done = std::move(done)] {
    if (access_ == Access::kNotAllowed) {
      fallback_->startSeries(done);
    } else {
      done(SeriesCopies::kUsual);
    }
  });
}

void KWinScreenCopy::seriesEnded() {
  if (access_ == Access::kNotAllowed) fallback_->seriesEnded();
}

void KWinScreenCopy::copy(Image& dest, Done done) {
  if (access_ == Access::kAsking) {
    whenAccessKnown([this, &dest, done = std::move(done)] { copy(dest, done); });
    return;
  }
  if (access_ == Access::kNotAllowed) {
    fallback_->copy(dest, std::move(done));
    return;
  }
  auto pipe = std::make_shared<Pipe>();
  if (!pipe->open()) {
    done(ScreenCopy::kFailed);
    return;
  }
  const QRect area = layout_->primaryLogical();
  const QDBusMessage call = captureCall(
      QStringLiteral("CaptureArea"),
      {area.x(), area.y(), static_cast<uint>(area.width()), static_cast<uint>(area.height())},
      *pipe);
  // KWin answers within milliseconds and writes the pixels from a thread of its
  // own; it reads the end of the pixels from the pipe's closing, so no copy of
  // its write end may stay here once the call has gone.
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kAnswerTimeoutMs), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [this, pipe, &dest, done = std::move(done)](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            const QDBusMessage reply = w->reply();
            if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() == kNotAuthorized) {
              // Taken back while the program runs (its desktop file went): the
              // portal serves from now on.
              std::fprintf(stderr,
                           "yorvane: KWin no longer lets this program copy the screen; "
                           "screen copies through the desktop's screenshot portal\n");
              access_ = Access::kNotAllowed;
              fallback_->copy(dest, done);
              return;
            }
            const ScreenCopy result = takeLayout(reply);
            if (result != ScreenCopy::kCopied) {
              done(result);
              return;
            }
            auto notifier =
                std::make_unique<QSocketNotifier>(pipe->readEnd(), QSocketNotifier::Read);
            reading_.emplace(Reading{pipe, std::move(notifier), &dest, done});
            connect(reading_->notifier.get(), &QSocketNotifier::activated, this,
                    &KWinScreenCopy::readPixels);
            pixelsDeadline_.start(kPixelsTimeoutMs);
            readPixels();
          });
}

QDBusMessage KWinScreenCopy::captureCall(const QString& method, const QVariantList& arguments,
                                         Pipe& pipe) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kInterface, method);
  for (const QVariant& argument : arguments) call << argument;
  call << QVariantMap{{QStringLiteral("include-cursor"), false},
                      {QStringLiteral("native-resolution"), true}}
       << pipe.takeWriteEnd();
  return call;
}

ScreenCopy KWinScreenCopy::takeLayout(const QDBusMessage& reply) {
  if (reply.type() != QDBusMessage::ReplyMessage) {
    const QString error = reply.errorName();
    std::fprintf(stderr, "yorvane: KWin did not copy the screen: %s (%s)\n",
                 qPrintable(reply.errorMessage()), qPrintable(error));
    if (error.startsWith(QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown")) ||
        error.startsWith(QStringLiteral("org.freedesktop.DBus.Error.Unknown"))) {
      return ScreenCopy::kUnavailable;
    }
    return ScreenCopy::kFailed;
  }
  // The pixels' layout, from the reply: only whole 32-bit 0xAARRGGBB words
  // are taken, straight into the picture's memory.
  const QVariantMap meta = qdbus_cast<QVariantMap>(reply.arguments().value(0));
  const uint format = meta.value(QStringLiteral("format")).toUInt();
  const qint64 width = meta.value(QStringLiteral("width")).toLongLong();
  const qint64 height = meta.value(QStringLiteral("height")).toLongLong();
  const qint64 stride = meta.value(QStringLiteral("stride")).toLongLong();
  if (meta.value(QStringLiteral("type")).toString() != QStringLiteral("raw") ||
      !isImageLayout(format) || width <= 0 || height <= 0 || stride != width * 4 ||
      stride * height > kMostBytes) {
    std::fprintf(stderr,
                 "yorvane: KWin sent a picture of a layout the program cannot read "
                 "(format %u, %lld x %lld, %lld bytes a row)\n",
                 format, width, height, stride);
    return ScreenCopy::kUnreadable;
  }
  incoming_.resize(static_cast<int>(width), static_cast<int>(height));
  return ScreenCopy::kCopied;
}

void KWinScreenCopy::readPixels() {
  if (!reading_) return;
  // KWin writes the pixels from a thread of its own as it answers; they come
  // through the pipe a buffer at a time, each read as the event loop says it is there.
  char* memory = reinterpret_cast<char*>(incoming_.data());
  const qint64 bytes = qint64{incoming_.width()} * incoming_.height() * 4;
  while (reading_->got < bytes) {
    const ssize_t n = ::read(reading_->pipe->readEnd(), memory + reading_->got,
                             static_cast<size_t>(bytes - reading_->got));
    if (n > 0) {
      reading_->got += n;
    } else if (n < 0 && errno == EAGAIN) {
      return;
    } else if (n == 0 || errno != EINTR) {
      std::fprintf(stderr, "yorvane: KWin's picture did not come whole\n");
      endReading(ScreenCopy::kFailed);
      return;
    }
  }
  endReading(ScreenCopy::kCopied);
}

void KWinScreenCopy::endReading(ScreenCopy result) {
  if (!reading_) return;
  pixelsDeadline_.stop();
  Reading reading = std::move(*reading_);
  reading_.reset();
  // Its signal may be what brought the end here.
  reading.notifier->setEnabled(false);
  reading.notifier.release()->deleteLater();
  if (result == ScreenCopy::kCopied) std::swap(*reading.dest, incoming_);
  reading.done(result);
}

}  // namespace yorvane::wayland
