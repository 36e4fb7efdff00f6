#pragma once

#include <QMouseEvent>

#include "ui_model/control.h"

namespace yorvane {

// Sum of the buttons: 1 left, 2 right, 4 middle.
int16_t buttonMask(Qt::MouseButtons buttons);
// Sum of the keys: 1 Shift, 2 Ctrl, 4 Alt.
int16_t shiftMask(Qt::KeyboardModifiers modifiers);

// The model's view of a Qt mouse event: for a press or release the one button
// concerned, for a move every button held; the position in the units of the
// widget that received it (see unitsPerLogicalPixel), from its top-left corner.
MouseEvent toMouseEvent(const QMouseEvent& event, qreal unitsPerLogicalPixel);

}  // namespace yorvane
