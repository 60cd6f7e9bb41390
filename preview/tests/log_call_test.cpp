#include "log_call.h"

#include <gtest/gtest.h>

#include <cmath>

namespace preview {
namespace {

TEST(LogCall, ReadsEveryKindOfArgument) {
  const LogCall call = parse_log_line(
      R"(12 HostSprite.Draw "star \"x\" \\ \n \u0007 \ud800 é" null -3 2.4107144 -0 inf)");
  EXPECT_EQ(call.frame, 12);
  EXPECT_EQ(call.name, "HostSprite.Draw");
  ASSERT_EQ(call.size(), 6u);
  EXPECT_EQ(call.text(0), "star \"x\" \\ \n \a \xEF\xBF\xBD \xC3\xA9");
  EXPECT_EQ(call.text(1), std::nullopt);
  EXPECT_EQ(call.i(2), -3);
  EXPECT_EQ(call.f(3), 2.4107144f);
  EXPECT_EQ(call.f(4), 0.0f);
  EXPECT_TRUE(std::signbit(call.f(4)));
  EXPECT_TRUE(std::isinf(call.f(5)));
  EXPECT_TRUE(call.is_text(0));
  EXPECT_FALSE(call.is_text(1));
}

TEST(LogCall, ACallWithoutArguments) {
  const LogCall call = parse_log_line("0 HostTxd.PopCurrent");
  EXPECT_EQ(call.name, "HostTxd.PopCurrent");
  EXPECT_EQ(call.size(), 0u);
}

TEST(LogCall, LinesThatAreNotDrawLogLinesAreRefused) {
  const char* const lines[] = {"",
                               "HostText.Print 1 2",
                               "x HostText.Print",
                               "3",
                               "3 ",
                               "3 HostText.Print  1",
                               "3 HostText.Print 1 ",
                               R"(3 HostText.Print "open)",
                               R"(3 HostText.Print "a"b)",
                               R"(3 HostText.Print "\q")",
                               R"(3 HostText.Print "\u12")"};
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    EXPECT_THROW(parse_log_line(line), LogError);
  }
}

TEST(LogCall, ArgumentsReadAsWhatTheyAreNotThrow) {
  const LogCall call = parse_log_line(R"(1 HostText.SetScale "1" 1.5 x)");
  EXPECT_THROW(call.f(0), LogError);
  EXPECT_THROW(call.i(1), LogError);
  EXPECT_THROW(call.f(2), LogError);
  EXPECT_THROW(call.text(1), LogError);
  EXPECT_THROW(call.f(3), LogError);
}

}  // namespace
}  // namespace preview
