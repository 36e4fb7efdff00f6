#include "wayland/capture_gate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace yorvane::wayland {

CaptureGate::CaptureGate() {
  QCoreApplication::instance()->installEventFilter(this);
}

bool CaptureGate::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    sinceHide_.start();
  }
  return false;
}

bool CaptureGate::enter(IfBusy ifBusy) {
  // Each wait runs handlers that may enter meanwhile: look again after it.
  for (;;) {
    if (open_) {
      if (ifBusy == IfBusy::kSkip) return false;
      // Bounded: every request leaves at its answer or at its own time limit.
      QEventLoop loop;
      connect(this, &CaptureGate::left, &loop, &QEventLoop::quit);
      loop.exec(QEventLoop::ExcludeUserInputEvents);
    } else if (sinceHide_.isValid() && sinceHide_.elapsed() < kSettleMs) {
      QEventLoop loop;
      QTimer::singleShot(kSettleMs - static_cast<int>(sinceHide_.elapsed()), &loop,
                         &QEventLoop::quit);
      loop.exec(QEventLoop::ExcludeUserInputEvents);
    } else {
      open_ = true;
      return true;
    }
  }
}

void CaptureGate::leave() {
  if (!open_) return;
  open_ = false;
  emit left();
}

}  // namespace yorvane::wayland
