#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <functional>

namespace yorvane::wayland {

// What a portal call answered through a request object came to.
struct PortalResponse {
  // The response code: 0 done, 1 the user cancelled, 2 the desktop ended it
  // otherwise (also how a stored "no" is answered); 2 as well where the call
  // failed or no answer came in time.
  uint code = 2;
  QVariantMap results;
  QDBusError callError;   // set where the call itself failed
  bool timedOut = false;  // no answer came in time
};

// One call to the desktop portal whose answer comes as the Response signal of
// a request object: the object's path follows from the caller's unique name
// and a token the call names, so the signal is subscribed before the call and
// a fast answer cannot be missed. done runs once, from the event loop, with
// the answer, the call's error, or code 2 after timeoutMs (the portal is then
// asked to drop the request). The object deletes itself after done.
class PortalRequest : public QObject {
  Q_OBJECT

 public:
  using Done = std::function<void(const PortalResponse&)>;

  // call is the portal method's call without its options; options get the token.
  static void send(const QDBusConnection& bus, QDBusMessage call, QVariantMap options,
                   int timeoutMs, Done done);

 private slots:
  void onResponse(uint code, const QVariantMap& results);

 private:
  PortalRequest(const QDBusConnection& bus, Done done);
  void start(QDBusMessage call, QVariantMap options, int timeoutMs);
  bool subscribe(const QString& path);
  void unsubscribe();
  void finish(const PortalResponse& response);

  QDBusConnection bus_;
  Done done_;
  QString subscribed_;
  QTimer deadline_;
};

// A token no other request or session of this program's connections has.
QString nextPortalToken();

// The path of the request object a portal makes for a request of this
// connection sent with handle_token: the caller's unique name without its ':'
// and with '_' for '.', then the token.
QString requestPath(const QDBusConnection& bus, const QString& token);

}  // namespace yorvane::wayland
