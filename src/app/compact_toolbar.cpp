#include "app/compact_toolbar.h"

#include <cmath>

#include "core/runtime_error.h"
#include "ui_model/layout.h"

namespace yorvane {

CompactToolbar::CompactToolbar(Screen& screen, WindowPair& windows, ToolbarWindow& toolbar,
                               CaptureCommands& commands)
    : screen_(screen), windows_(windows), toolbar_(toolbar), commands_(commands) {
  wireEvents();
}

void CompactToolbar::wireEvents() {
  toolbar_.oneShotButton.onClick = [this] { commands_.startOneShot(); };
  toolbar_.seriesButton.onClick = [this] {
    commands_.startSeries(ProgramWindows::Which::kToolbar);
  };
  toolbar_.modeBox.onClick = [this] { commands_.toolbarModeBoxClicked(); };
  toolbar_.pickerButton.onClick = [this] { commands_.openPickerFromToolbar(); };
  toolbar_.standardViewButton.onClick = [this] { restoreMainWindow(); };

  // Every control drags the strip with the right button, the strip itself
  // with the left one too; the window follows the right button only.
  const auto press = [this](const MouseEvent& e) { recordPress(e); };
  const auto rightDrag = [this](const MouseEvent& e) { drag(e.button == kRightButton, e); };
  toolbar_.window.onMouseDown = press;
  toolbar_.window.onMouseMove = rightDrag;
  toolbar_.dragArea.onMouseDown = press;
  toolbar_.dragArea.onMouseMove = [this](const MouseEvent& e) {
    drag(e.button == kLeftButton || e.button == kRightButton, e);
  };
  for (Control* c : {&toolbar_.oneShotButton, &toolbar_.seriesButton, &toolbar_.pickerButton,
                     &toolbar_.modeBox}) {
    c->onMouseDown = press;
    c->onMouseMove = rightDrag;
  }
}

void CompactToolbar::replaceMainWindow() {
  Window& strip = toolbar_.window;
  const Window& main = windows_.main();
  strip.show();
  windows_.setCompact(true);
  windows_.main().hide();
  strip.move(main.geometry().left, main.geometry().top);
  if (strip.geometry().left < 0) strip.setLeft(0);
}

void CompactToolbar::restoreMainWindow() {
  Window& strip = toolbar_.window;
  Window& main = windows_.main();
  strip.hide();
  main.show();
  windows_.setCompact(false);
  main.move(strip.geometry().left, strip.geometry().top);
  const Size screen = screen_.screenSize();
  // Kept off the right edge by the main window's full-screen width.
  const auto rightmost =
      static_cast<float>(screen.width * kTwipsPerPixel) - layout::main_window::kFullWidth;
  if (rightmost < main.geometry().left) main.setLeft(rightmost);
}

void CompactToolbar::recordPress(const MouseEvent& e) {
  pressX_ = to16(std::llround(std::nearbyint(e.x)));
  pressY_ = to16(std::llround(std::nearbyint(e.y)));
}

void CompactToolbar::drag(bool follows, const MouseEvent& e) {
  if (!follows) return;
  const Rect& r = toolbar_.window.geometry();
  toolbar_.window.move(r.left + e.x - pressX_, r.top + e.y - pressY_);
}

}  // namespace yorvane
