// The screenshot portal client against a stand-in portal on a bus of the
// test's own: answers, refusals, a missing portal, a silent one, a picture file
// that cannot be read, and a copy asked for while the priming picture waits.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <deque>
#include <optional>

#include "private_bus.h"
#include "wayland/portal_picture.h"
#include "wayland/portal_screen_copy.h"
#include "wayland/screenshot_request.h"
#include "wayland/session.h"

namespace yorvane {
namespace {

// The portal's Screenshot method, answering as told: with a picture file, a
// response code, or not at all; at once or after a while. It runs in a thread
// of its own, as a portal in a process of its own: Qt 6.8 loses the replies of
// a service in the caller's thread to calls made from a nested event loop. Set
// its fields before the calls; read them after.
class FakePortal : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

 public:
  std::optional<uint> code = 0;  // nullopt: never answers
  std::deque<uint> codes;        // the codes of the next answers, before `code`
  int delayMs = 0;
  QString picture;  // the file named in a successful answer
  std::atomic<int> requests = 0;
  std::atomic<int> mostOpen = 0;  // the most requests open at one time

 public slots:
  QDBusObjectPath Screenshot(const QString&, const QVariantMap& options) {
    ++requests;
    QString sender = message().service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                         QLatin1Char('/') +
                         options.value(QStringLiteral("handle_token")).toString();
    std::optional<uint> answer = code;
    if (!codes.empty()) {
      answer = codes.front();
      codes.pop_front();
    }
    if (!answer) return QDBusObjectPath(path);
    mostOpen = std::max(mostOpen.load(), ++open_);
    const auto respond = [this, path, answer] {
      --open_;
      QDBusMessage response = QDBusMessage::createSignal(
          path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
      response << *answer
               << QVariantMap{{QStringLiteral("uri"), QUrl::fromLocalFile(picture).toString()}};
      QDBusConnection(QStringLiteral("portal")).send(response);
    };
    // At once, before the method's reply, as a fast portal may.
    if (delayMs == 0) {
      respond();
    } else {
      QTimer::singleShot(delayMs, this, respond);
    }
    return QDBusObjectPath(path);
  }

 private:
  int open_ = 0;
};

class PortalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!bus_.running()) GTEST_SKIP() << "dbus-daemon is not available";
    service_ = bus_.connect(QStringLiteral("portal"));
    client_ = bus_.connect(QStringLiteral("client"));
    portal_.picture = dir_.filePath(QStringLiteral("Screenshot.png"));
    portalThread_.start();
    portal_.moveToThread(&portalThread_);
    ASSERT_TRUE(service_.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal_,
                                        QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service_.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
  }
  void TearDown() override {
    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    portalThread_.quit();
    portalThread_.wait();
  }

  // Writes the portal's next picture: 4 x 2 pixels, each one different.
  void writePicture() {
    QImage image(4, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 4; ++x) image.setPixel(x, y, qRgb(10 * x, 100 + y, 200));
    }
    ASSERT_TRUE(image.save(portal_.picture));
  }

  // Runs a copy, or the priming picture, to its answer, as the event loop brings it.
  static ScreenCopy copied(wayland::PortalScreenCopy& source, Image& image) {
    std::optional<ScreenCopy> result;
    source.copy(image, [&](ScreenCopy r) { result = r; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 10000));
    return result.value_or(ScreenCopy::kFailed);
  }
  static ScreenCopy primed(wayland::PortalScreenCopy& source) {
    std::optional<ScreenCopy> result;
    source.prime([&](ScreenCopy r) { result = r; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 10000));
    return result.value_or(ScreenCopy::kFailed);
  }

  PrivateBus bus_;
  QTemporaryDir dir_;
  std::shared_ptr<wayland::HideSettle> settle_ = std::make_shared<wayland::HideSettle>();
  QThread portalThread_;
  FakePortal portal_;
  QDBusConnection service_{QString()};
  QDBusConnection client_{QString()};
};

TEST_F(PortalTest, APictureIsLoadedAndItsFileRemoved) {
  writePicture();
  wayland::PortalScreenCopy copy(client_, settle_);
  Image image;
  ASSERT_EQ(copied(copy, image), ScreenCopy::kCopied);
  ASSERT_EQ(image.size(), (Size{4, 2}));
  EXPECT_EQ(image.pixel(3, 1) & 0xFFFFFFu, 0x1E65C8u);  // (30, 101, 200)
  EXPECT_FALSE(QFile::exists(portal_.picture));

  // Of a picture of every monitor, the primary one's part.
  writePicture();
  const std::vector<Monitor> monitors{{{0, 0, 1, 1}, {}, false}, {{1, 0, 1, 1}, {}, true}};
  ASSERT_TRUE(wayland::loadPicture(portal_.picture, monitors, image));
  ASSERT_EQ(image.size(), (Size{2, 2}));
  EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFFu, 0x1464C8u);  // (20, 100, 200)
}

