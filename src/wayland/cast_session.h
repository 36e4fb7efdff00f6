#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QRect>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

class QEventLoop;

namespace yorvane::wayland {

// A screen cast of one monitor, the pointer left out, through the desktop's
// org.freedesktop.portal.ScreenCast: a session, its source, the start (where
// the desktop may ask the user which monitor to share, on behalf of a parent
// window) and the PipeWire remote its frames come through. The choice is
// remembered by the desktop until the user takes it back: a restore token
// from an earlier start, given again, starts without a question.
class CastSession : public QObject {
  Q_OBJECT

 public:
  struct Started {
    uint code = 2;  // the start's response: 0 casting, 1 the user said no, 2 it cannot
    QString restoreToken;
    uint node = 0;        // the PipeWire node of the monitor's stream
    QRect area;           // the monitor on the desktop; empty where the portal does not say
    int pipewireFd = -1;  // the caller's to close, or to hand on
  };

  explicit CastSession(QDBusConnection bus);
  ~CastSession() override;
  CastSession(const CastSession&) = delete;
  CastSession& operator=(const CastSession&) = delete;

  // Starts the cast, waiting at most answerTimeoutMs for the desktop's answer
  // to the start (the user's, when it asks) in a nested event loop that
  // leaves user input waiting. restoreToken may be empty.
  Started start(const QString& parentWindow, const QString& restoreToken, int answerTimeoutMs);
  // Ends the cast, without waiting; its stream ends with it.
  void close();

 private slots:
  void onResponse(uint code, const QVariantMap& results);

 private:
  // The portal answers every call at once and the request later.
  static constexpr int kCallTimeoutMs = 20000;

  // One call answered through a request object: its response code, or 2
  // when the call fails or no answer comes in time.
  uint request(const QString& method, QVariantList arguments, QVariantMap options, int timeoutMs,
               QVariantMap& results);

  QDBusConnection bus_;
  QString session_;
  uint code_ = 2;
  QVariantMap results_;
  bool answered_ = false;
  QEventLoop* loop_ = nullptr;
};

}  // namespace yorvane::wayland
