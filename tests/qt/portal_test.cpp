// The screenshot portal client against a stand-in portal on a bus of the
// test's own: answers, refusals, a missing portal, a silent one, a picture file
// that cannot be read, and a copy asked for while another waits.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <optional>

#include "platform/portal/portal_picture.h"
#include "platform/portal/portal_screen_copy.h"
#include "platform/portal/screenshot_request.h"
#include "platform/portal/session.h"

namespace yorvane {
namespace {

// A dbus-daemon with no services to start: only what the test registers is there.
class PrivateBus {
 public:
  PrivateBus() {
    const QString config = dir_.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(
        "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
        "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
        "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>");
    file.close();
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                   QStringLiteral("--print-address")});
    if (daemon_.waitForReadyRead(5000)) address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
  }
  ~PrivateBus() {
    daemon_.kill();
    daemon_.waitForFinished();
  }
  bool running() const { return !address_.isEmpty(); }
  QDBusConnection connect(const QString& name) const {
    return QDBusConnection::connectToBus(address_, name);
  }

 private:
  QTemporaryDir dir_;
  QProcess daemon_;
  QString address_;
};

// The portal's Screenshot method, answering as told: with a picture file, a
// response code, or not at all.
class FakePortal : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

 public:
  std::optional<uint> code = 0;  // nullopt: never answers
  QString picture;               // the file named in a successful answer
  int requests = 0;

 public slots:
  QDBusObjectPath Screenshot(const QString&, const QVariantMap& options) {
    ++requests;
    QString sender = message().service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                         QLatin1Char('/') +
                         options.value(QStringLiteral("handle_token")).toString();
    if (code) {
      // Sent before the method's reply, as a fast portal may.
      QDBusMessage response = QDBusMessage::createSignal(
          path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
      response << *code
               << QVariantMap{{QStringLiteral("uri"), QUrl::fromLocalFile(picture).toString()}};
      connection().send(response);
    }
    return QDBusObjectPath(path);
  }
};

class PortalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!bus_.running()) GTEST_SKIP() << "dbus-daemon is not available";
    service_ = bus_.connect(QStringLiteral("portal"));
    client_ = bus_.connect(QStringLiteral("client"));
    ASSERT_TRUE(service_.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal_,
                                        QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service_.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    portal_.picture = dir_.filePath(QStringLiteral("Screenshot.png"));
  }
  void TearDown() override {
    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
  }

  // Writes the portal's next picture: 4 x 2 pixels, each one different.
  void writePicture() {
    QImage image(4, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 4; ++x) image.setPixel(x, y, qRgb(10 * x, 100 + y, 200));
    }
    ASSERT_TRUE(image.save(portal_.picture));
  }

  PrivateBus bus_;
  QTemporaryDir dir_;
  FakePortal portal_;
  QDBusConnection service_{QString()};
  QDBusConnection client_{QString()};
};

TEST_F(PortalTest, APictureIsLoadedAndItsFileRemoved) {
  writePicture();
  portal::PortalScreenCopy copy(client_);
  Image image;
  ASSERT_TRUE(copy.copy(image, {}, {}));
  EXPECT_EQ(copy.failure(), ScreenCopy::kCopied);
  ASSERT_EQ(image.size(), (Size{4, 2}));
  EXPECT_EQ(image.pixel(3, 1) & 0xFFFFFFu, 0x1E65C8u);  // (30, 101, 200)
  EXPECT_FALSE(QFile::exists(portal_.picture));

  // Of a picture of every monitor, the primary one's part.
  writePicture();
  ASSERT_TRUE(copy.copy(image, QRect(1, 0, 2, 2), {}));
  ASSERT_EQ(image.size(), (Size{2, 2}));
  EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFFu, 0x0A64C8u);  // (10, 100, 200)
}

TEST_F(PortalTest, ThePrimingPictureIsAskedForOnceAndNotKept) {
  writePicture();
  portal::PortalScreenCopy copy(client_);
  ASSERT_TRUE(copy.prime({}));
  EXPECT_FALSE(QFile::exists(portal_.picture));
  EXPECT_TRUE(copy.prime({}));
  EXPECT_EQ(portal_.requests, 1);
}

