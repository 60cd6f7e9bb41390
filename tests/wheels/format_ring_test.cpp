#include "wheels/format_ring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FormatRing, TenBuffersInTurnThenTheFirstAgain) {
  format_ring.next = 0;
  const FormattedText first = FormatInRing("%u", 0u);
  for (unsigned k = 1; k < 10; ++k) FormatInRing("%u", k);
  EXPECT_EQ(format_ring.next, 0);
  FormatInRing("%s", "sring");
  EXPECT_EQ(format_ring.next, 1);
  EXPECT_STREQ(format_ring.buffers[0], "sring");
  EXPECT_STREQ(format_ring.buffers[9], "9");
  EXPECT_STREQ(first.text, "0");  // the caller's copy outlives its buffer
}

TEST(FormatRing, TextsAreCutAtTheBufferSize) {
  format_ring.next = 7;
  const std::string long_name(5000, 'x');
  const FormattedText copy = FormatInRing("%s", long_name.c_str());
  EXPECT_EQ(copy.length, 4095u);
  EXPECT_EQ(std::string(format_ring.buffers[7]), long_name.substr(0, 4095));
  EXPECT_EQ(format_ring.next, 8);
}

}  // namespace
