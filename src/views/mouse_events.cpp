#include "views/mouse_events.h"

namespace yorvane {

int16_t buttonMask(Qt::MouseButtons buttons) {
  int16_t mask = 0;
  if (buttons & Qt::LeftButton) mask |= kLeftButton;
  if (buttons & Qt::RightButton) mask |= kRightButton;
  if (buttons & Qt::MiddleButton) mask |= kMiddleButton;
  return mask;
}

int16_t shiftMask(Qt::KeyboardModifiers modifiers) {
  int16_t mask = 0;
  if (modifiers & Qt::ShiftModifier) mask |= 1;
  if (modifiers & Qt::ControlModifier) mask |= 2;
  if (modifiers & Qt::AltModifier) mask |= 4;
  return mask;
}

MouseEvent toMouseEvent(const QMouseEvent& event, qreal unitsPerLogicalPixel) {
  const bool move = event.type() == QEvent::MouseMove;
  const auto scale = static_cast<float>(unitsPerLogicalPixel);
  const QPointF pos = event.position();
  return MouseEvent{buttonMask(move ? event.buttons() : Qt::MouseButtons(event.button())),
                    shiftMask(event.modifiers()), static_cast<float>(pos.x()) * scale,
                    static_cast<float>(pos.y()) * scale};
}

}  // namespace yorvane
