#include "region/capture_mode.h"

namespace yorvane {

namespace {
// Twips.
constexpr float kToolsLeftFull = 4560;
constexpr float kToolsLeftPartial = 5640;
constexpr float kWidthFull = 5565;
constexpr float kWidthPartial = 6630;
constexpr float kHeight = 3315;
}  // namespace

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
  main_.toolsFrame.setLeft(partial ? kToolsLeftPartial : kToolsLeftFull);
  main_.window.resize(partial ? kWidthPartial : kWidthFull, kHeight);
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
