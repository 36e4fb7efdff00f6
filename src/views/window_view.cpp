#include "views/window_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <cmath>

#include "launch/translation.h"
#include "views/mouse_events.h"
#include "views/object_names.h"
#include "views/screen_units.h"

namespace yorvane {

WindowView::WindowView(Window& window, Dispatcher dispatch)
    : QWidget(nullptr), window_(window), dispatch_(std::move(dispatch)) {
  setObjectName(objectNameOf(window_));
  if (window_.onMouseMove) setMouseTracking(true);
  // Containers come before what they hold, so each parent widget exists.
  for (const auto& c : window_.controls()) {
    QWidget* parent = this;
    if (const Control* container = c->container()) parent = controls_.at(container)->widget();
    auto view = std::make_unique<ControlView>(*c, parent, dispatch_);
    // Frames lie beneath the other controls of their container, so an empty
    // frame laid over a check box can neither hide it nor take its clicks.
    if (c->kind() == ControlKind::Frame) view->widget()->lower();
    controls_.emplace(c.get(), std::move(view));
  }
  window_.setObserver(this);
  connect(qApp, &QGuiApplication::primaryScreenChanged, this, &WindowView::followPrimaryScreen);
  followPrimaryScreen(QGuiApplication::primaryScreen());
  sync();
}

WindowView::~WindowView() {
  if (window_.observer() == this) window_.setObserver(nullptr);
}

void WindowView::windowChanged(Window&) {
  sync();
}

void WindowView::followPrimaryScreen(QScreen* screen) {
  disconnect(primaryGeometry_);
  if (screen) {
    primaryGeometry_ =
        connect(screen, &QScreen::geometryChanged, this, &WindowView::keepPlaceOnDesktop);
  }
  keepPlaceOnDesktop();
}

void WindowView::keepPlaceOnDesktop() {
  // The model counts from the primary screen's corner; when that corner moves,
  // the window stays where it is on the desktop.
  if (appliedSize_.isEmpty()) return;  // not placed yet
  const Point twips = windowPositionInTwips(appliedPos_);
  dispatch_([this, twips] {
    window_.userMoved(static_cast<float>(twips.x), static_cast<float>(twips.y));
  });
}

void WindowView::controlChanged(Control& control) {
  const auto it = controls_.find(&control);
  if (it != controls_.end()) it->second->sync();
}

Qt::WindowFlags WindowView::wantedFlags() const {
  Qt::WindowFlags flags = Qt::Window;
  if (!window_.bordered()) flags |= Qt::FramelessWindowHint;
  if (window_.topmost()) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

void WindowView::sync() {
  applying_ = true;
  setWindowTitle(translated(QString::fromStdString(window_.caption())));
  // Compared with what was asked for, not with windowFlags(): Qt adds hints
  // of its own to a bordered window, and setting the flags again unmaps and
  // maps it, which under a window manager cancels a drag and loses the
  // stay-on-top state. Changing the flags of a shown window hides it; the
  // visibility below brings it back with the new flags.
  const Qt::WindowFlags flags = wantedFlags();
  if (flags != appliedFlags_) {
    appliedFlags_ = flags;
    setWindowFlags(flags);
  }
  const QRect wanted = windowRectOnDesktop(window_.geometry());
  const QPoint pos = wanted.topLeft();
  const QSize size = wanted.size();
  if (size != appliedSize_ || size != this->size()) {
    appliedSize_ = size;
    resize(size);
  }
  if (pos != appliedPos_ || pos != this->pos()) {
    appliedPos_ = pos;
    move(pos);
  }
  if (!window_.visible()) {
    setVisible(false);
  } else if ((!isVisible() || frontRequests_ != window_.frontRequests()) && !showPending_) {
    // Shown once the running handler is done with the window, so that the
    // window manager maps it at its final size and place. A window mapped
    // first and resized at once is reported back at its first size by some
    // managers, after the resize.
    showPending_ = true;
    QMetaObject::invokeMethod(this, &WindowView::showIfWanted, Qt::QueuedConnection);
  }
  applying_ = false;
}

void WindowView::showIfWanted() {
  showPending_ = false;
  if (window_.visible() && !isVisible()) {
    applying_ = true;
    setVisible(true);
    applying_ = false;
  }
  if (window_.visible() && frontRequests_ != window_.frontRequests()) {
    frontRequests_ = window_.frontRequests();
    raise();
    activateWindow();
  }
}

void WindowView::closeEvent(QCloseEvent* event) {
  // Closing cannot be refused; the unload handler ends the program.
  event->ignore();
  dispatch_([this] {
    if (window_.onUnload) window_.onUnload();
  });
}

void WindowView::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (applying_ || !isVisible() || pos() == appliedPos_) return;
  appliedPos_ = pos();
  const Point twips = windowPositionInTwips(appliedPos_);
  dispatch_([this, twips] {
    window_.userMoved(static_cast<float>(twips.x), static_cast<float>(twips.y));
  });
}

void WindowView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (applying_ || !isVisible() || size() == appliedSize_) return;
  appliedSize_ = size();
  const Size twips = windowSizeInTwips(appliedSize_);
  dispatch_([this, twips] {
    window_.userResized(static_cast<float>(twips.width), static_cast<float>(twips.height));
  });
}

void WindowView::mousePressEvent(QMouseEvent* event) {
  if (!window_.onMouseDown) return;
  const MouseEvent me = toMouseEvent(*event, unitsPerLogicalPixel(window_.innerUnit()));
  dispatch_([this, me] { window_.onMouseDown(me); });
}

void WindowView::mouseMoveEvent(QMouseEvent* event) {
  if (!window_.onMouseMove) return;
  const MouseEvent me = toMouseEvent(*event, unitsPerLogicalPixel(window_.innerUnit()));
  dispatch_([this, me] { window_.onMouseMove(me); });
}

}  // namespace yorvane
