#include "app/capture_mode.h"

#include "ui_model/layout.h"

namespace yorvane {

namespace lm = layout::main_window;

CaptureMode::CaptureMode(const MainWindowParts& main, const ToolbarParts& toolbar,
                         RegionCapture& region)
    : main_(main), toolbar_(toolbar), region_(region) {}

void CaptureMode::applyToBothWindows(bool partial) {
  main_.pickerButton.setEnabled(partial);
  toolbar_.pickerButton.setEnabled(partial);
  main_.aspectFrame.setEnabled(partial);
  region_.setPartial(partial);
}

void CaptureMode::mainBoxClicked() {
  const CheckState state = main_.modeBox.checkState();
  const bool partial = state == CheckState::kTicked;
  applyToBothWindows(partial);
  main_.aspectFrame.setVisible(partial);
  main_.toolsFrame.setLeft(partial ? lm::kToolsLeftPartial : lm::kToolsLeftFull);
  main_.window.resize(partial ? lm::kPartialWidth : lm::kFullWidth, lm::kHeight);
  // Runs toolbarBoxClicked only when this changes the toolbar's box.
  toolbar_.modeBox.setCheckState(state);
}

void CaptureMode::toolbarBoxClicked() {
  const CheckState state = toolbar_.modeBox.checkState();
  const bool partial = state == CheckState::kTicked;
  applyToBothWindows(partial);
  // The main window's box does the rest, when this changes it.
  main_.modeBox.setCheckState(state);
}

}  // namespace yorvane
