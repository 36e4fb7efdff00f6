#pragma once

#include "ui_model/window.h"

namespace yorvane {

// The main window and the compact toolbar that can stand in for it. Captures
// hide both and afterwards show the one in use.
class WindowPair {
 public:
  WindowPair(Window& main, Window& toolbar) : main_(main), toolbar_(toolbar) {}

  Window& main() { return main_; }
  Window& toolbar() { return toolbar_; }
  // True while the toolbar stands in for the main window.
  bool compact() const { return compact_; }
  void setCompact(bool compact) { compact_ = compact; }

  void hideBoth() {
    main_.hide();
    toolbar_.hide();
  }
  void showOneInUse() {
    if (compact_) {
      toolbar_.show();
    } else {
      main_.show();
    }
  }

 private:
  Window& main_;
  Window& toolbar_;
  bool compact_ = false;
};

}  // namespace yorvane
