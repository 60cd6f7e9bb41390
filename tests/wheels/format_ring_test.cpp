#include "wheels/format_ring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FormatRing, TenBuffersInTurnEachCutAtItsSize) {
  format_ring.next = 0;
  const FormattedText first = FormatInRing("%u", 0u);
  for (unsigned k = 1; k < 10; ++k) FormatInRing("%u", k);
  EXPECT_EQ(format_ring.next, 0);
  const std::string long_name(5000, 'x');
  EXPECT_EQ(FormatInRing("%s", long_name.c_str()).length, 4095u);
  EXPECT_EQ(format_ring.next, 1);
  EXPECT_EQ(std::string(format_ring.buffers[0]), long_name.substr(0, 4095));
  EXPECT_STREQ(format_ring.buffers[9], "9");
  EXPECT_STREQ(first.text, "0");  // the caller's copy outlives its buffer
}

}  // namespace
