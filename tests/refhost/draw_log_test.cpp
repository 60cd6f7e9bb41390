#include "draw_log.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace {

TEST(DrawLog, FloatsReadBackExactly) {
  const float values[] = {2.25f,  2.4107144f,    1845.75f,  0.1f,      -0.0f,
                          1e-38f, 3.4028235e38f, 72.32143f, 1.3333334f};
  for (float v : values) {
    SCOPED_TRACE(v);
    refhost::RecordedCall call{0, "x", {refhost::format_float(v)}};
    const float back = call.float_arg(0);
    EXPECT_EQ(std::memcmp(&back, &v, sizeof(v)), 0);
  }
  EXPECT_EQ(refhost::format_float(2.4107144f), "2.4107144");
  EXPECT_EQ(refhost::format_float(1845.75f), "1845.75");
  EXPECT_EQ(refhost::format_float(-0.0f), "-0");
}

TEST(DrawLog, TextsAreQuotedUtf8) {
  EXPECT_EQ(refhost::format_text(std::u16string_view(u"$-250")), "\"$-250\"");
  EXPECT_EQ(refhost::format_text(std::u16string_view(u"say \"hi\"\\\n")),
            "\"say \\\"hi\\\"\\\\\\n\"");
  EXPECT_EQ(refhost::format_text(std::u16string_view(u"caf\u00e9 \u20ac")),
            "\"caf\xc3\xa9 \xe2\x82\xac\"");
  EXPECT_EQ(refhost::format_text(std::u16string_view(u"\U0001F600")), "\"\xf0\x9f\x98\x80\"");
  // A lone surrogate or a control character cannot be UTF-8: it is escaped.
  const char16_t lone[] = {0xD800, 0x0001, 0};
  EXPECT_EQ(refhost::format_text(std::u16string_view(lone)), "\"\\ud800\\u0001\"");
  EXPECT_EQ(refhost::format_text(std::string_view("\xe9")), "\"\xc3\xa9\"");  // Latin-1
}

TEST(DrawLog, OneCallPerLineWithItsFrame) {
  refhost::DrawLog log;
  log.set_frame(3);
  log.call("HostText.SetFont").i(2);
  log.call("HostText.Print").f(10.5f).f(-2.0f).text(u"07:05");
  log.set_frame(4);
  log.call("HostText.ModeA");
  std::ostringstream out;
  log.print(out);
  EXPECT_EQ(out.str(),
            "3 HostText.SetFont 2\n"
            "3 HostText.Print 10.5 -2 \"07:05\"\n"
            "4 HostText.ModeA\n");
  ASSERT_EQ(log.named("HostText.Print").size(), 1u);
  EXPECT_EQ(log.named("HostText.Print")[0].text_arg(2), "07:05");
  EXPECT_THROW(log.calls()[0].float_arg(1), std::out_of_range);
  EXPECT_THROW(log.calls()[1].int_arg(0), std::invalid_argument);
}

}  // namespace
