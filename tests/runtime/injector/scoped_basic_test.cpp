// Saved-bytes records: exactly the saved bytes go back, once.
#include "runtime/injector/scoped_basic.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "os_shim.h"
#include "runtime/injector/host_code.h"

namespace {

using host_code::read;
using refhost::os_shim::fail_next_protections;
using refhost::os_shim::kPageExecuteRead;
using refhost::os_shim::protect_calls;
using refhost::os_shim::protection_at;

using Bytes = std::array<std::uint8_t, 8>;
constexpr Bytes kOriginal = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
constexpr Bytes kOverwritten = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};

// The first `size` bytes original, the rest overwritten.
Bytes Restored(std::uint32_t size) {
  Bytes bytes = kOverwritten;
  for (std::uint32_t i = 0; i < size; ++i) bytes[i] = kOriginal[i];
  return bytes;
}

class ScopedBasicTest : public testing::Test {
 protected:
  void SetUp() override {
    host_code::write(code, kOriginal.data(), 8);
    host_code::write(other, kOriginal.data(), 8);
  }
  void TearDown() override { fail_next_protections(0); }
  static void Overwrite(std::uint8_t* where) { host_code::write(where, kOverwritten.data(), 8); }

  std::uint8_t* code = host_code::at(host_code::kScratch + 0x200);
  std::uint8_t* other = host_code::at(host_code::kScratch + 0x240);
};

// original -> saved and overwritten -> restored -> restored again: only the
// saved bytes come back, and only once.
TEST_F(ScopedBasicTest, RestoresExactlyTheSavedBytesOnce) {
  for (std::uint32_t size = 0; size <= 5; ++size) {
    SCOPED_TRACE(testing::Message() << "size " << size);
    host_code::write(code, kOriginal.data(), 8);
    injector::scoped_call record;
    record.save(code, size, true);
    EXPECT_TRUE(record.saved());
    EXPECT_EQ(record.address(), code);
    EXPECT_EQ(record.size(), size);
    Overwrite(code);
    record.restore();
    EXPECT_FALSE(record.saved());
    EXPECT_EQ(read<8>(code), Restored(size));
    EXPECT_EQ(protection_at(code), kPageExecuteRead);

    Overwrite(code);
    const int before = protect_calls();
    record.restore();
    EXPECT_EQ(protect_calls(), before);
    EXPECT_EQ(read<8>(code), kOverwritten);
  }
  host_code::write(code, kOriginal.data(), 8);
  {
    injector::scoped_call record;
    record.save(code, 5, true);
    Overwrite(code);
  }
  EXPECT_EQ(read<8>(code), Restored(5)) << "destruction restores";
}

TEST_F(ScopedBasicTest, SecondSaveFirstPutsTheOldBytesBack) {
  struct Counting : injector::scoped_call {
    int restores = 0;
    void restore() override {
      ++restores;
      injector::scoped_call::restore();
    }
  };
  {
    Counting record;
    record.save(code, 3, true);
    Overwrite(code);
    record.save(other, 5, true);
    EXPECT_EQ(record.restores, 2) << "through the virtual slot";
    EXPECT_EQ(read<8>(code), Restored(3));
    EXPECT_EQ(record.address(), other);
    Overwrite(other);
  }
  EXPECT_EQ(read<8>(other), Restored(5));

  std::uint8_t plain[5] = {1, 2, 3, 4, 5};
  const int before = protect_calls();
  {
    injector::scoped_call record;
    record.save(plain, 5, false);
    plain[0] = plain[4] = 0;
  }
  EXPECT_EQ(protect_calls(), before) << "unprotect = false: no guard";
  EXPECT_EQ(plain[0] + plain[4], 6);
}

TEST_F(ScopedBasicTest, RefusedProtectionNeverWritesUnreadBytes) {
  {
    injector::scoped_call record;
    fail_next_protections(1);
    record.save(code, 5, true);
    EXPECT_FALSE(record.saved()) << "nothing read, so nothing to write back";
    Overwrite(code);
  }
  EXPECT_EQ(read<8>(code), kOverwritten);

  host_code::write(code, kOriginal.data(), 8);
  {
    injector::scoped_call record;
    record.save(code, 5, true);
    Overwrite(code);
    fail_next_protections(1);
    record.restore();
    EXPECT_TRUE(record.saved()) << "kept for a retry";
    EXPECT_EQ(read<8>(code), kOverwritten);
    fail_next_protections(1);
    record.save(other, 5, true);
    EXPECT_EQ(record.address(), code) << "the unrestored bytes are not dropped";
  }
  EXPECT_EQ(read<8>(code), Restored(5));
}

TEST(ScopedBasicDeathTest, SavingMoreThanTheBufferStopsTheProcess) {
  std::uint8_t plain[8] = {};
  injector::scoped_call record;
  EXPECT_DEATH(record.save(plain, 6, false),
               "plugin-sdk.injector.hooking:83: .*Assertion .size <= bufsize. failed");
  injector::scoped_basic<8> wider;
  wider.save(plain, 6, false);
  EXPECT_TRUE(wider.saved());
}

}  // namespace
