#include "services/text_printer.h"

#include "draw_log.h"
#include "routines.h"

namespace refhost {

TextStyle& text_style() {
  static TextStyle style;
  return style;
}

namespace {

DrawLog& log_call(HostId id) { return draw_log().call(host_symbol(id).name); }

DrawLog& log_colour(DrawLog& log, const Rgba* c) {
  if (c == nullptr) return log.i(-1);
  return log.i(c->r).i(c->g).i(c->b).i(c->a);
}

HOST_THISCALL Rgba* colour_make(Rgba* colour, int r, int g, int b, int a) {
  log_call(HostId::HostColour_Make).i(r & 0xFF).i(g & 0xFF).i(b & 0xFF).i(a & 0xFF);
  *colour = Rgba{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                 static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(a)};
  return colour;
}

HOST_CDECL void set_scale(float x, float y) {
  log_call(HostId::HostText_SetScale).f(x).f(y);
  text_style().scale_x = x;
  text_style().scale_y = y;
}

// Each style setter records its call and keeps the value for later prints.
template <HostId Id, Rgba TextStyle::*Field>
HOST_CDECL void set_style_colour(const Rgba* colour) {
  log_colour(log_call(Id), colour);
  if (colour) text_style().*Field = *colour;
}

template <HostId Id, int TextStyle::*Field>
HOST_CDECL void set_style_int(int value) {
  log_call(Id).i(value);
  text_style().*Field = value;
}

template <HostId Id, float TextStyle::*Field>
HOST_CDECL void set_style_float(float value) {
  log_call(Id).f(value);
  text_style().*Field = value;
}

// The switches only matter to the host's renderer; centring and alignment are
// kept so that the printed position can be read back.
template <HostId Id>
HOST_CDECL void text_switch() {
  log_call(Id);
  if (Id == HostId::HostText_CentreOn) text_style().centred = true;
  if (Id == HostId::HostText_CentreOff) text_style().centred = false;
  if (Id == HostId::HostText_AlignRight) text_style().right_aligned = true;
  if (Id == HostId::HostText_ModeE) text_style().right_aligned = false;
}

HOST_CDECL void print(float x, float y, const char16_t* text) {
  log_call(HostId::HostText_Print).f(x).f(y).text(text);
}

HOST_CDECL void print_variant(float x, float y, const char16_t* text) {
  log_call(HostId::HostText_PrintVariant).f(x).f(y).text(text);
}

HOST_CDECL void ascii_to_wide(const char* text, char16_t* wide) {
  log_call(HostId::HostText_AsciiToWide).text(text);
  if (text == nullptr || wide == nullptr) return;
  std::size_t k = 0;
  for (; text[k] != '\0'; ++k) wide[k] = static_cast<unsigned char>(text[k]);
  wide[k] = 0;
}

}  // namespace

void register_text_services() {
  implement<HostId::HostColour_Make>(colour_make);
  implement<HostId::HostText_SetScale>(set_scale);
  implement<HostId::HostText_SetColour>(
      set_style_colour<HostId::HostText_SetColour, &TextStyle::colour>);
  implement<HostId::HostText_SetShadowSize>(
      set_style_int<HostId::HostText_SetShadowSize, &TextStyle::shadow_size>);
  implement<HostId::HostText_SetShadowColour>(
      set_style_colour<HostId::HostText_SetShadowColour, &TextStyle::shadow_colour>);
  implement<HostId::HostText_SetFont>(set_style_int<HostId::HostText_SetFont, &TextStyle::font>);
  implement<HostId::HostText_SetWrapX>(
      set_style_float<HostId::HostText_SetWrapX, &TextStyle::wrap_x>);
  implement<HostId::HostText_SetLineWidth>(
      set_style_float<HostId::HostText_SetLineWidth, &TextStyle::line_width>);
  implement<HostId::HostText_SetBoxColour>(
      set_style_colour<HostId::HostText_SetBoxColour, &TextStyle::box_colour>);
  implement<HostId::HostText_SetFadeAlpha>(
      set_style_float<HostId::HostText_SetFadeAlpha, &TextStyle::fade_alpha>);
  implement<HostId::HostText_SetModeI>(
      set_style_int<HostId::HostText_SetModeI, &TextStyle::mode_i>);
  implement<HostId::HostText_CentreOn>(text_switch<HostId::HostText_CentreOn>);
  implement<HostId::HostText_CentreOff>(text_switch<HostId::HostText_CentreOff>);
  implement<HostId::HostText_ModeA>(text_switch<HostId::HostText_ModeA>);
  implement<HostId::HostText_ModeC>(text_switch<HostId::HostText_ModeC>);
  implement<HostId::HostText_ModeB>(text_switch<HostId::HostText_ModeB>);
  implement<HostId::HostText_ModeL>(text_switch<HostId::HostText_ModeL>);
  implement<HostId::HostText_ModeE>(text_switch<HostId::HostText_ModeE>);
  implement<HostId::HostText_AlignRight>(text_switch<HostId::HostText_AlignRight>);
  implement<HostId::HostText_ModeJ>(text_switch<HostId::HostText_ModeJ>);
  implement<HostId::HostText_ModeD>(text_switch<HostId::HostText_ModeD>);
  implement<HostId::HostText_ModeK>(text_switch<HostId::HostText_ModeK>);
  implement<HostId::HostText_ModeG>(text_switch<HostId::HostText_ModeG>);
  implement<HostId::HostText_ModeH>(text_switch<HostId::HostText_ModeH>);
  implement<HostId::HostText_Print>(print);
  implement<HostId::HostText_PrintVariant>(print_variant);
  implement<HostId::HostText_AsciiToWide>(ascii_to_wide);
}

}  // namespace refhost
