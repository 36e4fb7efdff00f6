#include "views/window_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>
#include <vector>

#include "test_app.h"
#include "ui_model/layout.h"
#include "ui_model/window.h"
#include "views/object_names.h"

namespace yorvane {
namespace {

// A main window laid out as the program lays out its own: pixels on the
// window, twips inside the frame, pixels inside the picture box.
struct MainWindow {
  Window window{"mainWindow", "Yorvane", Unit::Pixels};
  Control& frame = window.add(nullptr, "oneShotFrame", ControlKind::Frame, {8, 4, 113, 177});
  Control& command =
      window.add(&frame, "oneShotButton", ControlKind::CommandButton, {240, 360, 1095, 375});
  Control& option1 =
      window.add(&frame, "delayOptions", 1, ControlKind::OptionButton, {240, 900, 735, 375});
  Control& option2 =
      window.add(&frame, "delayOptions", 2, ControlKind::OptionButton, {240, 1260, 735, 375});
  Control& check = window.add(nullptr, "endSoundBox", ControlKind::CheckBox, {130, 10, 100, 14});
  Control& list = window.add(nullptr, "countList", ControlKind::ListBox, {130, 40, 50, 80});
  Control& picture = window.add(nullptr, "snapshot", ControlKind::PictureBox, {0, 0, 200, 150});
  int dispatched = 0;
  Dispatcher dispatch = [this](const std::function<void()>& handler) {
    ++dispatched;
    handler();
  };

