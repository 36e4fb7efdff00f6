#pragma once

#include <sys/prctl.h>

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

namespace yorvane {

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
    // A test that crashes takes its bus with it.
    daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
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

}  // namespace yorvane
