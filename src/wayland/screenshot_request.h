#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include "platform/platform.h"

class QEventLoop;

namespace yorvane::wayland {

// What one screenshot request came to: a picture file, or why there is none.
struct Answer {
  ScreenCopy failure = ScreenCopy::kFailed;
  QString path;   // the file the portal wrote, when failure is kCopied
  uint code = 2;  // the response code: 0 picture, 1 cancelled, 2 ended otherwise
};

// The path of the request object a portal makes for a request of this
// connection sent with handle_token: the caller's unique name without its ':'
// and with '_' for '.', then the token.
QString requestPath(const QDBusConnection& bus, const QString& token);

// Reads the arguments of a request's Response signal: code 0 with a local file
// is a picture; 1 (the user cancelled) and 2 (the desktop ended it otherwise,
// which is also how a stored "no" is answered) are refusals.
Answer readResponse(uint code, const QVariantMap& results);

// One org.freedesktop.portal.Screenshot.Screenshot call, not interactive, and
// the wait for its answer. The answer comes as a signal of a request object
// whose path follows from the caller's unique name and a token it chooses; the
// subscription is made before the call, so a fast answer cannot be missed.
// One object serves one request.
class ScreenshotRequest : public QObject {
  Q_OBJECT

 public:
  explicit ScreenshotRequest(QDBusConnection bus);

  // Sends the request on behalf of parentWindow ("x11:<id>" or empty) and waits
  // at most timeoutMs for the answer in a nested event loop: timers and
  // windows keep being served meanwhile, user input waits until it returns.
  Answer run(const QString& parentWindow, int timeoutMs);
 signals:
  // The answer has come, or the wait for it has timed out.
  void endedNow();

 private slots:
  void onResponse(uint code, const QVariantMap& results);

 private:
  bool subscribe(const QString& path);
  void unsubscribe();
  void finish(Answer answer);

  QDBusConnection bus_;
  QString subscribed_;
  Answer answer_;
  bool ended_ = false;
  QEventLoop* loop_ = nullptr;
};

}  // namespace yorvane::wayland
