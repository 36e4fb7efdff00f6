#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/mouse_event.h"
#include "platform/geometry.h"
#include "platform/image.h"

namespace yorvane {

class Window;

enum class ControlKind {
  Frame,
  CommandButton,
  OptionButton,
  CheckBox,
  ListBox,
  Image,
  PictureBox,
  Shape
};
enum class Unit { Twips, Pixels };
// The state of a check box. The settings file keeps the end-sound box's as
// its number.
enum class CheckState : int16_t { kUnticked = 0, kTicked = 1, kGreyed = 2 };

// A control of a window: its properties and its event hooks. Setting a
// property notifies the window's observer, so a view can follow the state.
// Only what the user does runs the event hooks.
class Control {
 public:
  Control(Window& window, Control* container, std::string name, int index, ControlKind kind,
          Rect geometry);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Window& window() const { return window_; }
  Control* container() const { return container_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // element number of a control array, or -1
  std::string qualifiedName() const;    // "delayOptions(2)", "oneShotButton"
  ControlKind kind() const { return kind_; }

  // Geometry in the container's unit: twips, or pixels in a container that measures in pixels.
  const Rect& geometry() const { return geometry_; }
  void setGeometry(const Rect& r);
  void setLeft(float left);
  // Unit in which this control measures its own contents (containers).
  Unit innerUnit() const { return innerUnit_; }
  void setInnerUnit(Unit u) { innerUnit_ = u; }
  // Geometry converted to pixels of the window's client area.
  Rect geometryInWindowPixels() const;

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);
  const std::string& tip() const { return tip_; }
  void setTip(const std::string& tip);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  std::optional<uint32_t> backColor() const { return backColor_; }
  void setBackColor(uint32_t rgb);
  // Name of the artwork shown on a picture-style control; empty for none.
  const std::string& artwork() const { return artwork_; }
  void setArtwork(const std::string& name);
  int borderStyle() const { return borderStyle_; }
  void setBorderStyle(int style);

  // Check box.
  CheckState checkState() const { return checkState_; }
  bool ticked() const { return checkState_ == CheckState::kTicked; }
  void setCheckState(CheckState state);
  // Option button: selecting clears the other options of the container.
  bool selected() const { return selected_; }
  void select();

  // List box.
  const std::vector<std::string>& items() const { return items_; }
  void addItem(const std::string& text);
  int16_t listIndex() const { return listIndex_; }
  // -1 selects nothing; outside -1 .. count-1 is an invalid property value.
  void setListIndex(int16_t index);

  // Picture box: the persistent image.
  Image& picture() { return picture_; }
  const Image& picture() const { return picture_; }
  // Tells the view that the picture's pixels changed.
  void pictureChanged();
  // Picture pixels to a logical pixel of the screen, as the picture is shown;
  // 0 shows it one picture pixel to a device pixel.
  double pictureScale() const { return pictureScale_; }
  void setPictureScale(double scale) { pictureScale_ = scale; }

  // What the user does, as a view reports it: the state changes as the user
  // changed it, and onClick runs. A click on an option runs it even when the
  // option was selected already; choosing the list's item runs it only for
  // another item.
  void userClick();
  void userChooseItem(int16_t index);

  std::function<void()> onClick;
  std::function<void(const MouseEvent&)> onMouseDown;
  std::function<void(const MouseEvent&)> onMouseMove;
  std::function<void(const MouseEvent&)> onMouseUp;

 private:
  void changed();

  Window& window_;
  Control* container_;
  std::string name_;
  int index_;
  ControlKind kind_;
  Rect geometry_;
  Unit innerUnit_ = Unit::Twips;
  std::string caption_;
  std::string tip_;
  bool enabled_ = true;
  bool visible_ = true;
  std::optional<uint32_t> backColor_;
  std::string artwork_;
  int borderStyle_ = 1;
  CheckState checkState_ = CheckState::kUnticked;
  bool selected_ = false;
  std::vector<std::string> items_;
  int16_t listIndex_ = -1;
  Image picture_;
  double pictureScale_ = 0;
};

// The elements of a control array by element number; a missing element is an error.
class ControlArray {
 public:
  void add(Control& c) { elements_.push_back(&c); }
  Control& operator()(int index) const;
  const std::vector<Control*>& elements() const { return elements_; }

 private:
  std::vector<Control*> elements_;
};

}  // namespace yorvane
