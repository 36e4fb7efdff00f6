#pragma once

#include <QString>

namespace yorvane::wayland::portal {

// The desktop portal's bus name and object, and the interface of the request
// each of its calls answers through.
inline const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// An answer "cancelled" that comes sooner than this was given by no person:
// the portal failed (KDE's at times loses its picture on the way, and says
// so, 140-150 ms after the request on an idle machine, where its pictures
// folder is missing; without Plasma's dialogs it turns a screen cast down as
// fast). A question cannot be shown, read and answered this fast; the
// portal's own failure took over a second on a 2-core machine running two
// test runs at once.
inline constexpr int kFastestPersonMs = 2000;

}  // namespace yorvane::wayland::portal
