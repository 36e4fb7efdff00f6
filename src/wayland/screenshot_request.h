#pragma once

#include <QDBusConnection>
#include <QString>
#include <QVariantMap>
#include <functional>

#include "platform/platform.h"
#include "wayland/portal_request.h"

namespace yorvane::wayland {

// What one screenshot request came to: a picture file, or why there is none.
struct Answer {
  ScreenCopy failure = ScreenCopy::kFailed;
  QString path;   // the file the portal wrote, when failure is kCopied
  uint code = 2;  // the response code: 0 picture, 1 cancelled, 2 ended otherwise
};

// Reads a screenshot request's answer: code 0 with a local file is a picture;
// 1 (the user cancelled) and 2 (the desktop ended it otherwise, which is also
// how a stored "no" is answered) are refusals; a call the portal could not
// take says why; no answer in time is a failure.
Answer readAnswer(const PortalResponse& response);

// One org.freedesktop.portal.Screenshot.Screenshot call, not interactive, on
// behalf of parentWindow ("x11:<id>" or empty); done runs with its answer,
// from the event loop, after timeoutMs at the latest.
void requestScreenshot(const QDBusConnection& bus, const QString& parentWindow, int timeoutMs,
                       std::function<void(const Answer&)> done);

}  // namespace yorvane::wayland
