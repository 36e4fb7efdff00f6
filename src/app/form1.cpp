#include "app/form1.h"

#include "app/program.h"

namespace yorvane {

namespace {
constexpr uint32_t kGreen = 0x008000;
}

Control& Form1::add(Control* container, const char* name, ControlKind kind, Rect twips,
                    int index) {
  // Form1 and Pic2 measure their contents in pixels, frames in twips.
  const Unit unit = container ? container->innerUnit() : window.innerUnit();
  if (unit == Unit::Pixels) {
    twips = {twips.left / kTwipsPerPixel, twips.top / kTwipsPerPixel,
             twips.width / kTwipsPerPixel, twips.height / kTwipsPerPixel};
  }
  Control& c = window.add(container, name, index, kind, twips);
  if (kind == ControlKind::PictureBox) c.setInnerUnit(Unit::Pixels);
  return c;
}

Form1::Form1(Program& program)
    : window("Form1", "Yorvane", Unit::Pixels),
      Frame1(add(nullptr, "Frame1", ControlKind::Frame, {0, 0, 6915, 3495})),
      Frame3(add(&Frame1, "Frame3", ControlKind::Frame, {0, 0, 1695, 2655})),
      Command1(add(&Frame3, "Command1", ControlKind::CommandButton, {240, 360, 1095, 375})),
      Frame2(add(&Frame3, "Frame2", ControlKind::Frame, {240, 840, 1335, 1575})),
      Frame4(add(&Frame1, "Frame4", ControlKind::Frame, {1800, 0, 2655, 2655})),
      Command3(add(&Frame4, "Command3", ControlKind::CommandButton, {120, 360, 855, 375})),
      List1(add(&Frame4, "List1", ControlKind::ListBox, {240, 1200, 735, 1290})),
      Image3(add(&Frame4, "Image3", ControlKind::Image, {240, 960, 660, 240})),
      Frame5(add(&Frame4, "Frame5", ControlKind::Frame, {1320, 360, 1215, 2055})),
      Frame11(add(&Frame1, "Frame11", ControlKind::Frame, {4560, 0, 975, 2055})),
      Frame6(add(&Frame1, "Frame6", ControlKind::Frame, {5640, 0, 855, 2055})),
      Check3(add(&Frame6, "Check3", ControlKind::CheckBox, {480, 240, 255, 375})),
      Command7(add(&Frame6, "Command7", ControlKind::CommandButton, {120, 720, 615, 375})),
      Check2(add(&Frame6, "Check2", ControlKind::CheckBox, {120, 1200, 615, 375})),
      Command5(add(&Frame6, "Command5", ControlKind::CommandButton, {120, 1560, 615, 375})),
      Image2(add(&Frame6, "Image2", ControlKind::Image, {120, 240, 195, 345})),
      Check1(add(&Frame1, "Check1", ControlKind::CheckBox, {3360, 2280, 1635, 200})),
      Check4(add(&Frame1, "Check4", ControlKind::CheckBox, {3360, 2520, 2235, 200})),
      Frame10(add(&Frame1, "Frame10", ControlKind::Frame, {3800, 2280, 1695, 375})),
      Pic2(add(nullptr, "Pic2", ControlKind::PictureBox, {480, 3000, 7935, 4095})),
      Sha1(add(&Pic2, "Sha1", ControlKind::Shape, {840, 720, 1335, 855})),
      Pic3(add(nullptr, "Pic3", ControlKind::PictureBox, {10800, 7680, 1215, 1095})),
      program_(program),
      platform_(program.platform),
      g_(program.globals) {
  const Size screen = platform_.screenSize();
  window.resize(6570, 6195);
  window.move(static_cast<float>(screen.width * kTwipsPerPixel - 5565) / 2,
              static_cast<float>(screen.height * kTwipsPerPixel - 3315) / 2);

  Frame1.setCaption("");
  Frame3.setCaption("手動");
  Command1.setTip("ワンポイント録画します");
  Command1.setArtwork("oneshot");
  Frame2.setCaption("遅れ時間");
  Frame2.setTip("失敗する場合遅れ時間を大きくする");
  addOptions(Frame2, "Option1", Option1,
             {{1, {240, 240, 735, 375}, "0.2", "録画ボタンクイック後0.2秒後録画"},
              {2, {240, 600, 735, 375}, "0.4", "画ボタンクイック後0.4秒後録画"},
              {4, {240, 960, 735, 375}, "0.8", "画ボタンクイック後0.8秒後録画"}});

  Frame4.setCaption("自動");
  Command3.setTip("連続録画開始");
  Command3.setArtwork("series");
  List1.setTip("録画枚数を指定");
  Image3.setTip("録画枚数を指定");
  Image3.setArtwork("count");
  Frame5.setCaption("録画間隔");
  Frame5.setTip("録画間隔を指定します");
  addOptions(Frame5, "Option2", Option2,
             {{0, {360, 360, 615, 375}, "0.5", "録画間隔を指定します"},
              {1, {360, 720, 615, 375}, "1.0", "録画間隔を指定します"},
              {2, {360, 1080, 615, 375}, "1.5", "録画間隔　0.8秒"},
              {3, {360, 1440, 615, 375}, "2.0", "録画間隔を指定します"}});

  Frame11.setCaption("縦横比");
  addOptions(Frame11, "Op3", Op3,
             {{0, {120, 360, 615, 255}, "4:3", ""},
              {1, {120, 720, 615, 255}, "16:9", ""},
              {2, {120, 1080, 615, 255}, "1:1", ""},
              {3, {120, 1440, 735, 255}, "任意", ""}});

  Frame6.setCaption("");
  Check3.setTip("マウスポイント位置を検索して、録画ボタンを押します");
  Command7.setCaption("O");
  Command7.setTip("ファイル名初期化");
  Check2.setTip("全面,部分切り替え");
  Check2.setArtwork("mode");
  Command5.setTip("コピー範囲選択フォーム表示");
  Command5.setArtwork("picker");
  Command5.setBackColor(kGreen);
  Image2.setTip("コンパクト表示");
  Image2.setArtwork("compact");
  Check1.setCaption("録音終ば知せる");
  Check4.setCaption("保存音を有効にする");
  Frame10.setCaption("");

  Pic3.picture().resize(static_cast<int>(Pic3.geometry().width),
                        static_cast<int>(Pic3.geometry().height));
  Pic3.clearPicture();

  // The little frames beyond the panel that held the timers at design time.
  struct HiddenFrame {
    const char* name;
    const char* caption;
  };
  float hiddenLeft = 7200;
  for (const HiddenFrame& h : {HiddenFrame{"Frame13", "2a"}, HiddenFrame{"Frame12", "6 連続3秒"},
                               HiddenFrame{"Frame9", "5"}, HiddenFrame{"Frame8", "縮小4"},
                               HiddenFrame{"Frame7", "7"}}) {
    Control& f = add(nullptr, h.name, ControlKind::Frame, {hiddenLeft, 0, 615, 615});
    f.setCaption(h.caption);
    f.setVisible(false);
    hiddenLeft += 700;
  }

  // The state at creation.
  Option1(2).setValue(-1);
  Option2(2).setValue(-1);
  Op3(3).setValue(-1);
  Check1.setValue(1);
  Check4.setValue(1);
  Command5.setEnabled(false);
  Frame11.setEnabled(false);
  Pic2.setVisible(false);
  Sha1.setVisible(false);
  Pic3.setVisible(false);

  Timer1 = makeTimer("Timer1", 100, &Form1::Timer1_Timer);
  Timer1a = makeTimer("Timer1a", 100, &Form1::Timer1a_Timer);
  Timer2 = makeTimer("Timer2", 800, &Form1::Timer2_Timer);
  Timer2a = makeTimer("Timer2a", 800, &Form1::Timer2a_Timer);
  Timer3 = makeTimer("Timer3", 900, &Form1::Timer3_Timer);
  Timer3a = makeTimer("Timer3a", 900, nullptr);
  Timer4 = makeTimer("Timer4", 100, &Form1::Timer4_Timer);
  Timer5 = makeTimer("Timer5", 100, &Form1::Timer5_Timer);

  // Events are connected last, so setting up the initial state runs no handler.
  wireEvents();
}

void Form1::addOptions(Control& frame, const char* name, ControlArray& array,
                       std::initializer_list<OptionSpec> options) {
  for (const OptionSpec& entry : options) {
    Control& o = add(&frame, name, ControlKind::OptionButton, entry.twips, entry.index);
    o.setCaption(entry.caption);
    o.setTip(entry.tip);
    array.add(o);
  }
}

std::unique_ptr<Timer> Form1::makeTimer(const char* name, int intervalMs,
                                        void (Form1::*tick)()) {
  return platform_.createTimer(name, intervalMs, [this, tick] {
    if (tick) program_.dispatch([this, tick] { (this->*tick)(); });
  });
}

void Form1::wireEvents() {
  Command1.onClick = [this] { Command1_Click(); };
  for (Control* o : Option1.elements()) {
    o->onClick = [this, o] { Option1_Click(static_cast<int16_t>(o->index())); };
  }
  Command3.onClick = [this] { Command3_Click(); };
  List1.onClick = [this] { List1_Click(); };
  for (Control* o : Option2.elements()) {
    o->onClick = [this, o] { Option2_Click(static_cast<int16_t>(o->index())); };
  }
  for (Control* o : Op3.elements()) {
    o->onClick = [this, o] { Op3_Click(static_cast<int16_t>(o->index())); };
  }
  Check3.onClick = [this] { Check3_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Check2.onClick = [this] { Check2_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Image2.onClick = [this] { Image2_Click(); };
  Pic2.onMouseDown = [this](const MouseEvent& e) { Pic2_MouseDown(e.button, e.shift, e.x, e.y); };
  Pic2.onMouseMove = [this](const MouseEvent& e) { Pic2_MouseMove(e.button, e.shift, e.x, e.y); };
  Pic2.onMouseUp = [this](const MouseEvent& e) { Pic2_MouseUp(e.button, e.shift, e.x, e.y); };
  window.onResize = [this] { Form_Resize(); };
  window.onUnload = [this] { Form_Unload(); };
}

void Form1::showWindowInUse() {
  if (g_.CompactView == kFalse) {
    window.show();
  } else {
    program_.form2.window.show();
  }
}

}  // namespace yorvane
