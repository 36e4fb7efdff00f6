#pragma once

#include <QString>

namespace yorvane::wayland::portal {

// The desktop portal's bus name and object, and the interface of the request
// each of its calls answers through.
inline const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

}  // namespace yorvane::wayland::portal
