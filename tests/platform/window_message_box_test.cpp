// The message box drawn inside the game's picture: the frame stays as it was
// around it, and a click on a button gives that button's answer.
#include "platform/window_message_box.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi.h"
#include "tests/support/support.h"

namespace {

using platform::MessageBoxAnswer;
using platform::MessageBoxKind;

TEST(WindowMessageBox, DrawsOverThePictureOnlyWhereTheBoxLies) {
  platform::Surface picture(640, 480, platform::PixelFormat::Rgb565());
  platform::DrawingContext dc(picture);
  for (int y = 0; y < 480; y += 7) dc.SetPixel(y % 640, y, 0x00FF00);
  platform::Surface before(640, 480, platform::PixelFormat::Rgb565());
  for (int y = 0; y < 480; ++y) std::memcpy(before.Row(y), picture.Row(y), picture.PitchBytes());
  platform::PaintWindowBox(picture, MessageBoxKind::kInfo, "INFOMATION",
                           test_support::Sjis("セーブ完了"));
  const platform::Rect box = platform::LayOutWindowBox(MessageBoxKind::kInfo, 640, 480).box;
  int changed_inside = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
      const bool same = std::memcmp(picture.Row(y) + 2 * x, before.Row(y) + 2 * x, 2) == 0;
      if (!inside) {
        ASSERT_TRUE(same) << x << "," << y;
      }
      changed_inside += same ? 0 : 1;
    }
  }
  EXPECT_GT(changed_inside, box.Width() * box.Height() / 2);
}

TEST(WindowMessageBox, ButtonsGiveTheirAnswers) {
  const auto yes_no = platform::LayOutWindowBox(MessageBoxKind::kYesNo, 640, 480);
  ASSERT_EQ(yes_no.button_count, 2);
  const auto& yes = yes_no.buttons[0];
  const auto& no = yes_no.buttons[1];
  EXPECT_EQ(platform::WindowBoxAnswerAt(MessageBoxKind::kYesNo, 640, 480, yes.left, yes.top),
            MessageBoxAnswer::kYes);
  EXPECT_EQ(
      platform::WindowBoxAnswerAt(MessageBoxKind::kYesNo, 640, 480, no.right - 1, no.bottom - 1),
      MessageBoxAnswer::kNo);
  EXPECT_FALSE(platform::WindowBoxAnswerAt(MessageBoxKind::kYesNo, 640, 480, no.right, no.top));
  EXPECT_FALSE(platform::WindowBoxAnswerAt(MessageBoxKind::kYesNo, 640, 480, 0, 0));
  const auto ok = platform::LayOutWindowBox(MessageBoxKind::kError, 640, 480);
  ASSERT_EQ(ok.button_count, 1);
  EXPECT_EQ(platform::WindowBoxAnswerAt(MessageBoxKind::kError, 640, 480, ok.buttons[0].left + 1,
                                        ok.buttons[0].top + 1),
            MessageBoxAnswer::kOk);
  EXPECT_EQ(platform::WindowBoxCancelAnswer(MessageBoxKind::kYesNo), MessageBoxAnswer::kNo);
  EXPECT_EQ(platform::WindowBoxDefaultAnswer(MessageBoxKind::kInfo), MessageBoxAnswer::kOk);
}

}  // namespace
