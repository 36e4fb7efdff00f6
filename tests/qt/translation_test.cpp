// The English translation: every text the program shows has one, and the
// locale decides between it and the Japanese.
#include "launch/translation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "platform/message_box.h"
#include "qt_platform/qt_message_box.h"
#include "test_app.h"
#include "views/artwork.h"
#include "views/object_names.h"
#include "views/window_view.h"

namespace yorvane {
namespace {

bool isAscii(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Puts the Japanese back for the tests that follow.
struct TranslationTest : ::testing::Test {
  void TearDown() override { useTranslationFor(QLocale(QLocale::Japanese, QLocale::Japan)); }
};

TEST_F(TranslationTest, EveryTextTheProgramShowsHasAnEnglishOne) {
  ASSERT_TRUE(useTranslationFor(QLocale(QLocale::English, QLocale::UnitedKingdom)));
  std::vector<std::string> texts;
  testing::TestApp app;
  app.start();
  for (const Window* w : {&app.main.window, &app.strip.window}) {
    texts.push_back(w->caption());
    for (const auto& c : w->controls()) {
      texts.push_back(c->caption());
      texts.push_back(c->tip());
    }
  }

  // Every message box, as the user meets them.
  app.click(app.main.numberButton);   // the reset question
  app.click(app.main.modeBox);        // partial mode ...
  app.click(app.main.oneShotButton);  // ... without a region
  app.click(app.main.pickerButton);   // the picker ...
  app.fake.advanceBy(1200);
  app.mouse(app.main.snapshot.onMouseDown, 1, 10, 10);
  app.mouse(app.main.snapshot.onMouseMove, 1, 50, 40);
  app.mouse(app.main.snapshot.onMouseUp, 1, 50, 40);  // ... asks to confirm
  app.click(app.main.modeBox);
  std::filesystem::remove_all(app.fake.bmpFolder());
  app.click(app.main.oneShotButton);  // a failed save
  app.fake.advanceBy(1200);
  testing::TestApp overflow;
  overflow.fake.writeFile("setutei", "1,\"0\",1,1,32767,0\r\n");
  overflow.start();
  overflow.click(overflow.main.oneShotButton);  // a runtime error
  overflow.fake.advanceBy(1200);
  ASSERT_EQ(app.fake.boxes.size() + overflow.fake.boxes.size(), 5u);
  for (const auto* fake : {&app.fake, &overflow.fake}) {
    for (const auto& box : fake->boxes) {
      texts.push_back(box.text);
      texts.push_back(box.title);
    }
  }
  for (const RuntimeError& e : {errors::invalidPropertyValue(), errors::noSuchControlArrayElement(),
                                errors::pathFileAccess("")}) {
    texts.push_back(e.description());
  }

  for (const std::string& text : texts) {
    const QString shown = translated(messageBoxText(text));
    EXPECT_TRUE(isAscii(shown)) << text << " shows as " << shown.toStdString();
  }
  int pictureWords = 0;
  for (const Window* w : {&app.main.window, &app.strip.window}) {
    for (const auto& c : w->controls()) {
      for (const QString& words : artworkWords(c->artwork())) {
        EXPECT_TRUE(isAscii(words)) << c->artwork() << " draws " << words.toStdString();
        ++pictureWords;
      }
    }
  }
  EXPECT_GE(pictureWords, 3);  // the one-shot and series buttons, the count label
}

TEST_F(TranslationTest, CopyFailuresAndTheWaylandNoticesHaveEnglishOnes) {
  ASSERT_TRUE(useTranslationFor(QLocale(QLocale::English, QLocale::UnitedKingdom)));
  testing::TestApp app;
  app.fake.session = SessionKind::Wayland;
  app.fake.keepsAbove = false;
  app.start();
  app.fake.copyResult = ScreenCopy::kUnavailable;
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(1200);
  app.fake.copyResult = ScreenCopy::kPaletteScreen;
  app.chooseCount(1);
  app.click(app.main.seriesButton);  // five skipped pictures, counted at the end
  app.fake.advanceBy(20000);
  app.fake.copyResult = ScreenCopy::kCopied;
  app.fake.seriesCopies = SeriesCopies::kNoScreenCast;
  app.click(app.main.seriesButton);  // no screen cast; one picture, then four ticks skipped
  app.fake.advanceBy(3200);
  app.fake.copyAnswerMs = 2000;  // longer than the interval: ticks find the copy out
  app.fake.advanceBy(20000);
  app.click(app.main.edgeTriggerBox);
  ASSERT_EQ(app.fake.boxes.size(), 6u);
  for (const auto& box : app.fake.boxes) {
    for (const std::string& text : {box.text, box.title}) {
      const QString shown = translated(messageBoxText(text));
      EXPECT_TRUE(isAscii(shown)) << text << " shows as " << shown.toStdString();
    }
  }
  EXPECT_TRUE(
      translated(messageBoxText(app.fake.boxes[2].text)).contains(QStringLiteral("5 pictures")));
}

// The caption of the save-sound box and the text and title of a box.
struct Shown {
  QString caption, text, title;
};

Shown shownIn(const QLocale& locale) {
  useTranslationFor(locale);
  testing::TestApp app;
  app.start();
  const WindowView view(app.main.window, app.program.dispatcher());
  Shown shown;
  const auto* box = view.findChild<QCheckBox*>(objectNameOf(app.main.saveSoundBox));
  if (box) shown.caption = box->text();
  QTimer::singleShot(0, [&shown] {
    auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!open) return;
    shown.text = open->text();
    shown.title = open->windowTitle();
    open->reject();
  });
  showMessageBox("コピー範囲が未設定です", "選択範囲確認",
                 {BoxButtons::kOk, BoxIcon::kExclamation});
  return shown;
}

TEST_F(TranslationTest, EnglishLocalesShowEnglishAndEveryOtherShowsJapanese) {
  const Shown english = shownIn(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(english.caption, QStringLiteral("Sound on save"));
  EXPECT_EQ(english.text, QStringLiteral("No capture region has been picked"));
  EXPECT_EQ(english.title, QStringLiteral("Confirm the selection"));
  for (const QLocale& other :
       {QLocale(QLocale::Japanese, QLocale::Japan), QLocale(QLocale::German, QLocale::Germany)}) {
    const Shown japanese = shownIn(other);
    EXPECT_EQ(japanese.caption, QStringLiteral("保存音を有効にする")) << other.name().toStdString();
    EXPECT_EQ(japanese.text, QStringLiteral("コピー範囲が未設定です"));
    EXPECT_EQ(japanese.title, QStringLiteral("選択範囲確認"));
  }
}

}  // namespace
}  // namespace yorvane
