#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "ui_model/control.h"

namespace yorvane {

// Follows the state of a window and its controls, for a view to render.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void windowChanged(Window& window) = 0;
  virtual void controlChanged(Control& control) = 0;
};

// A top-level window: outer geometry in screen twips and its controls. The
// client area is taken to be the outer size.
class Window {
 public:
  Window(std::string name, std::string caption, Unit innerUnit);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }

  const Rect& geometry() const { return geometry_; }  // twips
  void move(float left, float top);
  void resize(float width, float height);
  void setLeft(float left) { move(left, geometry_.top); }
  void setHeight(float height) { resize(geometry_.width, height); }
  // The client area in the window's inner unit.
  float scaleWidth() const;
  float scaleHeight() const;
  Unit innerUnit() const { return innerUnit_; }

  bool visible() const { return visible_; }
  void show();
  void hide();
  // Asks the desktop to raise the window and give it the focus.
  void bringToFront();
  // How many times that has been asked, for the view to follow.
  unsigned frontRequests() const { return frontRequests_; }
  bool topmost() const { return topmost_; }
  void setTopmost(bool topmost);
  bool bordered() const { return bordered_; }
  void setBordered(bool bordered);

  Control& add(Control* container, std::string name, int index, ControlKind kind, Rect geometry);
  Control& add(Control* container, std::string name, ControlKind kind, Rect geometry) {
    return add(container, std::move(name), -1, kind, geometry);
  }
  // By qualified name ("delayOptions(2)"); nullptr when there is none.
  Control* find(const std::string& qualifiedName) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  void setObserver(WindowObserver* observer) { observer_ = observer; }
  WindowObserver* observer() const { return observer_; }

  // The view reports a size change made by the user or the window manager.
  void userResized(float width, float height) { resize(width, height); }
  void userMoved(float left, float top) { move(left, top); }

  std::function<void()> onResize;
  std::function<void()> onUnload;
  std::function<void(const MouseEvent&)> onMouseDown;
  std::function<void(const MouseEvent&)> onMouseMove;

 private:
  void changed();

  std::string name_;
  std::string caption_;
  Unit innerUnit_;
  Rect geometry_;
  bool visible_ = false;
  bool topmost_ = false;
  bool bordered_ = true;
  unsigned frontRequests_ = 0;
  std::vector<std::unique_ptr<Control>> controls_;
  WindowObserver* observer_ = nullptr;
};

}  // namespace yorvane
