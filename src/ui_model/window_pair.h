#pragma once

#include "core/program_windows.h"
#include "ui_model/window.h"

namespace yorvane {

// The main window and the compact toolbar that can stand in for it. Captures
// hide both and afterwards show the one in use.
class WindowPair : public ProgramWindows {
 public:
  WindowPair(Window& main, Window& toolbar) : main_(main), toolbar_(toolbar) {}

  Window& main() { return main_; }
  Window& toolbar() { return toolbar_; }
  // True while the toolbar stands in for the main window.
  bool compact() const { return compact_; }
  void setCompact(bool compact) { compact_ = compact; }

  Window& window(Which which) { return which == Which::kMain ? main_ : toolbar_; }

  void hide(Which which) override { window(which).hide(); }
  void hideBoth() override {
    main_.hide();
    toolbar_.hide();
  }
  void showOneInUse() override { window(inUse()).show(); }
  Which inUse() const override { return compact_ ? Which::kToolbar : Which::kMain; }

 private:
  Window& main_;
  Window& toolbar_;
  bool compact_ = false;
};

}  // namespace yorvane
