#include "app/capture_mode.h"

#include "ui_model/layout.h"

namespace yorvane {

namespace lm = layout::main_window;

CaptureMode::CaptureMode(const MainWindowParts& main, const ToolbarParts& toolbar,
                         RegionCapture& region)
    : main_(main), toolbar_(toolbar), region_(region) {}

void CaptureMode::mainBoxClicked() {
  show(main_.modeBox.checkState());
}

void CaptureMode::toolbarBoxClicked() {
  show(toolbar_.modeBox.checkState());
}

void CaptureMode::show(CheckState state) {
  const bool partial = state == CheckState::kTicked;
  main_.modeBox.setCheckState(state);
  toolbar_.modeBox.setCheckState(state);
  main_.pickerButton.setEnabled(partial);
  toolbar_.pickerButton.setEnabled(partial);
  main_.aspectFrame.setEnabled(partial);
  region_.setPartial(partial);
  main_.aspectFrame.setVisible(partial);
  main_.toolsFrame.setLeft(partial ? lm::kToolsLeftPartial : lm::kToolsLeftFull);
  main_.window.resize(partial ? lm::kPartialWidth : lm::kFullWidth, lm::kHeight);
}

}  // namespace yorvane
