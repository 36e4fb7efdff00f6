#include "toolbar/toolbar_window.h"

namespace yorvane {

namespace {
constexpr uint32_t kPink = 0xFF8080;
constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kGreen = 0x008000;
}  // namespace

ToolbarWindow::ToolbarWindow()
    : window("Form2", "Form2", Unit::Twips),
      dragArea(window.add(nullptr, "Picture1", ControlKind::PictureBox, {0, 0, 1935, 375})),
      oneShotButton(
          window.add(&dragArea, "Command1", ControlKind::CommandButton, {120, 0, 375, 375})),
      seriesButton(
          window.add(&dragArea, "Command3", ControlKind::CommandButton, {480, 0, 375, 375})),
      modeBox(window.add(&dragArea, "Check2", ControlKind::CheckBox, {840, 0, 375, 375})),
      pickerButton(
          window.add(&dragArea, "Command5", ControlKind::CommandButton, {1200, 0, 375, 375})),
      standardViewButton(window.add(&dragArea, "Image2", ControlKind::Image, {1560, 0, 195, 345})) {
  window.setBordered(false);
  // Above the playing video, or the strip is of no use.
  window.setTopmost(true);
  window.move(4380, 1905);
  window.resize(1770, 375);
  dragArea.setTip("右ボタンで移動");
  oneShotButton.setTip("ワンポイント録画します");
  oneShotButton.setBackColor(kPink);
  seriesButton.setTip("連続録画開始");
  seriesButton.setBackColor(kMagenta);
  modeBox.setTip("全面,部分切り替え");
  modeBox.setArtwork("mode");
  pickerButton.setTip("コピー範囲選択フォーム表示");
  pickerButton.setArtwork("picker");
  pickerButton.setBackColor(kGreen);
  pickerButton.setEnabled(false);
  standardViewButton.setTip("標準表示");
  standardViewButton.setArtwork("standard");
}

}  // namespace yorvane
