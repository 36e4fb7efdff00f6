#include "app/toolbar_window.h"

#include "ui_model/layout.h"

namespace yorvane {

namespace {
constexpr uint32_t kPink = 0xFF8080;
constexpr uint32_t kMagenta = 0xFF00FF;
}  // namespace

namespace lt = layout::toolbar_window;

ToolbarWindow::ToolbarWindow()
    : window("toolbarWindow", "Yorvane ツールバー", Unit::Twips),
      dragArea(window.add(nullptr, "dragArea", ControlKind::PictureBox, lt::kDragArea)),
      oneShotButton(
          window.add(&dragArea, "oneShotButton", ControlKind::CommandButton, lt::kOneShotButton)),
      seriesButton(
          window.add(&dragArea, "seriesButton", ControlKind::CommandButton, lt::kSeriesButton)),
      modeBox(window.add(&dragArea, "modeBox", ControlKind::CheckBox, lt::kModeBox)),
      pickerButton(
          window.add(&dragArea, "pickerButton", ControlKind::CommandButton, lt::kPickerButton)),
      standardViewButton(window.add(&dragArea, "standardViewButton", ControlKind::Image,
                                    lt::kStandardViewButton)) {
  window.setBordered(false);
  // Above the playing video, or the strip is of no use.
  window.setTopmost(true);
  window.move(lt::kWindow.left, lt::kWindow.top);
  window.resize(lt::kWindow.width, lt::kWindow.height);
  dragArea.setTip("右ボタンで移動");
  oneShotButton.setTip("ワンポイント録画します");
  oneShotButton.setBackColor(kPink);
  seriesButton.setTip("連続録画開始");
  seriesButton.setBackColor(kMagenta);
  modeBox.setTip("全面,部分切り替え");
  modeBox.setArtwork("mode");
  pickerButton.setTip("コピー範囲選択フォーム表示");
  pickerButton.setArtwork("picker");
  pickerButton.setBackColor(layout::kPickerButtonColor);
  pickerButton.setEnabled(false);
  standardViewButton.setTip("標準表示");
  standardViewButton.setArtwork("standard");
}

}  // namespace yorvane
