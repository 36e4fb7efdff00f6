#include "app/main_window.h"

#include "ui_model/layout.h"

namespace yorvane {

namespace lm = layout::main_window;

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
    : window("mainWindow", "Yorvane", Unit::Pixels),
      panel(add(nullptr, "panel", ControlKind::Frame, lm::kPanel)),
      oneShotFrame(add(&panel, "oneShotFrame", ControlKind::Frame, lm::kOneShotFrame)),
      oneShotButton(
          add(&oneShotFrame, "oneShotButton", ControlKind::CommandButton, lm::kOneShotButton)),
      delayFrame(add(&oneShotFrame, "delayFrame", ControlKind::Frame, lm::kDelayFrame)),
      seriesFrame(add(&panel, "seriesFrame", ControlKind::Frame, lm::kSeriesFrame)),
      seriesButton(
          add(&seriesFrame, "seriesButton", ControlKind::CommandButton, lm::kSeriesButton)),
      countList(add(&seriesFrame, "countList", ControlKind::ListBox, lm::kCountList)),
      countImage(add(&seriesFrame, "countImage", ControlKind::Image, lm::kCountImage)),
      intervalFrame(add(&seriesFrame, "intervalFrame", ControlKind::Frame, lm::kIntervalFrame)),
      aspectFrame(add(&panel, "aspectFrame", ControlKind::Frame, lm::kAspectFrame)),
      toolsFrame(add(&panel, "toolsFrame", ControlKind::Frame, lm::kToolsFrame)),
      edgeTriggerBox(
          add(&toolsFrame, "edgeTriggerBox", ControlKind::CheckBox, lm::kEdgeTriggerBox)),
      numberButton(add(&toolsFrame, "numberButton", ControlKind::CommandButton, lm::kNumberButton)),
      modeBox(add(&toolsFrame, "modeBox", ControlKind::CheckBox, lm::kModeBox)),
      pickerButton(add(&toolsFrame, "pickerButton", ControlKind::CommandButton, lm::kPickerButton)),
      compactViewButton(
          add(&toolsFrame, "compactViewButton", ControlKind::Image, lm::kCompactViewButton)),
      endSoundBox(add(&panel, "endSoundBox", ControlKind::CheckBox, lm::kEndSoundBox)),
      saveSoundBox(add(&panel, "saveSoundBox", ControlKind::CheckBox, lm::kSaveSoundBox)),
      soundFrame(add(&panel, "soundFrame", ControlKind::Frame, lm::kSoundFrame)),
      snapshot(add(nullptr, "snapshot", ControlKind::PictureBox, lm::kSnapshot)),
      selection(add(&snapshot, "selection", ControlKind::Shape, lm::kSelection)) {
  window.resize(lm::kCreatedWidth, lm::kCreatedHeight);
  window.move((static_cast<float>(screen.width * kTwipsPerPixel) - lm::kFullWidth) / 2,
              (static_cast<float>(screen.height * kTwipsPerPixel) - lm::kHeight) / 2);

  panel.setCaption("");
  oneShotFrame.setCaption("手動");
  oneShotButton.setTip("ワンポイント録画します");
  oneShotButton.setArtwork("oneshot");
  delayFrame.setCaption("遅れ時間");
  delayFrame.setTip("失敗する場合遅れ時間を大きくする");
  addOptions(delayFrame, "delayOptions", delayOptions, lm::kDelayOptions,
             {{1, "0.2", "録画ボタンクイック後0.2秒後録画"},
              {2, "0.4", "画ボタンクイック後0.4秒後録画"},
              {4, "0.8", "画ボタンクイック後0.8秒後録画"}});

  seriesFrame.setCaption("自動");
  seriesButton.setTip("連続録画開始");
  seriesButton.setArtwork("series");
  countList.setTip("録画枚数を指定");
  countImage.setTip("録画枚数を指定");
  countImage.setArtwork("count");
  intervalFrame.setCaption("録画間隔");
  intervalFrame.setTip("録画間隔を指定します");
  addOptions(intervalFrame, "intervalOptions", intervalOptions, lm::kIntervalOptions,
             {{0, "0.5", "録画間隔を指定します"},
              {1, "1.0", "録画間隔を指定します"},
              {2, "1.5", "録画間隔　0.8秒"},
              {3, "2.0", "録画間隔を指定します"}});

  aspectFrame.setCaption("縦横比");
  addOptions(aspectFrame, "aspectOptions", aspectOptions, lm::kAspectOptions,
             {{0, "4:3", ""}, {1, "16:9", ""}, {2, "1:1", ""}, {3, "任意", ""}});

  toolsFrame.setCaption("");
  edgeTriggerBox.setTip("マウスポイント位置を検索して、録画ボタンを押します");
  numberButton.setCaption("O");
  numberButton.setTip("ファイル名初期化");
  modeBox.setTip("全面,部分切り替え");
  modeBox.setArtwork("mode");
  pickerButton.setTip("コピー範囲選択フォーム表示");
  pickerButton.setArtwork("picker");
  pickerButton.setBackColor(layout::kPickerButtonColor);
  compactViewButton.setTip("コンパクト表示");
  compactViewButton.setArtwork("compact");
  endSoundBox.setCaption("録音終ば知せる");
  saveSoundBox.setCaption("保存音を有効にする");
  soundFrame.setCaption("");

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

  // The panel covers the whole client area.
  window.onResize = [this] {
    panel.setGeometry({0, 0, window.scaleWidth(), window.scaleHeight()});
  };
}

void MainWindow::addOptions(Control& frame, const char* name, ControlArray& array,
                            std::span<const Rect> twips,
                            std::initializer_list<OptionSpec> options) {
  const Rect* place = twips.data();
  for (const OptionSpec& entry : options) {
    Control& o = add(&frame, name, ControlKind::OptionButton, *place++, entry.index);
    o.setCaption(entry.caption);
    o.setTip(entry.tip);
    array.add(o);
  }
}

}  // namespace yorvane
