#include "platform/qt/window_view.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <cmath>

#include "platform/qt/mouse_events.h"

namespace yorvane {

namespace {
int twipsToPixels(float twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
float pixelsToTwips(int pixels) {
  return static_cast<float>(pixels * kTwipsPerPixel);
}
}  // namespace

WindowView::WindowView(Window& window, Dispatcher dispatch)
    : QWidget(nullptr), window_(window), dispatch_(std::move(dispatch)) {
  setObjectName(QString::fromStdString(window_.name()));
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
  sync();
}

WindowView::~WindowView() {
  if (window_.observer() == this) window_.setObserver(nullptr);
}

void WindowView::windowChanged(Window&) {
  sync();
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
  setWindowTitle(QString::fromStdString(window_.caption()));
  // Changing the flags of a shown window hides it; the visibility below
  // brings it back with the new flags.
  if (windowFlags() != wantedFlags()) setWindowFlags(wantedFlags());
  const Rect& g = window_.geometry();
  const QPoint pos(twipsToPixels(g.left), twipsToPixels(g.top));
  const QSize size(twipsToPixels(g.width), twipsToPixels(g.height));
  if (size != appliedSize_ || size != this->size()) {
    appliedSize_ = size;
    resize(size);
  }
  if (pos != appliedPos_ || pos != this->pos()) {
    appliedPos_ = pos;
    move(pos);
  }
  setVisible(window_.visible());
  applying_ = false;
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
  dispatch_([this] {
    window_.userMoved(pixelsToTwips(appliedPos_.x()), pixelsToTwips(appliedPos_.y()));
  });
}

void WindowView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (applying_ || !isVisible() || size() == appliedSize_) return;
  appliedSize_ = size();
  dispatch_([this] {
    window_.userResized(pixelsToTwips(appliedSize_.width()), pixelsToTwips(appliedSize_.height()));
  });
}

void WindowView::mousePressEvent(QMouseEvent* event) {
  if (!window_.onMouseDown) return;
  const MouseEvent me = toMouseEvent(*event, window_.innerUnit());
  dispatch_([this, me] { window_.onMouseDown(me); });
}

void WindowView::mouseMoveEvent(QMouseEvent* event) {
  if (!window_.onMouseMove) return;
  const MouseEvent me = toMouseEvent(*event, window_.innerUnit());
  dispatch_([this, me] { window_.onMouseMove(me); });
}

}  // namespace yorvane
