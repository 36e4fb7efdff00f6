#pragma once

#include <QString>

#include "ui_model/control.h"
#include "ui_model/window.h"

namespace yorvane {

// The object names accessibility tools know the windows and controls by: the
// names they had before the code named them by what they do
// (docs/controls.md). A window or control without one keeps its own name.
QString objectNameOf(const Window& window);
QString objectNameOf(const Control& control);

}  // namespace yorvane