  MainWindow() {
    window.resize(6570, 3315);
    window.move(1500, 3000);
    option2.select();
    picture.setInnerUnit(Unit::Pixels);
    picture.setVisible(false);
    list.addItem("0");
    list.addItem("5");
  }
};

// The view maps a shown window once the running handler is done with it.
void show(Window& window) {
  window.show();
  QCoreApplication::processEvents();
}

template <typename T>
T* widget(const WindowView& view, const Control& control) {
  T* w = view.findChild<T*>(objectNameOf(control));
  EXPECT_NE(w, nullptr) << control.qualifiedName();
  return w;
}

TEST(WindowView, BuildsEveryControlInItsContainerAtItsPixelGeometry) {
  MainWindow m;
  WindowView view(m.window, m.dispatch);
  EXPECT_EQ(view.size(), QSize(438, 221));
  EXPECT_EQ(view.pos(), QPoint(100, 200));
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Yorvane"));

  auto* frame = widget<QWidget>(view, m.frame);
  EXPECT_EQ(frame->geometry(), QRect(8, 4, 113, 177));
  auto* command = widget<QPushButton>(view, m.command);
  EXPECT_EQ(command->parentWidget(), frame);
  EXPECT_EQ(command->geometry(), QRect(16, 24, 73, 25));
  EXPECT_TRUE(widget<QRadioButton>(view, m.option2)->isChecked());
  EXPECT_FALSE(widget<QWidget>(view, m.picture)->isVisibleTo(&view));
}

// Accessibility tools know the program's windows and controls by their former names, one each.
TEST(WindowView, NamesTheProgramsControlsByTheirFormerObjectNames) {
  testing::TestApp app;
  for (Window* window : {&app.main.window, &app.strip.window}) {
    const WindowView view(*window, app.program.dispatcher());
    std::set<std::string> names{window->name()};
    EXPECT_TRUE(names.insert(view.objectName().toStdString()).second);
    for (const auto& c : window->controls()) {
      const std::string name = widget<QWidget>(view, *c)->objectName().toStdString();
      EXPECT_TRUE(name != c->qualifiedName() && names.insert(name).second) << name;
    }
  }
}

TEST(WindowView, NoFrameLaidOverAControlTakesItsClicks) {
  testing::TestApp app;
  const WindowView view(app.main.window, app.program.dispatcher());
  for (const auto& c : app.main.window.controls()) {
    const QWidget* w = widget<QWidget>(view, *c);
    if (c->kind() == ControlKind::Frame || !w->isVisibleTo(&view)) continue;
    const QWidget* hit = view.childAt(w->mapTo(&view, w->rect().center()));
    EXPECT_TRUE(hit == w || w->isAncestorOf(hit)) << c->qualifiedName();
  }
}

TEST(WindowView, FollowsModelChangesLive) {
  MainWindow m;
  WindowView view(m.window, m.dispatch);
  m.command.setTip("ワンポイント録画します");
  m.command.setEnabled(false);
  m.check.setCaption("保存音を有効にする");
  m.check.setCheckState(CheckState::kTicked);
  m.list.setListIndex(1);
  m.picture.setVisible(true);

  EXPECT_EQ(widget<QPushButton>(view, m.command)->toolTip(),
            QStringLiteral("ワンポイント録画します"));
  EXPECT_FALSE(widget<QPushButton>(view, m.command)->isEnabled());
  EXPECT_EQ(widget<QCheckBox>(view, m.check)->text(), QStringLiteral("保存音を有効にする"));
  EXPECT_TRUE(widget<QCheckBox>(view, m.check)->isChecked());
  EXPECT_EQ(widget<QListWidget>(view, m.list)->currentRow(), 1);
  EXPECT_TRUE(widget<QWidget>(view, m.picture)->isVisibleTo(&view));

  m.window.setBordered(false);
  m.window.setTopmost(true);
  EXPECT_TRUE(view.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(WindowView, ClicksReachTheModelAndOnlyTheLeftButtonClicks) {
  MainWindow m;
  WindowView view(m.window, m.dispatch);
  show(m.window);
  int clicks = 0;
  m.command.onClick = [&] { ++clicks; };
  auto* command = widget<QPushButton>(view, m.command);
  QTest::mouseClick(command, Qt::RightButton);
  EXPECT_EQ(clicks, 0);
  QTest::mouseClick(command, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_GE(m.dispatched, 1);
}

TEST(WindowView, OptionGroupStaysExclusiveThroughTheModel) {
  MainWindow m;
  WindowView view(m.window, m.dispatch);
  show(m.window);
  auto* first = widget<QRadioButton>(view, m.option1);
  auto* second = widget<QRadioButton>(view, m.option2);

  const QPoint indicator(6, first->height() / 2);
  QTest::mouseClick(first, Qt::LeftButton, {}, indicator);
  EXPECT_TRUE(m.option1.selected());
  EXPECT_EQ(m.option2.checkState(), CheckState::kUnticked);
  EXPECT_TRUE(first->isChecked());
  EXPECT_FALSE(second->isChecked());

  // Clicking the selected option again must not clear it.
  QTest::mouseClick(first, Qt::LeftButton, {}, indicator);
  EXPECT_TRUE(first->isChecked());
  EXPECT_TRUE(m.option1.selected());
}

TEST(WindowView, UserListChoiceAndCheckBoxGoToTheModel) {
  MainWindow m;
  WindowView view(m.window, m.dispatch);
  show(m.window);
  int listClicks = 0;
  m.list.onClick = [&] { ++listClicks; };
  widget<QListWidget>(view, m.list)->setCurrentRow(1);
  EXPECT_EQ(m.list.listIndex(), 1);
  EXPECT_EQ(listClicks, 1);

  auto* check = widget<QCheckBox>(view, m.check);
  QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
  EXPECT_EQ(m.check.checkState(), CheckState::kTicked);
  m.check.setEnabled(false);
  EXPECT_FALSE(check->isEnabled());
}

TEST(WindowView, PictureBoxMouseInLogicalPixels) {
  MainWindow m;
  WindowView view(m.window, m.dispatch);
  show(m.window);
  m.picture.setVisible(true);
  std::vector<MouseEvent> downs, moves, ups;
  m.picture.onMouseDown = [&](const MouseEvent& e) { downs.push_back(e); };
  m.picture.onMouseMove = [&](const MouseEvent& e) { moves.push_back(e); };
  m.picture.onMouseUp = [&](const MouseEvent& e) { ups.push_back(e); };
  auto* pic = widget<QWidget>(view, m.picture);
  QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(100, 50));
  QMouseEvent move(QEvent::MouseMove, QPointF(120, 60), QPointF(120, 60), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(pic, &move);
  QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(120, 60));

  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].button, kLeftButton);
  EXPECT_FLOAT_EQ(downs[0].x, 100);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].button, kLeftButton);
  EXPECT_FLOAT_EQ(moves[0].y, 60);
  ASSERT_EQ(ups.size(), 1u);
}

