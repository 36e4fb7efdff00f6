#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QRect>
#include <QString>
#include <QVariantMap>
#include <functional>

#include "wayland/portal_request.h"

namespace yorvane::wayland {

// A screen cast of one monitor, the pointer left out, through the desktop's
// org.freedesktop.portal.ScreenCast: a session, its source, the start (where
// the desktop may ask the user which monitor to share, on behalf of a parent
// window) and the PipeWire remote its frames come through. The choice is
// remembered by the desktop until the user takes it back: a restore token
// from an earlier start, given again, starts without a question.
class CastSession : public QObject {
 public:
  struct Started {
    uint code = 2;  // the start's response: 0 casting, 1 the user said no, 2 it cannot
    QString restoreToken;
    uint node = 0;        // the PipeWire node of the monitor's stream
    QRect area;           // the monitor on the desktop; empty where the portal does not say
    int pipewireFd = -1;  // the caller's to close, or to hand on
  };
  using Done = std::function<void(const Started&)>;

  explicit CastSession(QDBusConnection bus);
  ~CastSession() override;
  CastSession(const CastSession&) = delete;
  CastSession& operator=(const CastSession&) = delete;

  // Starts the cast; done runs, from the event loop, once it casts or has
  // come to nothing, after at most answerTimeoutMs for the desktop's answer to
  // the start (the user's, when it asks). restoreToken may be empty. Ending
  // the session before drops done.
  void start(const QString& parentWindow, const QString& restoreToken, int answerTimeoutMs,
             Done done);
  // Ends the cast, without waiting; its stream ends with it.
  void close();

 private:
  // The portal answers every call at once and the request later.
  static constexpr int kCallTimeoutMs = 20000;

  // One step's call to the ScreenCast interface, answered through a request
  // object; then runs with the results where the step succeeded, else ends
  // the start with the step's code.
  void step(const QString& method, QVariantList arguments, QVariantMap options, int timeoutMs,
            std::function<void(const QVariantMap&)> then);
  void openRemote();
  void end(uint code);

  QDBusConnection bus_;
  QString session_;
  QString parentWindow_;
  Started started_;
  Done done_;
  // Set while a start runs; an answer that comes after the session's end finds it gone.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace yorvane::wayland
