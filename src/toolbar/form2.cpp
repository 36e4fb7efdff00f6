#include "toolbar/form2.h"

#include <cmath>

#include "app/program.h"
#include "ui_model/runtime_error.h"

namespace yorvane {

namespace {
constexpr uint32_t kPink = 0xFF8080;
constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kGreen = 0x008000;
}  // namespace

Form2::Form2(Program& program)
    : window("Form2", "Form2", Unit::Twips),
      Picture1(window.add(nullptr, "Picture1", ControlKind::PictureBox, {0, 0, 1935, 375})),
      Command1(window.add(&Picture1, "Command1", ControlKind::CommandButton, {120, 0, 375, 375})),
      Command3(window.add(&Picture1, "Command3", ControlKind::CommandButton, {480, 0, 375, 375})),
      Check2(window.add(&Picture1, "Check2", ControlKind::CheckBox, {840, 0, 375, 375})),
      Command5(window.add(&Picture1, "Command5", ControlKind::CommandButton, {1200, 0, 375, 375})),
      Image2(window.add(&Picture1, "Image2", ControlKind::Image, {1560, 0, 195, 345})),
      program_(program),
      g_(program.globals) {
  window.setBordered(false);
  // Above the playing video, or the strip is of no use.
  window.setTopmost(true);
  window.move(4380, 1905);
  window.resize(1770, 375);
  Picture1.setTip("右ボタンで移動");
  Command1.setTip("ワンポイント録画します");
  Command1.setBackColor(kPink);
  Command3.setTip("連続録画開始");
  Command3.setBackColor(kMagenta);
  Check2.setTip("全面,部分切り替え");
  Check2.setArtwork("mode");
  Command5.setTip("コピー範囲選択フォーム表示");
  Command5.setArtwork("picker");
  Command5.setBackColor(kGreen);
  Command5.setEnabled(false);
  Image2.setTip("標準表示");
  Image2.setArtwork("standard");
  wireEvents();
}

void Form2::wireEvents() {
  Command1.onClick = [this] { Command1_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Check2.onClick = [this] { Check2_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Image2.onClick = [this] { Image2_Click(); };
  using Handler = void (Form2::*)(int16_t, int16_t, float, float);
  auto bind = [this](Handler h) {
    return [this, h](const MouseEvent& e) { (this->*h)(e.button, e.shift, e.x, e.y); };
  };
  window.onMouseDown = bind(&Form2::Form_MouseDown);
  window.onMouseMove = bind(&Form2::Form_MouseMove);
  Picture1.onMouseDown = bind(&Form2::Picture1_MouseDown);
  Picture1.onMouseMove = bind(&Form2::Picture1_MouseMove);
  Command1.onMouseDown = bind(&Form2::Command1_MouseDown);
  Command1.onMouseMove = bind(&Form2::Command1_MouseMove);
  Command3.onMouseDown = bind(&Form2::Command3_MouseDown);
  Command3.onMouseMove = bind(&Form2::Command3_MouseMove);
  Command5.onMouseDown = bind(&Form2::Command5_MouseDown);
  Command5.onMouseMove = bind(&Form2::Command5_MouseMove);
  Check2.onMouseDown = bind(&Form2::Check2_MouseDown);
  Check2.onMouseMove = bind(&Form2::Check2_MouseMove);
}

void Form2::Image2_Click() {
  Form1& form1 = program_.form1;
  window.hide();
  form1.window.show();
  g_.CompactView = kFalse;
  form1.window.move(window.geometry().left, window.geometry().top);
  const Size screen = program_.platform.screenSize();
  const auto rightmost = static_cast<float>(screen.width * kTwipsPerPixel - 5565);
  if (rightmost < form1.window.geometry().left) form1.window.setLeft(rightmost);
}

void Form2::Command1_Click() { program_.form1.startOneShot(); }

void Form2::Command3_Click() { program_.form1.startSeries(window); }

void Form2::Check2_Click() {
  Form1& form1 = program_.form1;
  const int16_t v = Check2.value();
  const bool partial = v == 1;
  form1.Command5.setEnabled(partial);
  Command5.setEnabled(partial);
  form1.Frame11.setEnabled(partial);
  g_.PartialMode = partial ? kTrue : kFalse;
  form1.Check2.setValue(v);
}

void Form2::Command5_Click() { program_.form1.openPicker(true); }

void Form2::recordPress(float X, float Y) {
  DragX = to16(std::llround(std::nearbyint(X)));
  DragY = to16(std::llround(std::nearbyint(Y)));
}

void Form2::drag(bool follows, float X, float Y) {
  if (!follows) return;
  const Rect& r = window.geometry();
  window.move(r.left + X - DragX, r.top + Y - DragY);
}

void Form2::Form_MouseDown(int16_t, int16_t, float X, float Y) { recordPress(X, Y); }
void Form2::Picture1_MouseDown(int16_t, int16_t, float X, float Y) { recordPress(X, Y); }
void Form2::Command1_MouseDown(int16_t, int16_t, float X, float Y) { recordPress(X, Y); }
void Form2::Command3_MouseDown(int16_t, int16_t, float X, float Y) { recordPress(X, Y); }
void Form2::Command5_MouseDown(int16_t, int16_t, float X, float Y) { recordPress(X, Y); }
void Form2::Check2_MouseDown(int16_t, int16_t, float X, float Y) { recordPress(X, Y); }

void Form2::Form_MouseMove(int16_t Button, int16_t, float X, float Y) {
  drag(Button == kRightButton, X, Y);
}
void Form2::Picture1_MouseMove(int16_t Button, int16_t, float X, float Y) {
  drag(Button == kLeftButton || Button == kRightButton, X, Y);
}
void Form2::Command1_MouseMove(int16_t Button, int16_t, float X, float Y) {
  drag(Button == kRightButton, X, Y);
}
void Form2::Command3_MouseMove(int16_t Button, int16_t, float X, float Y) {
  drag(Button == kRightButton, X, Y);
}
void Form2::Command5_MouseMove(int16_t Button, int16_t, float X, float Y) {
  drag(Button == kRightButton, X, Y);
}
void Form2::Check2_MouseMove(int16_t Button, int16_t, float X, float Y) {
  drag(Button == kRightButton, X, Y);
}

}  // namespace yorvane
