#pragma once
// Prints host text onto the picture the way the reference host's printer lays
// it out (docs/preview.md):
// - font 0 is DejaVu Serif Bold, font 1 DejaVu Sans, font 2 DejaVu Sans Bold,
//   any other number DejaVu Sans;
// - at scale (sx, sy) a glyph's em is 32 x sx pixels wide and 16 x sy tall;
// - (x, y) is the top of the first line; lines start at x, are centred on it
//   (CentreOn) or end at it (AlignRight); centring wins over right alignment;
// - left-aligned lines wrap before the wrap x, centred and right-aligned ones
//   at the line width;
// - a box in the box colour sits behind each line when its opacity is not 0;
// - a shadow in the shadow colour lies size x H / 448 pixels right and down;
// - the fade alpha (0-255) scales the opacity of text, shadow and box.
#include <cairo.h>

#include <string>
#include <string_view>
#include <vector>

#include "text_style.h"

namespace preview {

struct TextLine {
  std::string text;
  double left = 0;
  double top = 0;
  double width = 0;
};

// Where each line of a print goes, for the printer and for tests.
struct TextLayout {
  std::vector<TextLine> lines;
  double line_height = 0;
  double ascent = 0;
};

class TextPainter {
 public:
  explicit TextPainter(int screen_height) : screen_height_(screen_height) {}

  TextLayout layout(cairo_t* cr, const TextStyle& style, float x, float y,
                    std::string_view text) const;
  void print(cairo_t* cr, const TextStyle& style, float x, float y, std::string_view text) const;

 private:
  int screen_height_;
};

// Selects the host font of the style at its glyph size on `cr`.
void select_host_font(cairo_t* cr, const TextStyle& style);

}  // namespace preview
