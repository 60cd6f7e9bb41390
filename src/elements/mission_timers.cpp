#include "elements/mission_timers.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "frame/scaling.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "runtime/host_text.h"
#include "runtime/sprite_holders.h"
#include "settings/hud_settings.h"

namespace {

// The host's on-screen timer record: the timer's entry, then the three
// counters', 60 bytes each. Text fields run up to the next field.
constexpr std::size_t kEntryBytes = 60;
constexpr int kCounters = 3;
constexpr std::size_t kKey = 0;  // both kinds: description key, 10 bytes
constexpr std::size_t kKeyBytes = 10;
constexpr std::size_t kTimerText = 10;  // 42 bytes
constexpr std::size_t kTimerActive = 52;
constexpr std::size_t kCounterKind = 10;   // 16-bit: 0 number, else bar
constexpr std::size_t kCounterValue = 12;  // 42 bytes
constexpr std::size_t kCounterActive = 54;
constexpr std::size_t kValueBytes = 42;

SpriteHolder& TimerBarSprite = HudSet[4];

const std::uint8_t* Entry(int k) {
  return HostOnscreenTimer::Entries() + kEntryBytes * static_cast<std::size_t>(k);
}
const std::uint8_t* Counter(int i) { return Entry(1 + i); }

bool TimerActive() { return read_field<std::uint8_t>(Entry(0), kTimerActive) != 0; }
bool CounterActive(int i) { return read_field<std::uint8_t>(Counter(i), kCounterActive) != 0; }

float Wf() { return static_cast<float>(HostScreen::Width()); }
float Hf() { return static_cast<float>(HostScreen::Height()); }
float R(float x) { return Wf() - FontScaleX(x); }
float B(float y) { return Hf() - FontScaleY(y); }

// A new item blinks: its counter runs from 1 past 50 and then rests at 0; the
// item shows in the frames whose host frame counter has bit 2 set, or once
// the counter rests.
bool Blink(std::int16_t& flash) {
  if (flash != 0) {
    flash = static_cast<std::int16_t>(flash + 1);
    if (flash > 50) flash = 0;
  }
  return (HostTime::FrameCounter() & 4) != 0 || flash == 0;
}

// The 8-bit host text at `offset` of an entry, widened by the host.
const char16_t* Widened(const std::uint8_t* entry, std::size_t offset,
                        char (&text)[kValueBytes + 1], char16_t (&wide)[kValueBytes + 1]) {
  HostText::AsciiToWide(CopyRecordText(text, entry, offset), wide);
  return wide;
}

void SetMainScale() {
  const FloatPair k = hud_settings.MISSIONTIMERS_SCALE;
  HostText::SetScale(FontScaleX(k.first), FontScaleY(k.second));
}

void SetBlackShadow() {
  HostText::SetShadowSize(2);
  Rgba black;
  HostText::SetShadowColour(HostColour::Make(&black, 0, 0, 0, 255));
}

// The background sprite, `lift` font units above the timer's row.
void DrawBackground(float lift) {
  const HudSettings& s = hud_settings;
  const FloatRect rect{R(s.MISSIONTIMERS_BG_A.first), B(lift + s.MISSIONTIMERS_BG_B.second),
                       R(s.MISSIONTIMERS_BG_B.first), B(lift + s.MISSIONTIMERS_BG_A.second)};
  HostSprite::Draw(&TimerBarSprite, &rect, &s.colours.MISSIONTIMER_BG);
}

// Descriptions print 0.1 smaller per component; this scale is formed in
// double precision and rounded once.
void SetDescriptionScale() {
  const FloatPair k = hud_settings.MISSIONTIMERS_SCALE;
  const double w = Wf();
  const double h = Hf();
  const double sx = (k.first - 0.1) * w / 640.0 * 1.3333333730697632 / (w / h);
  const double sy = (k.second - 0.1) * h / 448.0;
  HostText::SetScale(static_cast<float>(sx), static_cast<float>(sy));
}

// The description under an item, when its key is not empty; `bottom` is the
// item's row height in font units.
void DrawDescription(const std::uint8_t* entry, float bottom, const Rgba& colour) {
  char key[kKeyBytes + 1];
  if (*CopyRecordText(key, entry, kKey) == 0) return;
  HostText::ModeA();
  SetDescriptionScale();
  HostText::SetColour(&colour);
  const HudSettings& s = hud_settings;
  HostText::Print(R(s.MISSIONTIMERS_POS_RIGHT) - FontScaleX(s.MISSIONTIMERS_TIMER_GAP),
                  B(bottom - s.MISSIONDESC_OFFSET), HostText::Lookup(key));
}

void DrawTimer() {
  std::uint8_t& seen = HostOnscreenTimer::TimerSeen();
  if (seen == 0) {
    HostOnscreenTimer::TimerFlash() = 1;
    seen = 1;
  }
  if (!Blink(HostOnscreenTimer::TimerFlash())) return;
  char text[kValueBytes + 1];
  char16_t wide[kValueBytes + 1];
  const char16_t* shown = Widened(Entry(0), kTimerText, text, wide);
  HostText::ModeA();
  HostText::AlignRight();
  SetMainScale();
  HostText::ModeB();
  HostText::SetModeI(0);
  HostText::SetFont(1);
  HostText::ModeC();
  HostText::ModeJ();
  SetBlackShadow();
  SetMainScale();
  HostText::SetColour(&hud_settings.colours.TIMER_COLOR);
  DrawBackground(0.0f);
  const HudSettings& s = hud_settings;
  HostText::Print(R(s.MISSIONTIMERS_POS_RIGHT), B(s.MISSIONTIMERS_POS_BOTTOM), shown);
  DrawDescription(Entry(0), s.MISSIONTIMERS_POS_BOTTOM, s.colours.TIMER_COLOR);
}

void DrawNumber(const std::uint8_t* counter, float gap) {
  char text[kValueBytes + 1];
  char16_t wide[kValueBytes + 1];
  const char16_t* shown = Widened(counter, kCounterValue, text, wide);
  HostText::ModeA();
  HostText::AlignRight();
  SetMainScale();
  HostText::CentreOff();
  HostText::ModeB();
  HostText::SetModeI(0);
  HostText::SetFont(1);
  HostText::SetWrapX(FontScaleX(640.0f));
  HostText::ModeC();
  HostText::ModeJ();
  SetBlackShadow();
  HostText::SetColour(&hud_settings.colours.COUNTER_COLOR);
  DrawBackground(gap);
  const HudSettings& s = hud_settings;
  HostText::Print(R(s.MISSIONTIMERS_POS_RIGHT), B(gap + s.MISSIONTIMERS_POS_BOTTOM - 0.5f), shown);
}

// A bar: the back, then the fill from the left edge, v percent of the way to
// the right edge (v is not limited, so the fill may overshoot either way).
void DrawBar(const std::uint8_t* counter, float gap) {
  char text[kValueBytes + 1];
  const long v = std::strtol(CopyRecordText(text, counter, kCounterValue), nullptr, 10);
  DrawBackground(gap);
  const HudSettings& s = hud_settings;
  const float a = s.MISSIONTIMERBAR_BG_A.first;
  const float bx = s.MISSIONTIMERBAR_BG_B.first;
  FloatRect rect{R(a), B(s.MISSIONTIMERBAR_BG_B.second + gap), R(bx),
                 B(s.MISSIONTIMERBAR_BG_A.second + gap)};
  HostSprite::DrawRect(&rect, &s.colours.MISSIONTIMERBAR_BG);
  const double w = Wf();
  const double h = Hf();
  const float span = a - bx;
  rect.right = static_cast<float>(w - (a - static_cast<double>(v) / 100.0 * span) * w / 640.0 *
                                          1.3333333730697632 / (w / h));
  HostSprite::DrawRect(&rect, &s.colours.MISSIONTIMERBAR_FG);
}

// All counters share one row, the gap above the timer's, and one blink counter.
void DrawCounter(int i) {
  std::uint8_t& seen = HostOnscreenTimer::CounterSeen()[i];
  if (seen == 0) {
    HostOnscreenTimer::CounterFlash() = 1;
    seen = 1;
  }
  if (!Blink(HostOnscreenTimer::CounterFlash())) return;
  const std::uint8_t* counter = Counter(i);
  const HudSettings& s = hud_settings;
  const float gap = s.MISSIONDESCTIMERAB_GAP;
  if (read_field<std::uint16_t>(counter, kCounterKind) == 0) {
    DrawNumber(counter, gap);
  } else {
    DrawBar(counter, gap);
  }
  DrawDescription(counter, gap + s.MISSIONTIMERS_POS_BOTTOM, s.colours.COUNTER_COLOR);
}

// An item that went away blinks again when it comes back.
void ForgetInactive() {
  if (!TimerActive()) HostOnscreenTimer::TimerSeen() = 0;
  for (int i = 0; i < kCounters; ++i) {
    if (!CounterActive(i)) HostOnscreenTimer::CounterSeen()[i] = 0;
  }
}

}  // namespace

void DrawMissionTimers() {
  ForgetInactive();
  if (HostOnscreenTimer::Shown() == 0) return;
  if (TimerActive()) DrawTimer();
  for (int i = 0; i < kCounters; ++i) {
    if (CounterActive(i)) DrawCounter(i);
  }
}
