// The full/partial switch of the main window and the aspect-ratio choice.
#include "app/form1.h"
#include "app/program.h"

namespace yorvane {

void Form1::Check2_Click() {
  const int16_t v = Check2.value();
  const bool partial = v == 1;
  Command5.setEnabled(partial);
  program_.form2.Command5.setEnabled(partial);
  Frame11.setEnabled(partial);
  g_.PartialMode = partial ? kTrue : kFalse;
  Frame11.setVisible(partial);
  Frame6.setLeft(partial ? 5640 : 4560);
  window.resize(partial ? 6630 : 5565, 3315);
  // Runs the toolbar's handler only when this changes its box.
  program_.form2.Check2.setValue(v);
}

void Form1::Op3_Click(int16_t Index) {
  switch (Index) {
    case 0: g_.AspectMode = 0.75f; break;
    case 1: g_.AspectMode = 0.5625f; break;
    case 2: g_.AspectMode = 1.0f; break;
    case 3: g_.AspectMode = 0.0f; break;
    default: break;
  }
}

}  // namespace yorvane
