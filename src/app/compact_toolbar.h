#pragma once

#include <cstdint>

#include "app/toolbar_window.h"
#include "platform/screen.h"
#include "toolbar/capture_commands.h"
#include "ui_model/window_pair.h"

namespace yorvane {

// The compact toolbar in use: the swap between it and the main window, its
// buttons, and dragging the strip by any of its controls.
class CompactToolbar {
 public:
  CompactToolbar(Screen& screen, WindowPair& windows, ToolbarWindow& toolbar,
                 CaptureCommands& commands);

  // The main window's compact-view button: the strip takes the main window's place.
  void replaceMainWindow();
  // The strip's own button: the main window comes back where the strip is.
  void restoreMainWindow();

 private:
  void wireEvents();
  void recordPress(const MouseEvent& e);
  void drag(bool follows, const MouseEvent& e);

  Screen& screen_;
  WindowPair& windows_;
  ToolbarWindow& toolbar_;
  CaptureCommands& commands_;
  // Where inside the pressed control the last press was, in whole twips.
  int16_t pressX_ = 0;
  int16_t pressY_ = 0;
};

}  // namespace yorvane
