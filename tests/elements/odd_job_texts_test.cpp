#include "elements/odd_job_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/host_interface.h"
#include "runtime/host_text.h"
#include "support/element_test.h"

namespace {

class OddJobTexts : public ElementTest {
 protected:
  static void Fill(int slot, const std::u16string& text) {
    for (std::size_t k = 0; k <= text.size(); ++k) BigMessageSlot(slot)[k] = text.c_str()[k];
  }
  static std::vector<std::string> Printed() {
    std::vector<std::string> out;
    for (const auto& call : Calls("HostText.Print")) out.push_back(call.text());
    return out;
  }
};

TEST_F(OddJobTexts, ResultTextGivesWayToTheMissionTitle) {
  Fill(3, u"Checkpoint");
  Fill(4, u"Best lap");
  DrawOddJobTexts();
  EXPECT_EQ(Printed(), (std::vector<std::string>{
                           "HostText.Print 960 241.07143 \"Checkpoint\"",  // sy(140) - sy(40)
                           "HostText.Print 960 337.5 \"Best lap\""}));     // sy(140)
  EXPECT_EQ(Calls("HostText.SetLineWidth").at(1).float_arg(0), 1395.0f);   // sx(620)
  Fill(1, u"Title");
  ClearLog();
  DrawOddJobTexts();
  EXPECT_EQ(Printed(), (std::vector<std::string>{"HostText.Print 960 241.07143 \"Checkpoint\""}));
}

TEST_F(OddJobTexts, RepeatingTextCyclesThroughItsPhasesAndPauses) {
  Fill(5, u"Again");
  const float slides[] = {380.0f, 340.0f, 300.0f, 260.0f, 220.0f, 220.0f - 220.0f / 6.0f};
  for (float slide : slides) {
    DrawOddJobTexts();
    EXPECT_FLOAT_EQ(HostOddJob::Slide(), slide);
  }
  // Each wait is bounded, so that a text stuck in a phase fails here instead
  // of hanging the suite.
  constexpr int kMaxCalls = 10000;
  int calls = 0;
  for (; HostOddJob::Phase() == 1 && calls < kMaxCalls; ++calls) DrawOddJobTexts();
  ASSERT_EQ(HostOddJob::Phase(), 2);
  // From 183.3 a sixth a call down to 2 or below (1.92) takes 25 calls; the
  // 26th turns to phase 2.
  EXPECT_EQ(calls, 26);
  EXPECT_EQ(HostOddJob::HoldTimer(), 0);
  for (int call = 1; call < 76; ++call) DrawOddJobTexts();
  EXPECT_EQ(HostOddJob::Phase(), 2);
  DrawOddJobTexts();
  EXPECT_EQ(HostOddJob::HoldTimer(), 1520);  // the 76th call
  EXPECT_EQ(HostOddJob::Phase(), 3);
  const float before = HostOddJob::Slide();
  DrawOddJobTexts();
  EXPECT_EQ(HostOddJob::Slide(), before - 30.0f);
  for (calls = 0; HostOddJob::Phase() == 3 && calls < kMaxCalls; ++calls) DrawOddJobTexts();
  ASSERT_EQ(HostOddJob::Phase(), 0);
  // 30 a call from -28.08 to below -380: 12 more calls.
  EXPECT_EQ(calls, 12);
  EXPECT_EQ(HostOddJob::PauseTimer(), 5000.0f);
  const std::size_t drawn = Printed().size();
  EXPECT_EQ(Printed().back(), "HostText.Print 960 491.7857 \"Again\"");  // H/2 - sy(20)
  DrawOddJobTexts();
  EXPECT_EQ(Printed().size(), drawn);  // paused: nothing drawn, the pause runs down
  EXPECT_EQ(HostOddJob::PauseTimer(), 4980.0f);
  Fill(5, u"");
  DrawOddJobTexts();
  EXPECT_EQ(HostOddJob::PauseTimer(), 4960.0f);  // with no text as well
}

TEST_F(OddJobTexts, RepeatingTextAdvancesUnderATitleWithoutDrawing) {
  Fill(5, u"Again");
  Fill(1, u"Title");
  DrawOddJobTexts();
  EXPECT_EQ(HostOddJob::Phase(), 1);
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
