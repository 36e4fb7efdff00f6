// The KWin screenshot client against a stand-in KWin on a bus of the test's
// own: pixels that come while the event loop goes on, a layout the program
// cannot read, pixels that stop short, and a program KWin does not allow.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <optional>

#include "private_bus.h"
#include "wayland/kwin_screen_copy.h"

namespace yorvane {
namespace {

constexpr int kWidth = 6;
constexpr int kHeight = 4;

uint32_t pixelAt(int x, int y) {
  return 0xFF000000u | static_cast<uint32_t>(x * 40) << 16 | static_cast<uint32_t>(y * 60) << 8;
}

// KWin's CaptureArea, answering as told, and writing its pixels into the pipe
// after a while from a thread of its own, as KWin does.
class FakeKWin : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.ScreenShot2")

 public:
  int pixelsAfterMs = 0;
  int nextAnswerAfterMs = 0;
  qint64 stride = kWidth * 4;
  qint64 bytesWritten = qint64{kWidth} * kHeight * 4;
  bool allowed = true;
  std::atomic<int> areaWidth = 0;
  std::atomic<bool> nativeResolution = false;

 public slots:
  QVariantMap CaptureArea(int, int, uint width, uint, const QVariantMap& options,
                          const QDBusUnixFileDescriptor& pipe) {
    areaWidth = static_cast<int>(width);
    nativeResolution = options.value(QStringLiteral("native-resolution")).toBool();
    if (!allowed) {
      sendErrorReply(QStringLiteral("org.kde.KWin.ScreenShot2.Error.NoAuthorized"), "no");
      return {};
    }
    const int fd = ::dup(pipe.fileDescriptor());
    QTimer::singleShot(pixelsAfterMs, this, [this, fd, width] {
      QByteArray pixels;
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
          const uint32_t p = pixelAt(x, y);
          pixels.append(reinterpret_cast<const char*>(&p), 4);
        }
      }
      // The program reads no pixels of its first picture, which only asks
      // whether KWin takes pictures for it.
      const ssize_t written = ::write(fd, pixels.constData(), static_cast<size_t>(bytesWritten));
      if (width > 1) {
        EXPECT_EQ(written, bytesWritten);
      }
      ::close(fd);
    });
    const QVariantMap layout{{QStringLiteral("type"), QStringLiteral("raw")},
                             {QStringLiteral("format"), uint{QImage::Format_RGB32}},
                             {QStringLiteral("width"), uint{kWidth}},
                             {QStringLiteral("height"), uint{kHeight}},
                             {QStringLiteral("stride"), static_cast<uint>(stride)}};
    if (const int delay = std::exchange(nextAnswerAfterMs, 0); delay > 0) {
      setDelayedReply(true);
      QTimer::singleShot(delay, this, [reply = message().createReply(layout), bus = connection()] {
        bus.send(reply);
      });
    }
    return layout;
  }
};

// The portal KWin's copies go to where it does not allow the program.
class Fallback : public ScreenSource {
 public:
  void copy(Image& dest, Done done) override {
    dest = Image(1, 1);
    done(ScreenCopy::kCopied);
  }
};

class KWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!bus_.running()) GTEST_SKIP() << "dbus-daemon is not available";
    // As KWin: a pipe whose reader has gone fails the write, and ends nothing.
    std::signal(SIGPIPE, SIG_IGN);
    service_ = bus_.connect(QStringLiteral("kwin"));
    kwinThread_.start();
    kwin_.moveToThread(&kwinThread_);
    ASSERT_TRUE(service_.registerObject(QStringLiteral("/org/kde/KWin/ScreenShot2"), &kwin_,
                                        QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service_.registerService(QStringLiteral("org.kde.KWin")));
    source_.emplace(bus_.connect(QStringLiteral("client")), layout_, std::make_unique<Fallback>());
  }
  void TearDown() override {
    source_.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("kwin"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    kwinThread_.quit();
    kwinThread_.wait();
  }

  ScreenCopy copied() {
    std::optional<ScreenCopy> result;
    source_->copy(image_, [&](ScreenCopy r) { result = r; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 15000));
    return result.value_or(ScreenCopy::kFailed);
  }

  PrivateBus bus_;
  QThread kwinThread_;
  FakeKWin kwin_;
  QDBusConnection service_{QString()};
  std::shared_ptr<const wayland::OutputLayout> layout_ =
      std::make_shared<const wayland::OutputLayout>();
  std::optional<wayland::KWinScreenCopy> source_;
  Image image_{2, 2};
};

TEST_F(KWinTest, ThePrimaryMonitorComesPixelForPixelWhileTheEventLoopGoesOn) {
  kwin_.pixelsAfterMs = 300;
  int ticks = 0;
  QTimer ticking;
  QObject::connect(&ticking, &QTimer::timeout, [&] { ++ticks; });
  ticking.start(20);
  ASSERT_EQ(copied(), ScreenCopy::kCopied);
  EXPECT_GE(ticks, 5) << "the event loop waited for the pixels";
  EXPECT_EQ(kwin_.areaWidth, layout_->primaryLogical().width());
  EXPECT_TRUE(kwin_.nativeResolution);
  ASSERT_EQ(image_.width(), kWidth);
  ASSERT_EQ(image_.height(), kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) EXPECT_EQ(image_.pixel(x, y), pixelAt(x, y));
  }
}

TEST_F(KWinTest, TheProgramGoesOnWhileKWinTakesItsTimeToSayWhetherItMayCopy) {
  ASSERT_EQ(copied(), ScreenCopy::kCopied);  // the first source has its answer
  kwin_.nextAnswerAfterMs = 300;
  QElapsedTimer took;
  took.start();
  source_.emplace(bus_.connect(QStringLiteral("client")), layout_, std::make_unique<Fallback>());
  EXPECT_LT(took.elapsed(), 300);
  image_ = Image(2, 2);
  ASSERT_EQ(copied(), ScreenCopy::kCopied);
  EXPECT_GE(took.elapsed(), 300) << "the copy went before KWin's answer";
  EXPECT_EQ(image_.width(), kWidth);
}

TEST_F(KWinTest, PicturesItCannotReadWholeLeaveTheImageAlone) {
  kwin_.stride = kWidth * 4 + 8;
  EXPECT_EQ(copied(), ScreenCopy::kUnreadable);
  kwin_.stride = kWidth * 4;
  kwin_.bytesWritten = kWidth * 4;
  EXPECT_EQ(copied(), ScreenCopy::kFailed);
  EXPECT_EQ(image_.width(), 2);
}

TEST_F(KWinTest, WhereKWinDoesNotAllowTheProgramTheFallbackCopies) {
  kwin_.allowed = false;
  EXPECT_EQ(copied(), ScreenCopy::kCopied);
  EXPECT_EQ(image_.width(), 1);
}

}  // namespace
}  // namespace yorvane

#include "kwin_test.moc"
