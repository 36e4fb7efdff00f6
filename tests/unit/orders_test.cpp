// Orders from other programs (a keyboard shortcut's command): they do what the
// buttons do, and are refused while a capture runs.
#include <gtest/gtest.h>

#include "test_app.h"

namespace yorvane::testing {
namespace {

TEST(Orders, DoWhatTheButtonsDoAndWaitForNoCaptureToEnd) {
  TestApp app;
  app.start();
  ASSERT_NE(app.fake.orders, nullptr) << "the program takes orders once started";
  Orders& orders = *app.fake.orders;

  EXPECT_EQ(orders.takeOneShot({}), "");
  EXPECT_EQ(orders.takeOneShot({}), "撮影の途中です。") << "nothing is queued";
  app.fake.advanceBy(1000);
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
  EXPECT_TRUE(app.main.window.visible());

  // In compact view the series hides the toolbar, as its own button does.
  app.click(app.main.compactViewButton);
  app.chooseCount(1);
  EXPECT_EQ(orders.startSeries({}), "");
  orders.showWindow();  // the windows stay out of the pictures
  EXPECT_FALSE(app.strip.window.visible());
  EXPECT_EQ(orders.takeOneShot({}), "連続撮影の途中です。");
  EXPECT_EQ(orders.startSeries({}), "連続撮影の途中です。");
  app.fake.advanceBy(20000);
  EXPECT_EQ(app.fake.bmpFiles().size(), 6u) << "the series ran to its end, unharmed";
  EXPECT_TRUE(app.strip.window.visible());
  EXPECT_FALSE(app.main.window.visible());

  orders.showWindow();
  EXPECT_TRUE(app.strip.window.visible());
  EXPECT_EQ(app.strip.window.frontRequests(), 1u);

  app.click(app.strip.modeBox);
  app.click(app.strip.pickerButton);
  EXPECT_EQ(orders.takeOneShot({}), "撮影の途中です。") << "the picker's snapshot is under way";
}

TEST(Orders, ThatWaitAreToldEachSavedPictureOrWhyNoneWas) {
  TestApp app;
  app.start();
  std::vector<PicturesTaken> told;
  const PicturesDone tell = [&told](const PicturesTaken& taken) { told.push_back(taken); };
  app.fake.orders->takeOneShot(tell);
  app.fake.advanceBy(1000);
  app.fake.copyResult = ScreenCopy::kFailed;
  app.fake.orders->takeOneShot(tell);
  app.fake.advanceBy(1000);
  app.fake.copyResult = ScreenCopy::kCopied;
  app.chooseCount(1);
  app.fake.orders->startSeries(tell);
  app.fake.advanceBy(20000);
  ASSERT_EQ(told.size(), 3u);
  EXPECT_EQ(told[0].paths, std::vector<std::string>{app.picturePath(1)});
  EXPECT_EQ(told[1].failure, "画面をコピーできませんでした。\r保存していません。");
  EXPECT_EQ(told[2].paths.size(), 5u);
  EXPECT_EQ(told[2].paths.back(), app.picturePath(6));
}

}  // namespace
}  // namespace yorvane::testing
