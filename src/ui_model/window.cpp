#include "ui_model/window.h"

namespace yorvane {

Window::Window(std::string name, std::string caption, Unit innerUnit)
    : name_(std::move(name)), caption_(std::move(caption)), innerUnit_(innerUnit) {}

void Window::changed() {
  if (observer_) observer_->windowChanged(*this);
}

void Window::move(float left, float top) {
  if (left == geometry_.left && top == geometry_.top) return;
  geometry_.left = left;
  geometry_.top = top;
  changed();
}

void Window::resize(float width, float height) {
  if (width == geometry_.width && height == geometry_.height) return;
  geometry_.width = width;
  geometry_.height = height;
  changed();
  if (onResize) onResize();
}

float Window::scaleWidth() const {
  return innerUnit_ == Unit::Pixels ? geometry_.width / kTwipsPerPixel : geometry_.width;
}

float Window::scaleHeight() const {
  return innerUnit_ == Unit::Pixels ? geometry_.height / kTwipsPerPixel : geometry_.height;
}

void Window::show() {
  if (visible_) return;
  visible_ = true;
  changed();
}

void Window::hide() {
  if (!visible_) return;
  visible_ = false;
  changed();
}

void Window::bringToFront() {
  ++frontRequests_;
  changed();
}

void Window::setTopmost(bool topmost) {
  topmost_ = topmost;
  changed();
}

void Window::setBordered(bool bordered) {
  bordered_ = bordered;
  changed();
}

Control& Window::add(Control* container, std::string name, int index, ControlKind kind,
                     Rect geometry) {
  controls_.push_back(
      std::make_unique<Control>(*this, container, std::move(name), index, kind, geometry));
  return *controls_.back();
}

Control* Window::find(const std::string& qualifiedName) const {
  for (const auto& c : controls_) {
    if (c->qualifiedName() == qualifiedName) return c.get();
  }
  return nullptr;
}

}  // namespace yorvane