TEST_F(PortalTest, ThePrimingPictureIsAskedForOnceAndNotKept) {
  writePicture();
  wayland::PortalScreenCopy copy(client_, settle_);
  ASSERT_EQ(primed(copy), ScreenCopy::kCopied);
  EXPECT_FALSE(QFile::exists(portal_.picture));
  EXPECT_EQ(primed(copy), ScreenCopy::kCopied);
  EXPECT_EQ(portal_.requests, 1);
}

TEST_F(PortalTest, RefusalsAndFailuresLeaveTheImageAlone) {
  wayland::PortalScreenCopy copy(client_, settle_);
  Image image(3, 3, 0xFF123456u);
  const Image before = image;
  portal_.code = 2;  // the desktop ended it, as for a stored "no"
  EXPECT_EQ(copied(copy, image), ScreenCopy::kRefused);
  portal_.code = 0;  // a picture file that is not there
  EXPECT_EQ(copied(copy, image), ScreenCopy::kFailed);
  EXPECT_EQ(image, before);
  EXPECT_EQ(portal_.requests, 2);
}

TEST_F(PortalTest, OnlyACancelThatTookAPersonsTimeIsARefusal) {
  wayland::PortalScreenCopy copy(client_, settle_);
  Image image;
  // "Cancelled" at once, twice: the portal failed, and was asked once more.
  portal_.code = 1;
  EXPECT_EQ(copied(copy, image), ScreenCopy::kFailed);
  EXPECT_EQ(portal_.requests, 2);
  // Failed at once, then a picture: the second request's.
  writePicture();
  portal_.code = 0;
  portal_.codes = {1};
  EXPECT_EQ(copied(copy, image), ScreenCopy::kCopied);
  EXPECT_EQ(portal_.requests, 4);
  // Cancelled after a person could have read the question.
  portal_.code = 1;
  portal_.delayMs = 2100;
  EXPECT_EQ(copied(copy, image), ScreenCopy::kRefused);
  EXPECT_EQ(portal_.requests, 5);
}

TEST_F(PortalTest, APortalThatNeverAnswersTimesOut) {
  portal_.code.reset();
  std::optional<wayland::Answer> answer;
  wayland::requestScreenshot(client_, {}, 100, [&](const wayland::Answer& a) { answer = a; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
  EXPECT_EQ(answer->failure, ScreenCopy::kFailed);
  EXPECT_EQ(portal_.requests, 1);
}

TEST_F(PortalTest, WithoutAPortalCopiesAreUnavailable) {
  ASSERT_TRUE(service_.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop")));
  wayland::PortalScreenCopy copy(client_, settle_);
  Image image;
  EXPECT_EQ(primed(copy), ScreenCopy::kUnavailable);
  EXPECT_EQ(copied(copy, image), ScreenCopy::kUnavailable);
}

TEST_F(PortalTest, ACopyAskedForWhileThePrimingWaitsComesAfterIt) {
  writePicture();
  portal_.delayMs = 50;
  wayland::PortalScreenCopy copy(client_, settle_);
  std::optional<ScreenCopy> primedAnswer;
  copy.prime([&](ScreenCopy r) {
    primedAnswer = r;
    writePicture();
  });
  Image image;
  EXPECT_EQ(copied(copy, image), ScreenCopy::kCopied);
  EXPECT_EQ(primedAnswer, ScreenCopy::kCopied) << "answered first";
  EXPECT_EQ(image.size(), (Size{4, 2}));
  EXPECT_EQ(portal_.requests, 2);
  EXPECT_EQ(portal_.mostOpen, 1) << "one request at a time";
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

  wayland::ExistingFiles none;
  wayland::removeWrittenFile(old, sent, none);
  wayland::removeWrittenFile(link, sent, none);
  EXPECT_TRUE(QFile::exists(old));
  EXPECT_TRUE(QFile::exists(fresh));
  // Another program's picture of the same name, there before the request.
  wayland::ExistingFiles before;
  before.note(dir.path());
  wayland::removeWrittenFile(fresh, sent, before);
  EXPECT_TRUE(QFile::exists(fresh));
  wayland::removeWrittenFile(fresh, sent, none);
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
