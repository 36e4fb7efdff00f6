// The swap from the main window to the compact toolbar.
#include "app/form1.h"
#include "app/program.h"

namespace yorvane {

void Form1::Image2_Click() {
  Window& strip = program_.form2.window;
  strip.show();
  g_.CompactView = kTrue;
  window.hide();
  strip.move(window.geometry().left, window.geometry().top);
  if (strip.geometry().left < 0) strip.setLeft(0);
}

}  // namespace yorvane
