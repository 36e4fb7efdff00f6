#include "app/main_window.h"

namespace yorvane {

namespace {
constexpr uint32_t kGreen = 0x008000;
}

Control& MainWindow::add(Control* container, const char* name, ControlKind kind, Rect twips,
                         int index) {
  // The window and the picture boxes measure their contents in pixels, frames in twips.
  const Unit unit = container ? container->innerUnit() : window.innerUnit();
  if (unit == Unit::Pixels) {
    twips = {twips.left / kTwipsPerPixel, twips.top / kTwipsPerPixel, twips.width / kTwipsPerPixel,
             twips.height / kTwipsPerPixel};
  }
  Control& c = window.add(container, name, index, kind, twips);
  if (kind == ControlKind::PictureBox) c.setInnerUnit(Unit::Pixels);
  return c;
}

MainWindow::MainWindow(Size screen)
    : window("Form1", "Yorvane", Unit::Pixels),
      panel(add(nullptr, "Frame1", ControlKind::Frame, {0, 0, 6915, 3495})),
      oneShotFrame(add(&panel, "Frame3", ControlKind::Frame, {0, 0, 1695, 2655})),
      oneShotButton(
          add(&oneShotFrame, "Command1", ControlKind::CommandButton, {240, 360, 1095, 375})),
      delayFrame(add(&oneShotFrame, "Frame2", ControlKind::Frame, {240, 840, 1335, 1575})),
      seriesFrame(add(&panel, "Frame4", ControlKind::Frame, {1800, 0, 2655, 2655})),
      seriesButton(add(&seriesFrame, "Command3", ControlKind::CommandButton, {120, 360, 855, 375})),
      countList(add(&seriesFrame, "List1", ControlKind::ListBox, {240, 1200, 735, 1290})),
      countImage(add(&seriesFrame, "Image3", ControlKind::Image, {240, 960, 660, 240})),
      intervalFrame(add(&seriesFrame, "Frame5", ControlKind::Frame, {1320, 360, 1215, 2055})),
      aspectFrame(add(&panel, "Frame11", ControlKind::Frame, {4560, 0, 975, 2055})),
      toolsFrame(add(&panel, "Frame6", ControlKind::Frame, {5640, 0, 855, 2055})),
      edgeTriggerBox(add(&toolsFrame, "Check3", ControlKind::CheckBox, {480, 240, 255, 375})),
      numberButton(add(&toolsFrame, "Command7", ControlKind::CommandButton, {120, 720, 615, 375})),
      modeBox(add(&toolsFrame, "Check2", ControlKind::CheckBox, {120, 1200, 615, 375})),
      pickerButton(add(&toolsFrame, "Command5", ControlKind::CommandButton, {120, 1560, 615, 375})),
      compactViewButton(add(&toolsFrame, "Image2", ControlKind::Image, {120, 240, 195, 345})),
      endSoundBox(add(&panel, "Check1", ControlKind::CheckBox, {3360, 2280, 1635, 200})),
      saveSoundBox(add(&panel, "Check4", ControlKind::CheckBox, {3360, 2520, 2235, 200})),
      soundFrame(add(&panel, "Frame10", ControlKind::Frame, {3800, 2280, 1695, 375})),
      snapshot(add(nullptr, "Pic2", ControlKind::PictureBox, {480, 3000, 7935, 4095})),
      selection(add(&snapshot, "Sha1", ControlKind::Shape, {840, 720, 1335, 855})),
      regionPicture(add(nullptr, "Pic3", ControlKind::PictureBox, {10800, 7680, 1215, 1095})) {
  window.resize(6570, 6195);
  window.move(static_cast<float>(screen.width * kTwipsPerPixel - 5565) / 2,
              static_cast<float>(screen.height * kTwipsPerPixel - 3315) / 2);

  panel.setCaption("");
  oneShotFrame.setCaption("手動");
  oneShotButton.setTip("ワンポイント録画します");
  oneShotButton.setArtwork("oneshot");
  delayFrame.setCaption("遅れ時間");
  delayFrame.setTip("失敗する場合遅れ時間を大きくする");
  addOptions(delayFrame, "Option1", delayOptions,
             {{1, {240, 240, 735, 375}, "0.2", "録画ボタンクイック後0.2秒後録画"},
              {2, {240, 600, 735, 375}, "0.4", "画ボタンクイック後0.4秒後録画"},
              {4, {240, 960, 735, 375}, "0.8", "画ボタンクイック後0.8秒後録画"}});

  seriesFrame.setCaption("自動");
  seriesButton.setTip("連続録画開始");
  seriesButton.setArtwork("series");
  countList.setTip("録画枚数を指定");
  countImage.setTip("録画枚数を指定");
  countImage.setArtwork("count");
  intervalFrame.setCaption("録画間隔");
  intervalFrame.setTip("録画間隔を指定します");
  addOptions(intervalFrame, "Option2", intervalOptions,
             {{0, {360, 360, 615, 375}, "0.5", "録画間隔を指定します"},
              {1, {360, 720, 615, 375}, "1.0", "録画間隔を指定します"},
              {2, {360, 1080, 615, 375}, "1.5", "録画間隔　0.8秒"},
              {3, {360, 1440, 615, 375}, "2.0", "録画間隔を指定します"}});

  aspectFrame.setCaption("縦横比");
  addOptions(aspectFrame, "Op3", aspectOptions,
             {{0, {120, 360, 615, 255}, "4:3", ""},
              {1, {120, 720, 615, 255}, "16:9", ""},
              {2, {120, 1080, 615, 255}, "1:1", ""},
              {3, {120, 1440, 735, 255}, "任意", ""}});

  toolsFrame.setCaption("");
  edgeTriggerBox.setTip("マウスポイント位置を検索して、録画ボタンを押します");
  numberButton.setCaption("O");
  numberButton.setTip("ファイル名初期化");
  modeBox.setTip("全面,部分切り替え");
  modeBox.setArtwork("mode");
  pickerButton.setTip("コピー範囲選択フォーム表示");
  pickerButton.setArtwork("picker");
  pickerButton.setBackColor(kGreen);
  compactViewButton.setTip("コンパクト表示");
  compactViewButton.setArtwork("compact");
  endSoundBox.setCaption("録音終ば知せる");
  saveSoundBox.setCaption("保存音を有効にする");
  soundFrame.setCaption("");

  regionPicture.picture().resize(static_cast<int>(regionPicture.geometry().width),
                                 static_cast<int>(regionPicture.geometry().height));
  regionPicture.clearPicture();

  // The state at creation; no handler is connected yet, so none runs.
  delayOptions(2).select();
  intervalOptions(2).select();
  aspectOptions(3).select();
  endSoundBox.setCheckState(CheckState::kTicked);
  saveSoundBox.setCheckState(CheckState::kTicked);
  pickerButton.setEnabled(false);
  aspectFrame.setEnabled(false);
  snapshot.setVisible(false);
  selection.setVisible(false);
  regionPicture.setVisible(false);

  // The panel covers the whole client area.
  window.onResize = [this] {
    panel.setGeometry({0, 0, window.scaleWidth(), window.scaleHeight()});
  };
}

void MainWindow::addOptions(Control& frame, const char* name, ControlArray& array,
                            std::initializer_list<OptionSpec> options) {
  for (const OptionSpec& entry : options) {
    Control& o = add(&frame, name, ControlKind::OptionButton, entry.twips, entry.index);
    o.setCaption(entry.caption);
    o.setTip(entry.tip);
    array.add(o);
  }
}

}  // namespace yorvane
