#include "app/picker_window.h"

#include "ui_model/layout.h"

namespace yorvane {

void PickerWindow::open(bool showMainWindow) {
  Window& main = main_.window;
  const Size screen = screen_.screenSize();
  const auto sw = static_cast<float>(screen.width * kTwipsPerPixel);
  const auto sh = static_cast<float>(screen.height * kTwipsPerPixel);
  main.move(sw / 4, sh / 6);
  main.resize(sw / 2, sh / 2 + 400);
  if (showMainWindow) main.show();
  const float inner = main.scaleWidth();
  main_.snapshot.setGeometry({0, 0, inner, inner});
  main_.snapshot.setVisible(true);
  main_.selection.setVisible(false);
}

void PickerWindow::showSnapshot(const Image& screen, double scale) {
  main_.snapshot.picture().assignHalfSizeOf(screen);
  // Shown at half the screen's logical size, however many pixels it has.
  main_.snapshot.setPictureScale(scale);
  main_.snapshot.pictureChanged();
}

void PickerWindow::showWindows() {
  if (windows_.compact()) windows_.toolbar().show();
  main_.window.show();
}

void PickerWindow::showRectangle(const Rect& onSnapshot) {
  main_.selection.setGeometry(onSnapshot);
  main_.selection.setVisible(true);
}

void PickerWindow::close() {
  // The picker closes to the main window in partial mode.
  main_.window.resize(layout::main_window::kPartialWidth, layout::main_window::kHeight);
  main_.snapshot.setVisible(false);
  if (windows_.compact()) main_.window.hide();
}

}  // namespace yorvane
