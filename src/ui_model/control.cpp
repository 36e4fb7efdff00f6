#include "ui_model/control.h"

#include "core/runtime_error.h"
#include "ui_model/window.h"

namespace yorvane {

namespace {
float toPixels(float v, Unit unit) {
  return unit == Unit::Twips ? v / kTwipsPerPixel : v;
}
}  // namespace

Control::Control(Window& window, Control* container, std::string name, int index, ControlKind kind,
                 Rect geometry)
    : window_(window),
      container_(container),
      name_(std::move(name)),
      index_(index),
      kind_(kind),
      geometry_(geometry) {}

std::string Control::qualifiedName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::changed() {
  if (auto* o = window_.observer()) o->controlChanged(*this);
}

void Control::setGeometry(const Rect& r) {
  if (r == geometry_) return;
  geometry_ = r;
  changed();
}

void Control::setLeft(float left) {
  setGeometry({left, geometry_.top, geometry_.width, geometry_.height});
}

Rect Control::geometryInWindowPixels() const {
  const Unit unit = container_ ? container_->innerUnit() : window_.innerUnit();
  Rect r{toPixels(geometry_.left, unit), toPixels(geometry_.top, unit),
         toPixels(geometry_.width, unit), toPixels(geometry_.height, unit)};
  if (container_) {
    const Rect c = container_->geometryInWindowPixels();
    r.left += c.left;
    r.top += c.top;
  }
  return r;
}

void Control::setCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  changed();
}

void Control::setTip(const std::string& tip) {
  tip_ = tip;
  changed();
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed();
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed();
}

void Control::setBackColor(uint32_t rgb) {
  backColor_ = rgb;
  changed();
}

void Control::setArtwork(const std::string& name) {
  artwork_ = name;
  changed();
}

void Control::setBorderStyle(int style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  changed();
}

void Control::select() {
  for (const auto& other : window_.controls()) {
    if (other.get() != this && other->kind_ == ControlKind::OptionButton &&
        other->container_ == container_ && other->selected_) {
      other->selected_ = false;
      other->changed();
    }
  }
  selected_ = true;
  changed();
}

void Control::setCheckState(CheckState state) {
  if (state == checkState_) return;
  checkState_ = state;
  changed();
}

void Control::addItem(const std::string& text) {
  items_.push_back(text);
  changed();
}

void Control::setListIndex(int16_t index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) throw errors::invalidPropertyValue();
  if (index == listIndex_) return;
  listIndex_ = index;
  changed();
}

void Control::pictureChanged() {
  changed();
}

void Control::userClick() {
  if (!enabled_) return;
  if (kind_ == ControlKind::CheckBox) {
    setCheckState(ticked() ? CheckState::kUnticked : CheckState::kTicked);
  } else if (kind_ == ControlKind::OptionButton) {
    select();
  }
  if (onClick) onClick();
}

void Control::userChooseItem(int16_t index) {
  if (index == listIndex_) return;
  setListIndex(index);
  if (onClick) onClick();
}

Control& ControlArray::operator()(int index) const {
  for (Control* c : elements_) {
    if (c->index() == index) return *c;
  }
  throw errors::noSuchControlArrayElement();
}

}  // namespace yorvane
