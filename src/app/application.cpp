#include "app/application.h"

#include <functional>
#include <new>

#include "core/runtime_error.h"
#include "platform/message_box.h"

namespace yorvane {

Application::Application(Platform& platform)
    : platform_(platform),
      dispatch_(std::bind_front(&Application::dispatch, this)),
      main_(platform.screenSize()),
      windows_(main_.window, toolbar_.window),
      settingsFile_(platform, settings_),
      screen_(platform, platform, dispatch_),
      pictures_(
          platform, platform, platform, settings_,
          [this](int16_t number) { main_.numberButton.setCaption(numberText(number)); },
          settingsFile_, *this),
      region_(screen_),
      oneShot_(platform, platform, dispatch_, windows_, settings_, screen_, region_, pictures_),
      series_(platform, platform, platform, platform, platform, dispatch_, windows_, screen_,
              region_, pictures_, oneShot_, settings_),
      numberReset_(platform, pictures_),
      captureMode_(
          {main_.window, main_.modeBox, main_.pickerButton, main_.aspectFrame, main_.toolsFrame},
          {toolbar_.modeBox, toolbar_.pickerButton}, region_),
      pickerWindow_(platform, windows_, main_),
      picker_(platform, platform, platform, dispatch_, windows_, pickerWindow_, settings_, screen_,
              region_),
      compactToolbar_(platform, windows_, toolbar_, *this),
      edgeTrigger_(platform, platform, platform, dispatch_, *this) {
  wireMainWindow();
}

void Application::wireMainWindow() {
  main_.oneShotButton.onClick = std::bind_front(&OneShot::start, &oneShot_, nullptr);
  // The controls change the settings; the element of the delay option is its steps.
  for (Control* o : main_.delayOptions.elements()) {
    o->onClick = [this, o] { chooseDelay(static_cast<int16_t>(o->index())); };
  }
  main_.seriesButton.onClick = [this] { series_.start(ProgramWindows::Which::kMain, {}); };
  main_.countList.onClick = [this] { settings_.countIndex = main_.countList.listIndex(); };
  for (Control* o : main_.intervalOptions.elements()) {
    o->onClick = [this, o] { chooseInterval(static_cast<int16_t>(o->index())); };
  }
  for (Control* o : main_.aspectOptions.elements()) {
    o->onClick = [this, o] { chooseAspect(o->index()); };
  }
  settings_.endSound = static_cast<int16_t>(main_.endSoundBox.checkState());
  main_.endSoundBox.onClick = [this] {
    settings_.endSound = static_cast<int16_t>(main_.endSoundBox.checkState());
  };
  settings_.saveSound = main_.saveSoundBox.ticked();
  main_.saveSoundBox.onClick = [this] { settings_.saveSound = main_.saveSoundBox.ticked(); };
  main_.edgeTriggerBox.onClick = [this] {
    const bool ticked = main_.edgeTriggerBox.ticked();
    if (ticked && !edgeTrigger_.canWatch()) {
      main_.edgeTriggerBox.setCheckState(CheckState::kUnticked);
      edgeTrigger_.tellCannotWatch();
      return;
    }
    edgeTrigger_.setWatching(ticked);
  };
  main_.numberButton.onClick = std::bind_front(&FileNumberReset::askAndReset, &numberReset_);
  main_.modeBox.onClick = std::bind_front(&CaptureMode::mainBoxClicked, &captureMode_);
  main_.pickerButton.onClick = std::bind_front(&RegionPicker::open, &picker_, false);
  main_.compactViewButton.onClick =
      std::bind_front(&CompactToolbar::replaceMainWindow, &compactToolbar_);
  main_.snapshot.onMouseDown = [this](const MouseEvent& e) { picker_.press(e); };
  main_.snapshot.onMouseMove = [this](const MouseEvent& e) { picker_.drag(e); };
  main_.snapshot.onMouseUp = [this](const MouseEvent&) { picker_.release(); };
  main_.window.onUnload = [this] { close(); };
}

void Application::chooseDelay(int16_t steps) {
  main_.delayOptions(steps).select();
  settings_.delaySteps = steps;
}

void Application::chooseInterval(int16_t element) {
  main_.intervalOptions(element).select();
  series_.chooseInterval(element);
}

void Application::chooseCount(int16_t index) {
  main_.countList.setListIndex(index);
  settings_.countIndex = index;
}

void Application::chooseAspect(int element) {
  main_.aspectOptions(element).select();
  if (element >= 0 && element < static_cast<int>(Settings::kAspects.size())) {
    settings_.aspect = Settings::kAspects[static_cast<size_t>(element)];
  }
}

void Application::dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const RuntimeError& e) {
    reportAndEnd(e.number(), e.description(), e.detail());
  } catch (const std::bad_alloc&) {
    reportAndEnd(ErrorNumber::kOutOfMemory, "メモリが不足しています。", {});
  }
}

void Application::reportAndEnd(ErrorNumber number, const std::string& description,
                               const std::string& detail) {
  std::string text =
      "実行時エラー '" + std::to_string(static_cast<int>(number)) + "':\n\n" + description;
  if (!detail.empty()) text += "\n" + detail;
  platform_.messageBox(text, "Yorvane", {BoxButtons::kOk, BoxIcon::kCritical});
  endAfterFailure();
}

void Application::endAfterFailure() {
  // Without the stored number the next run would write over the pictures taken since the
  // last normal shutdown. Settings that were never loaded are left alone.
  if (settingsLoaded_) settingsFile_.storeQuietly(settings_);
  platform_.endProgram(1);
}

std::string Application::reasonToRefuseOrders() const {
  if (series_.running()) return "連続撮影の途中です。";
  if (oneShot_.running() || picker_.takingSnapshot()) return "撮影の途中です。";
  return {};
}

std::string Application::takeOneShot(PicturesDone done) {
  std::string refusal = reasonToRefuseOrders();
  if (refusal.empty()) dispatch([this, &done] { oneShot_.start(std::move(done)); });
  return refusal;
}

std::string Application::startSeries(PicturesDone done) {
  std::string refusal = reasonToRefuseOrders();
  if (refusal.empty()) {
    dispatch([this, &done] { series_.start(windows_.inUse(), std::move(done)); });
  }
  return refusal;
}

void Application::showWindow() {
  // While a picture is being taken the windows stay out of it; they come back after.
  if (!reasonToRefuseOrders().empty()) return;
  dispatch([this] {
    Window& inUse = windows_.window(windows_.inUse());
    inUse.show();
    inUse.bringToFront();
  });
}

void Application::close() {
  settingsFile_.store(settings_);
  platform_.endProgram(0);
}

}  // namespace yorvane
