#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/el.h"
#include "engine/system/internal/system.h"
#include "tests/engine/system_fixture.h"
#include "tests/support/support.h"

namespace {

using el::system::PlatformFamily;
using test_support::Sjis;

TEST(SystemVersion, CodesByFamilyAndVersion) {
  struct Case {
    PlatformFamily family;
    int major, minor;
    int code;
  } cases[] = {
      {PlatformFamily::kWin16Host, 3, 11, 310}, {PlatformFamily::kConsumer, 4, 0, 950},
      {PlatformFamily::kConsumer, 4, 10, 980},  {PlatformFamily::kConsumer, 4, 90, 980},
      {PlatformFamily::kConsumer, 5, 2, 502},   {PlatformFamily::kNt, 5, 0, 2000},
      {PlatformFamily::kNt, 5, 1, 2000},        {PlatformFamily::kNt, 6, 1, 6010},
      {PlatformFamily::kNt, 4, 0, 4000},        {PlatformFamily::kOther, 6, 1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(el::system::VersionCode(c.family, c.major, c.minor), c.code)
        << static_cast<int>(c.family) << " " << c.major << "." << c.minor;
  }
  // This system is none of those families.
  EXPECT_EQ(elSystem::GetWindowsVersion(), -1);
}

TEST(ByteCounts, SaturateAtTheLargest32BitValueInsteadOfWrapping) {
  struct Case {
    uint64_t bytes;
    uint32_t result;
  } cases[] = {{0, 0},
               {123456789, 123456789},
               {0xFFFFFFFFull, 0xFFFFFFFFu},
               {0x100000000ull, 0xFFFFFFFFu},  // 4 GiB would wrap to 0
               {0x140000123ull, 0xFFFFFFFFu},
               {UINT64_MAX, 0xFFFFFFFFu}};
  for (const Case& c : cases) EXPECT_EQ(el::system::SaturateToU32(c.bytes), c.result) << c.bytes;
}

class SystemQueries : public test_support::SystemTest {};

TEST_F(SystemQueries, DateAndTimeAreInTheirRanges) {
  int year = 0, month = 0, day = 0;
  char week[3] = {'#', '#', '#'};
  elSystem::GetDate(&year, &month, &day, week);
  EXPECT_GE(year, 2000);
  EXPECT_TRUE(month >= 1 && month <= 12) << month;
  EXPECT_TRUE(day >= 1 && day <= 31) << day;
  const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
  bool known = false;
  for (const char* name : names) known = known || std::string(week) == Sjis(name);
  EXPECT_TRUE(known);
  int hour = -1, minute = -1, second = -1;
  elSystem::GetTime(&hour, &minute, &second);
  EXPECT_TRUE(hour >= 0 && hour <= 23) << hour;
  EXPECT_TRUE(minute >= 0 && minute <= 59) << minute;
  EXPECT_TRUE(second >= 0 && second <= 60) << second;
}

}  // namespace
