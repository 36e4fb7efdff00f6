// A series of pictures: its start, lead-in, ticks, end, count and interval.
#include "app/form1.h"
#include "app/program.h"
#include "ui_model/runtime_error.h"

namespace yorvane {

namespace {
constexpr const char* kEndSound = "録画が、終りました.wav";
}

void Form1::Command3_Click() { startSeries(window); }

void Form1::startSeries(Window& pressed) {
  if (!regionPictureWaiting_) Pic3.clearPicture();
  if (g_.PartialMode == kTrue && !regionUsable()) {
    refuseMissingRegion(*Timer1a);
    return;
  }
  pressed.hide();
  if (g_.PartialMode == kFalse) {
    Timer3->setEnabled(true);
  } else {
    Timer2a->setEnabled(true);
  }
}

void Form1::Timer3_Timer() {
  LeadInTicks = checkedAdd(LeadInTicks, 1);
  if (LeadInTicks > 2) {
    Timer2->setEnabled(true);
    Timer3->setEnabled(false);
    LeadInTicks = 0;
  }
}

void Form1::Timer2_Timer() {
  Rokuga();
  endSeriesWhenComplete(*Timer2);
}

void Form1::Timer2a_Timer() {
  Roku2();
  endSeriesWhenComplete(*Timer2a);
}

void Form1::endSeriesWhenComplete(Timer& timer) {
  if (FramesTaken < FrameTarget) return;
  timer.setEnabled(false);
  showWindowInUse();
  FramesTaken = 0;
  Command7.setCaption(numberText(FileNumber));
  if (Check1.value() == 1) {
    platform_.openWithAssociatedProgram(platform_.findResource(kEndSound));
    platform_.doEvents();
  }
}

void Form1::Option2_Click(int16_t Index) {
  static constexpr int kIntervals[] = {500, 1000, 1500, 2000};
  if (Index >= 0 && Index <= 3) Timer2->setInterval(kIntervals[Index]);
  IntervalChoice = std::to_string(Index);
}

void Form1::List1_Click() { FrameTarget = to16(List1.listIndex() * 5LL); }

}  // namespace yorvane
