// The screen cast of a series against a stand-in ScreenCast portal on a bus
// of the test's own: the permission's restore token, which the desktop may
// replace at every start, is given back and the newest one kept.
#include <gtest/gtest.h>

#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "private_bus.h"
#include "wayland/screen_cast_copy.h"

namespace yorvane {
namespace {

// Every step is answered at once; Start hands out the next token, and the
// PipeWire remote is not there, as on a desktop whose PipeWire has gone.
class FakeScreenCast : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.ScreenCast")

 public:
  QString nextToken;
  QStringList tokensGiven;  // the restore token of each SelectSources, "" for none

 public slots:
  QDBusObjectPath CreateSession(const QVariantMap& options) {
    return answer(options, {{QStringLiteral("session_handle"), QStringLiteral("/session/1")}});
  }
  QDBusObjectPath SelectSources(const QDBusObjectPath&, const QVariantMap& options) {
    tokensGiven << options.value(QStringLiteral("restore_token")).toString();
    return answer(options, {});
  }
  QDBusObjectPath Start(const QDBusObjectPath&, const QString&, const QVariantMap& options) {
    return answer(options, {{QStringLiteral("restore_token"), nextToken}});
  }

 private:
  QDBusObjectPath answer(const QVariantMap& options, const QVariantMap& results) {
    QString sender = message().service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                         QLatin1Char('/') +
                         options.value(QStringLiteral("handle_token")).toString();
    QDBusMessage response = QDBusMessage::createSignal(
        path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    response << uint{0} << results;
    connection().send(response);
    return QDBusObjectPath(path);
  }
};

class Screenshots : public ScreenSource {
 public:
  void copy(Image&, Done done) override { done(ScreenCopy::kCopied); }
};

TEST(ScreenCast, TheRestoreTokenTheDesktopGivesAtEachStartIsKeptForTheNext) {
  PrivateBus bus;
  if (!bus.running()) GTEST_SKIP() << "dbus-daemon is not available";
  FakeScreenCast portal;
  QDBusConnection service = bus.connect(QStringLiteral("portal"));
  ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                     QDBusConnection::ExportAllSlots));
  ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
  QTemporaryDir dir;
  const QString tokenFile = dir.filePath(QStringLiteral("cast-token"));
  const QString first = QStringLiteral("0d3c3f1e-8f7a-4a4e-9a57-2b2b8b1d7c11");
  const QString second = QStringLiteral("5f0e8c2a-1b6d-4c3e-8e2f-7a9d0c4b3e22");
  QFile stored(tokenFile);
  ASSERT_TRUE(stored.open(QIODevice::WriteOnly) && stored.write(first.toUtf8()) > 0);
  stored.close();

  // Each series of its own run of the program: a cast that came to nothing
  // is not asked for again in the same run.
  const auto seriesStarts = [&](const QString& given) {
    portal.nextToken = given;
    wayland::ScreenCastCopy cast(bus.connect(QStringLiteral("client")),
                                 std::make_shared<wayland::HideSettle>(),
                                 std::make_shared<const wayland::OutputLayout>(),
                                 std::make_unique<Screenshots>(), tokenFile);
    std::optional<SeriesCopies> copies;
    cast.startSeries([&](SeriesCopies c) { copies = c; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return copies.has_value(); }, 10000));
    EXPECT_EQ(copies, SeriesCopies::kNoScreenCast);
  };
  seriesStarts(second);
  seriesStarts({});
  seriesStarts(first);
  seriesStarts({});
  EXPECT_EQ(portal.tokensGiven.join(QLatin1Char(' ')),
            QStringList({first, second, second, first}).join(QLatin1Char(' ')));
  QDBusConnection::disconnectFromBus(QStringLiteral("client"));
  QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
}

}  // namespace
}  // namespace yorvane

#include "cast_test.moc"
