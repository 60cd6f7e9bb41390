// Instruction writers and call decoding on real host image code.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "os_shim.h"
#include "runtime/injector/hooking.h"
#include "runtime/injector/host_code.h"

namespace {

using host_code::address_of;
using host_code::read;
using refhost::os_shim::fail_next_protections;
using refhost::os_shim::kPageExecuteRead;
using refhost::os_shim::protect_calls;
using refhost::os_shim::protection_at;

class InstructionWritersTest : public testing::Test {
 protected:
  void TearDown() override { fail_next_protections(0); }
  void Write(const std::vector<std::uint8_t>& bytes) {
    host_code::write(site, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  }

  std::uint8_t* site = host_code::at(host_code::kScratch);          // instructions go here
  std::uint8_t* slot = host_code::at(host_code::kScratch + 0x100);  // a pointer in memory
  std::uint32_t from = address_of(site);
};

TEST_F(InstructionWritersTest, DecodesDestinations) {
  host_code::write32(slot, 0x00C0FFEE);
  auto rel = [](std::uint8_t opcode, std::uint32_t displacement) {
    const auto b = host_code::instruction(opcode, displacement);
    return std::vector<std::uint8_t>(b.begin(), b.end());
  };
  auto indirect = [](std::uint8_t modrm, std::uint32_t where) {
    std::vector<std::uint8_t> bytes{0xFF, modrm, 0, 0, 0, 0};
    std::memcpy(bytes.data() + 2, &where, 4);
    return bytes;
  };
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {"call forward", rel(0xE8, 0x100), from + 5 + 0x100},
      {"call backward, below the site", rel(0xE8, -0x40u), from - 0x3B},
      {"jump backward", rel(0xE9, -0x1000u), from - 0xFFB},
      {"call wrapping past 2^32", rel(0xE8, 0u - from + 0x10), 0x15},
      {"jump wrapping below 0", rel(0xE9, 0u - from - 0x25), 0xFFFFFFE0u},
      {"call [m32]: the pointer stored there", indirect(0x15, address_of(slot)), 0x00C0FFEE},
      {"jmp [m32] too", indirect(0x25, address_of(slot)), 0x00C0FFEE},
      {"call [0]", indirect(0x15, 0), 0},
      {"call [m32] outside the host", indirect(0x15, 0x00001000), 0},
      {"call eax", {0xFF, 0xD0}, 0},
      {"push [m32]", indirect(0x35, address_of(slot)), 0},
      {"call [esp+disp]", indirect(0x14, address_of(slot)), 0},
      {"nop", {0x90}, 0},
      {"ret", {0xC3}, 0},
      {"short jump", {0xEB, 0x10}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Write(c.bytes);
    EXPECT_EQ(address_of(injector::call_target_of(site)), c.expected);
  }
}

// Original -> patched, for call and jump, to targets either side of the site.
TEST_F(InstructionWritersTest, PatchCallAndJumpWriteRelativeInstructions) {
  const auto original = host_code::relative(0xE8, site, slot);
  for (std::uint32_t to : {from + 0x1234, from - 0x800, from, from + 0x90000000u}) {
    SCOPED_TRACE(testing::Message() << "target " << std::hex << to);
    void* const target = host_code::pointer_to(to);
    host_code::write(site, original.data(), 5);
    EXPECT_EQ(injector::patch_call(site, target), slot) << "the old destination";
    EXPECT_EQ(read(site), host_code::relative(0xE8, site, target));
    EXPECT_EQ(injector::call_target_of(site), target);

    host_code::write(site, original.data(), 5);
    injector::patch_jump(site, target);
    EXPECT_EQ(read(site), host_code::relative(0xE9, site, target));
    EXPECT_EQ(protection_at(site), kPageExecuteRead) << "protection put back";
  }
  Write({0x90, 0x90, 0x90, 0x90, 0x90, 0xCC});
  EXPECT_EQ(injector::patch_call(site, slot), nullptr) << "no old destination";
  EXPECT_EQ(read<6>(site)[5], 0xCC) << "only five bytes written";
}

TEST_F(InstructionWritersTest, EachGuardedRangeCostsTwoProtectionChanges) {
  struct Case {
    const char* name;
    void (*run)(void* site, void* target);
    int changes;
  };
  const Case cases[] = {
      // opcode and operand to decode, then opcode and operand to write
      {"patch_call", [](void* s, void* t) { injector::patch_call(s, t); }, 8},
      {"patch_jump", [](void* s, void* t) { injector::patch_jump(s, t); }, 8},
      {"call_target_of", [](void* s, void*) { injector::call_target_of(s); }, 4},
      {"patch_return", [](void* s, void*) { injector::patch_return(s); }, 2},
      {"read_code_dword", [](void* s, void*) { injector::read_code_dword(s); }, 2},
  };
  const auto call = host_code::relative(0xE8, site, slot);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host_code::write(site, call.data(), 5);
    const int before = protect_calls();
    c.run(site, slot);
    EXPECT_EQ(protect_calls() - before, c.changes);
  }
}

// Refused protection changes skip the access: reads give 0, and a patched
// instruction is all old or all new, never half of each.
TEST_F(InstructionWritersTest, RefusedProtectionSkipsTheAccess) {
  const auto original = host_code::relative(0xE8, site, slot);
  void* const target = host_code::at(host_code::kScratch + 0x40);
  for (std::uint8_t opcode : {0xE8, 0xE9}) {
    for (int refusals = 0; refusals <= 4; ++refusals) {
      SCOPED_TRACE(testing::Message() << "opcode " << int{opcode} << ", refusals " << refusals);
      host_code::write(site, original.data(), 5);
      fail_next_protections(refusals);
      if (opcode == 0xE8) {
        injector::patch_call(site, target);
      } else {
        injector::patch_jump(site, target);
      }
      fail_next_protections(0);
      // The first refusal only hits the decoding read.
      EXPECT_EQ(read(site), refusals <= 1 ? host_code::relative(opcode, site, target) : original);
      EXPECT_EQ(protection_at(site), kPageExecuteRead);
    }
  }
  Write({0x55, 0x89, 0xE5, 0x53, 0x90});
  fail_next_protections(1);
  injector::patch_return(site);
  fail_next_protections(1);
  EXPECT_EQ(injector::read_code_dword(site), 0u);
  EXPECT_EQ(injector::read_code_dword(site), 0x53E58955u);
  injector::patch_return(site);
  EXPECT_EQ(read(site), (std::array<std::uint8_t, 5>{0xC3, 0x00, 0x00, 0x00, 0x90}));

  // Memory that is not the host's: VirtualProtect refuses it.
  const std::uint8_t outside[5] = {0xE8, 0x10, 0x00, 0x00, 0x00};
  EXPECT_EQ(injector::call_target_of(const_cast<std::uint8_t*>(outside)), nullptr);
}

// Host code is watched at every protection change the writers make, as a
// second thread or a debugger would see it between them: the bytes are the
// old instruction or the new one, never the new opcode before the old operand.
struct Watched {
  const std::uint8_t* at;
  std::array<std::uint8_t, 5> before;
  std::array<std::uint8_t, 5> after;
  int mixed;
};

void watch_site(void* context) {
  Watched& w = *static_cast<Watched*>(context);
  const auto now = read(w.at);
  if (now != w.before && now != w.after) ++w.mixed;
}

TEST_F(InstructionWritersTest, NoProtectionChangeSeesHalfAnInstruction) {
  const std::array<std::uint8_t, 5> routine = {0x55, 0x89, 0xE5, 0x53, 0x90};
  void* const target = host_code::at(host_code::kScratch + 0x40);
  for (std::uint8_t opcode : {0xE8, 0xE9}) {
    SCOPED_TRACE(int{opcode});
    Write({routine.begin(), routine.end()});
    Watched w{site, routine, host_code::relative(opcode, site, target), 0};
    refhost::os_shim::observe_protections(watch_site, &w);
    if (opcode == 0xE8) {
      injector::patch_call(site, target);
    } else {
      injector::patch_jump(site, target);
    }
    refhost::os_shim::observe_protections(nullptr, nullptr);
    EXPECT_EQ(read(site), w.after);
    EXPECT_EQ(w.mixed, 0);
  }
}

TEST_F(InstructionWritersTest, OperandAcrossAPageEndLeavesBothPagesAsTheyWere) {
  std::uint8_t* const near_end = host_code::at(host_code::kScratch + 0xFFE);
  void* const target = host_code::at(host_code::kScratch + 0x40);
  for (std::uint8_t opcode : {0xE8, 0xE9}) {
    SCOPED_TRACE(int{opcode});
    if (opcode == 0xE8) {
      injector::patch_call(near_end, target);
    } else {
      injector::patch_jump(near_end, target);
    }
    EXPECT_EQ(read(near_end), host_code::relative(opcode, near_end, target));
    EXPECT_EQ(protection_at(near_end), kPageExecuteRead);
    EXPECT_EQ(protection_at(near_end + 2), kPageExecuteRead) << "the next page";
  }
}

TEST_F(InstructionWritersTest, OperandThatCannotBeWrittenLeavesTheOpcode) {
  // The image's last byte: the operand after it lies on a page the host does
  // not own, so its guard is refused and nothing is written.
  std::uint8_t* last = host_code::at(host_code::kLastImageByte);
  const std::uint8_t kept = *last;
  for (std::uint8_t old_opcode : {0x90, 0xE8}) {
    SCOPED_TRACE(int{old_opcode});
    *last = old_opcode;  // data pages are writable
    EXPECT_EQ(injector::call_target_of(last), nullptr) << "not last + 5";
    injector::patch_jump(last, site);
    EXPECT_EQ(*last, old_opcode);
    injector::patch_call(last, site);
    EXPECT_EQ(*last, old_opcode);
  }
  *last = kept;
}

}  // namespace
