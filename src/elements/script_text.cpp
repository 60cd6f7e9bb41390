#include "elements/script_text.h"

#include <cstddef>
#include <cstdint>

#include "elements/odd_job_texts.h"
#include "frame/scaling.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "runtime/host_text.h"

namespace {

// One line record of the host's table; the bytes not named are not read.
constexpr int kLines = 48;
constexpr std::size_t kLineBytes = 244;
constexpr std::size_t kColour = 8;
constexpr std::size_t kSwitchA = 12;
constexpr std::size_t kSwitchC = 13;
constexpr std::size_t kSwitchD = 14;
constexpr std::size_t kSwitchE = 15;
constexpr std::size_t kLineWidth = 20;
constexpr std::size_t kBoxColour = 24;
constexpr std::size_t kSwitchF = 28;
constexpr std::size_t kSwitchB = 30;
constexpr std::size_t kFont = 32;
constexpr std::size_t kGeometryA = 36;
constexpr std::size_t kGeometryB = 40;
constexpr std::size_t kText = 44;
constexpr std::size_t kTextChars = 100;

// Render states the second routine sets on every call: nearest filtering,
// clamped texture addressing, no vertex alpha.
constexpr int kFilterState = 9;
constexpr int kAddressState = 2;
constexpr int kVertexAlphaState = 12;

bool Switch(const std::uint8_t* line, std::size_t offset) {
  return read_field<std::uint8_t>(line, offset) != 0;
}

// Each byte picks one routine of a pair.
void Pick(const std::uint8_t* line, std::size_t offset, void (*on)(), void (*off)()) {
  if (Switch(line, offset)) {
    on();
  } else {
    off();
  }
}

// Which of a record's floats the host means for scale and which for position
// is not known. This reading feeds the two at offsets 36 and 40 (a, b) into
// both: scale (sx(a), sy(b) * 0.5), position (sx(640 - a), sy(448 - b)), each
// by the font scale rule. The floats at offsets 0 and 4 are never read.
void PrintLine(const std::uint8_t* line) {
  const float a = read_field<float>(line, kGeometryA);
  const float b = read_field<float>(line, kGeometryB);
  HostText::SetScale(FontScaleX(a), FontScaleY(b) * 0.5f);
  const Rgba colour = read_field<Rgba>(line, kColour);
  HostText::SetColour(&colour);
  Pick(line, kSwitchA, HostText::ModeK, HostText::ModeG);
  Pick(line, kSwitchB, HostText::ModeB, HostText::ModeL);
  Pick(line, kSwitchC, HostText::CentreOn, HostText::CentreOff);
  HostText::SetWrapX(FontScaleX(400.0f));
  HostText::SetLineWidth(FontScaleX(read_field<float>(line, kLineWidth)));
  Pick(line, kSwitchD, HostText::ModeE, HostText::AlignRight);
  const Rgba box = read_field<Rgba>(line, kBoxColour);
  HostText::SetBoxColour(&box);
  Pick(line, kSwitchE, HostText::ModeJ, HostText::ModeD);
  Pick(line, kSwitchF, HostText::ModeA, HostText::ModeC);
  HostText::SetFont(read_field<std::int16_t>(line, kFont));
  char16_t text[kTextChars + 1];
  HostText::Print(FontScaleX(640.0f - a), FontScaleY(448.0f - b),
                  CopyRecordText(text, line, kText));
}

}  // namespace

void PrintScriptLines() {
  for (int r = 0; r < kLines; ++r) {
    const std::uint8_t* line = HostScriptText::Lines() + kLineBytes * static_cast<std::size_t>(r);
    // An empty first character marks a free record.
    if (read_field<char16_t>(line, kText) == 0) continue;
    PrintLine(line);
  }
}

void DrawScriptTextA() {
  if (HostText::ScriptTextsHidden() != 0) return;
  PrintScriptLines();
}

void DrawScriptTextB() {
  HostRender::SetState(kFilterState, 1);
  HostRender::SetState(kAddressState, 3);
  HostRender::SetState(kVertexAlphaState, 0);
  if (HostText::ScriptTextsHidden() != 0 || HostMenu::Active() == 1) return;
  PrintScriptLines();
  DrawOddJobTexts();
}
