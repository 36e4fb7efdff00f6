#include <gtest/gtest.h>

#include <QWidget>

#include "platform/message_box.h"
#include "qt_platform/qt_message_box.h"
#include "views/artwork.h"
#include "views/mouse_events.h"

namespace yorvane {
namespace {

// The pictures are resources of a static library: they must reach the program.
TEST(Artwork, PicturesAreCompiledInAtTheSizeTheLayoutWasMadeFor) {
  const QImage oneShot = artworkPixmap("oneshot").toImage();
  EXPECT_EQ(oneShot.size(), QSize(83, 23));
  EXPECT_GT(oneShot.pixelColor(15, 12).alpha(), 0) << "the camera's lens is not drawn";
  EXPECT_TRUE(artworkPixmap("no such picture").isNull());
  EXPECT_FALSE(applicationIcon().isNull());
}

TEST(MessageBoxStyle, ButtonsAndTheAnswerWhenClosed) {
  EXPECT_EQ(answersOf(BoxButtons::kOk), std::vector{BoxAnswer::kOk});
  EXPECT_EQ(answersOf(BoxButtons::kOkCancel), (std::vector{BoxAnswer::kOk, BoxAnswer::kCancel}));
  EXPECT_EQ(answersOf(BoxButtons::kYesNoCancel),
            (std::vector{BoxAnswer::kYes, BoxAnswer::kNo, BoxAnswer::kCancel}));
  EXPECT_EQ(answersOf(BoxButtons::kYesNo), (std::vector{BoxAnswer::kYes, BoxAnswer::kNo}));

  EXPECT_EQ(messageBoxEscapeAnswer(BoxButtons::kOk), BoxAnswer::kOk);
  EXPECT_EQ(messageBoxEscapeAnswer(BoxButtons::kOkCancel), BoxAnswer::kCancel);
  EXPECT_EQ(messageBoxEscapeAnswer(BoxButtons::kYesNoCancel), BoxAnswer::kCancel);
  EXPECT_EQ(messageBoxEscapeAnswer(BoxButtons::kYesNo), BoxAnswer::kNo);
}

TEST(MessageBoxStyle, StaysOnTopWhileTheProgramShowsNoWindowOrATopmostOne) {
  EXPECT_TRUE(messageBoxStaysOnTop({})) << "no window shown";
  QWidget window;
  window.show();
  EXPECT_FALSE(messageBoxStaysOnTop({}));
  EXPECT_TRUE(messageBoxStaysOnTop({.aboveAll = true}));
  window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  window.show();
  EXPECT_TRUE(messageBoxStaysOnTop({}));
}

TEST(MessageBoxText, CarriageReturnsBreakTheLine) {
  EXPECT_EQ(messageBoxText("選択範囲は良いですか？\r[キャンセル]"),
            QStringLiteral("選択範囲は良いですか？\n[キャンセル]"));
  EXPECT_EQ(messageBoxText("a\r\nb\nc\r\rd"), QStringLiteral("a\nb\nc\n\nd"));
}

QMouseEvent mouse(QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held,
                  Qt::KeyboardModifiers keys = Qt::NoModifier) {
  return QMouseEvent(type, pos, pos, button, held, keys);
}

TEST(MouseEvents, PressNamesOneButtonMoveSumsThemAll) {
  const auto press = toMouseEvent(
      mouse(QEvent::MouseButtonPress, {3, 4}, Qt::RightButton, Qt::LeftButton | Qt::RightButton),
      1.0);
  EXPECT_EQ(press.button, kRightButton);

  const auto move = toMouseEvent(mouse(QEvent::MouseMove, {3, 4}, Qt::NoButton,
                                       Qt::LeftButton | Qt::RightButton | Qt::MiddleButton),
                                 1.0);
  EXPECT_EQ(move.button, kLeftButton + kRightButton + kMiddleButton);

  const auto release =
      toMouseEvent(mouse(QEvent::MouseButtonRelease, {3, 4}, Qt::LeftButton, Qt::NoButton), 1.0);
  EXPECT_EQ(release.button, kLeftButton);
}

TEST(MouseEvents, PositionInTheControlsUnitAndShiftKeys) {
  const auto inPixels = toMouseEvent(
      mouse(QEvent::MouseButtonPress, {10.5, 20}, Qt::LeftButton, Qt::LeftButton), 1.0);
  EXPECT_FLOAT_EQ(inPixels.x, 10.5f);
  EXPECT_FLOAT_EQ(inPixels.y, 20.0f);

  const auto inTwips = toMouseEvent(mouse(QEvent::MouseMove, {10, 2}, Qt::NoButton, Qt::RightButton,
                                          Qt::ShiftModifier | Qt::AltModifier),
                                    15.0);
  EXPECT_FLOAT_EQ(inTwips.x, 150.0f);
  EXPECT_FLOAT_EQ(inTwips.y, 30.0f);
  EXPECT_EQ(inTwips.shift, 1 + 4);
}

}  // namespace
}  // namespace yorvane
