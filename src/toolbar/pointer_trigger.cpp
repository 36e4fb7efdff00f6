// The pointer-at-left-edge trigger.
#include "app/form1.h"
#include "app/program.h"

namespace yorvane {

namespace {
// Columns 0 to 4, and anything left of the primary screen, count as the edge.
constexpr int kEdgeWidth = 5;
}  // namespace

void Form1::Check3_Click() { Timer5->setEnabled(Check3.value() == 1); }

void Form1::Timer5_Timer() {
  // A poll whose read fails is skipped rather than taken for a pointer at the edge.
  const auto pointer = platform_.pointerPosition();
  if (pointer && pointer->x < kEdgeWidth) Command1_Click();
}

}  // namespace yorvane
