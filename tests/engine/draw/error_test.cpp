#include <gtest/gtest.h>

#include <string>

#include "engine/el.h"
#include "tests/engine/system_fixture.h"
#include "tests/support/support.h"

namespace {

using test_support::Sjis;

class ErrorReport : public test_support::SystemTest {};

TEST_F(ErrorReport, BeepsShowsOneBoxAndRecordsTheReport) {
  EXPECT_EQ(elDraw::Error(), 0);
  const std::string message = Sjis("DirectDrawが使用できません");
  EXPECT_EQ(elDraw::Error("Draw::Screen", message.c_str(), -5), 0);
  EXPECT_EQ(fake->beep_count, 1);
  ASSERT_EQ(fake->boxes.size(), 1u);
  EXPECT_EQ(fake->boxes[0].kind, platform::MessageBoxKind::kError);
  EXPECT_EQ(fake->boxes[0].caption, Sjis("エラー発生"));
  EXPECT_EQ(fake->boxes[0].text, "Draw::Screen : " + message);
  EXPECT_EQ(elDraw::Error(), 1);
  // A second report shows its own box; an empty message keeps the separator.
  elDraw::Error("Draw::Convert", "", 0);
  ASSERT_EQ(fake->boxes.size(), 2u);
  EXPECT_EQ(fake->boxes[1].text, "Draw::Convert : ");
  EXPECT_EQ(fake->beep_count, 2);
  EXPECT_EQ(elDraw::Error(), 1);
}

TEST_F(ErrorReport, LongTextsAreCutBetweenCharactersWithin255Bytes) {
  const std::string ka = Sjis("か");
  std::string wide;
  for (int i = 0; i < 200; ++i) wide += ka;
  struct Case {
    const char* name;
    std::string message;
    size_t shown_bytes;
  } cases[] = {
      // "Draw::LoadObject : " takes 19 of the 255 bytes.
      {"the largest text that fits", std::string(236, 'm'), 255},
      {"single-byte overflow", std::string(1000, 'm'), 255},
      {"double-byte overflow", wide, 255},
      {"double-byte character across the limit", "m" + wide, 254},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake->boxes.clear();
    elDraw::Error("Draw::LoadObject", c.message.c_str(), 0);
    ASSERT_EQ(fake->boxes.size(), 1u);
    const std::string& shown = fake->boxes[0].text;
    EXPECT_EQ(shown.size(), c.shown_bytes);
    EXPECT_EQ(shown, ("Draw::LoadObject : " + c.message).substr(0, c.shown_bytes));
  }
}

TEST(ErrorReportWithoutPlatform, StillRecordsTheReport) {
  platform::ResetBackend();
  elDraw::ErrorCheck = 0;
  testing::internal::CaptureStderr();
  EXPECT_EQ(elDraw::Error("Draw::Screen", "x", 0), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Draw::Screen : x\n");
  EXPECT_EQ(elDraw::Error(), 1);
}

}  // namespace