// The toolbar: twips everywhere, mouse hooks on a button inside a picture box.
TEST(WindowView, ToolbarButtonReportsTwipsAndKeepsTheEventFromItsContainer) {
  Window window("toolbarWindow", "Yorvane ツールバー", Unit::Twips);
  Control& strip = window.add(nullptr, "dragArea", ControlKind::PictureBox, {0, 0, 1935, 375});
  Control& button =
      window.add(&strip, "oneShotButton", ControlKind::CommandButton, {120, 0, 375, 375});
  window.resize(1770, 375);
  std::vector<MouseEvent> buttonDowns;
  int stripDowns = 0;
  int clicks = 0;
  button.onMouseDown = [&](const MouseEvent& e) { buttonDowns.push_back(e); };
  strip.onMouseDown = [&](const MouseEvent&) { ++stripDowns; };
  button.onClick = [&] { ++clicks; };
  WindowView view(window, [](const std::function<void()>& h) { h(); });
  window.show();

  auto* w = widget<QPushButton>(view, button);
  EXPECT_EQ(w->geometry(), QRect(8, 0, 25, 25));
  QTest::mouseClick(w, Qt::RightButton, {}, QPoint(10, 4));
  ASSERT_EQ(buttonDowns.size(), 1u);
  EXPECT_EQ(buttonDowns[0].button, kRightButton);
  EXPECT_FLOAT_EQ(buttonDowns[0].x, 150);
  EXPECT_FLOAT_EQ(buttonDowns[0].y, 60);
  EXPECT_EQ(stripDowns, 0);
  EXPECT_EQ(clicks, 0);
}

TEST(WindowView, ModelResizeDoesNotComeBackAsAUserResize) {
  MainWindow m;
  int resizes = 0;
  m.window.onResize = [&] { ++resizes; };
  WindowView view(m.window, m.dispatch);
  show(m.window);
  m.window.resize(8500, 3315);  // not a whole number of pixels
  EXPECT_EQ(resizes, 1);
  EXPECT_EQ(m.window.geometry().width, 8500);

  view.resize(300, 200);
  EXPECT_EQ(m.window.geometry().width, 4500);
  EXPECT_EQ(m.window.geometry().height, 3000);
  EXPECT_EQ(resizes, 2);
}

// A watcher of the first time a widget is shown.
struct FirstShow : QObject {
  QSize size;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && size.isEmpty())
      size = static_cast<QWidget*>(watched)->size();
    return false;
  }
};

TEST(WindowView, ShowsAWindowAtTheSizeTheHandlerLeftItWith) {
  MainWindow m;
  WindowView view(m.window, m.dispatch);
  FirstShow first;
  view.installEventFilter(&first);
  m.window.show();
  m.window.resize(layout::main_window::kFullWidth, layout::main_window::kHeight);
  EXPECT_FALSE(view.isVisible());
  QCoreApplication::processEvents();
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(first.size, QSize(371, 221));
}

TEST(WindowView, ClosingRunsTheUnloadHandlerThroughTheDispatcher) {
  MainWindow m;
  int unloads = 0;
  m.window.onUnload = [&] { ++unloads; };
  WindowView view(m.window, m.dispatch);
  show(m.window);
  const int before = m.dispatched;
  view.close();
  EXPECT_EQ(unloads, 1);
  EXPECT_EQ(m.dispatched, before + 1);
}

}  // namespace
}  // namespace yorvane