TEST_F(PortalTest, RefusalsAndFailuresLeaveTheImageAlone) {
  portal::PortalScreenCopy copy(client_);
  Image image(3, 3, 0xFF123456u);
  const Image before = image;
  portal_.code = 1;  // the user cancelled
  EXPECT_FALSE(copy.copy(image, {}, {}));
  EXPECT_EQ(copy.failure(), ScreenCopy::kRefused);
  portal_.code = 2;  // the desktop ended it, as for a stored "no"
  EXPECT_FALSE(copy.copy(image, {}, {}));
  EXPECT_EQ(copy.failure(), ScreenCopy::kRefused);
  portal_.code = 0;  // a picture file that is not there
  EXPECT_FALSE(copy.copy(image, {}, {}));
  EXPECT_EQ(copy.failure(), ScreenCopy::kFailed);
  EXPECT_EQ(image, before);
}

TEST_F(PortalTest, APortalThatNeverAnswersTimesOut) {
  portal_.code.reset();
  portal::ScreenshotRequest request(client_);
  EXPECT_EQ(request.run({}, 100).failure, ScreenCopy::kFailed);
  EXPECT_EQ(portal_.requests, 1);
}

TEST_F(PortalTest, WithoutAPortalCopiesAreUnavailable) {
  ASSERT_TRUE(service_.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop")));
  portal::PortalScreenCopy copy(client_);
  Image image;
  EXPECT_FALSE(copy.prime({}));
  EXPECT_EQ(copy.failure(), ScreenCopy::kUnavailable);
  EXPECT_FALSE(copy.copy(image, {}, {}));
  EXPECT_EQ(copy.failure(), ScreenCopy::kUnavailable);
}

TEST_F(PortalTest, ACopyAskedForWhileOneWaitsIsBusy) {
  writePicture();
  portal::PortalScreenCopy copy(client_);
  std::optional<ScreenCopy> inner;
  // A timer handler that runs while the copy waits for the portal, as a series tick may.
  QTimer::singleShot(0, [&] {
    Image other;
    EXPECT_FALSE(copy.copy(other, {}, {}));
    inner = copy.failure();
  });
  Image image;
  EXPECT_TRUE(copy.copy(image, {}, {}));
  EXPECT_EQ(inner, ScreenCopy::kBusy);
  EXPECT_EQ(portal_.requests, 1);
}

TEST(PortalPicture, OnlyAFreshFileOfOurOwnIsRemoved) {
  QTemporaryDir dir;
  const std::time_t sent = std::time(nullptr);
  const QString fresh = dir.filePath(QStringLiteral("fresh.png"));
  const QString old = dir.filePath(QStringLiteral("old.png"));
  const QString link = dir.filePath(QStringLiteral("link.png"));
  QFile freshFile(fresh);
  QFile oldFile(old);
  ASSERT_TRUE(freshFile.open(QIODevice::WriteOnly));
  ASSERT_TRUE(oldFile.open(QIODevice::WriteOnly));
  ASSERT_TRUE(oldFile.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                  QFileDevice::FileModificationTime));
  oldFile.close();
  ASSERT_TRUE(QFile::link(fresh, link));

  portal::removeWrittenFile(old, sent);
  portal::removeWrittenFile(link, sent);
  EXPECT_TRUE(QFile::exists(old));
  EXPECT_TRUE(QFile::exists(fresh));
  portal::removeWrittenFile(fresh, sent);
  EXPECT_FALSE(QFile::exists(fresh));
}

TEST(Session, WaylandWhenACompositorIsNamedOrTheSessionSaysSo) {
  EXPECT_EQ(sessionKindOf(nullptr, nullptr), SessionKind::X11);
  EXPECT_EQ(sessionKindOf("", "x11"), SessionKind::X11);
  EXPECT_EQ(sessionKindOf("wayland-0", nullptr), SessionKind::Wayland);
  EXPECT_EQ(sessionKindOf(nullptr, "wayland"), SessionKind::Wayland);
}

}  // namespace
}  // namespace yorvane

#include "portal_test.moc"
