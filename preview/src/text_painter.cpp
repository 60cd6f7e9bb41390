#include "text_painter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace preview {

namespace {

struct HostFont {
  const char* family;
  cairo_font_weight_t weight;
};

constexpr HostFont kFonts[] = {{"DejaVu Serif", CAIRO_FONT_WEIGHT_BOLD},
                               {"DejaVu Sans", CAIRO_FONT_WEIGHT_NORMAL},
                               {"DejaVu Sans", CAIRO_FONT_WEIGHT_BOLD}};
constexpr double kEmWidthPerScale = 32.0;
constexpr double kEmHeightPerScale = 16.0;

double advance(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

// Words go onto a line while it stays within the limit; a word wider than the
// limit has a line of its own.
void wrap_paragraph(cairo_t* cr, std::string_view paragraph, double limit,
                    std::vector<std::string>& lines) {
  std::string line;
  std::size_t at = 0;
  while (at <= paragraph.size()) {
    const std::size_t end = std::min(paragraph.find(' ', at), paragraph.size());
    const std::string word(paragraph.substr(at, end - at));
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && advance(cr, longer) > limit) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
    at = end + 1;
  }
  lines.push_back(line);
}

double wrap_limit(const TextStyle& style, float x) {
  const double limit = style.centred || style.right_aligned ? style.line_width
                                                            : static_cast<double>(style.wrap_x) - x;
  return limit > 0 ? limit : std::numeric_limits<double>::infinity();
}

double line_left(const TextStyle& style, float x, double width) {
  if (style.centred) return x - width / 2;
  if (style.right_aligned) return x - width;
  return x;
}

Rgba faded(Rgba c, float fade_alpha) {
  const float fade = std::isnan(fade_alpha) ? 0.0f : std::clamp(fade_alpha, 0.0f, 255.0f);
  c.a = static_cast<std::uint8_t>(std::lround(static_cast<float>(c.a) * fade / 255.0f));
  return c;
}

void draw_boxes(cairo_t* cr, const TextLayout& layout, Rgba colour) {
  if (colour.a == 0) return;
  set_source(cr, colour);
  for (const TextLine& line : layout.lines) {
    cairo_rectangle(cr, line.left, line.top, line.width, layout.line_height);
  }
  cairo_fill(cr);
}

void draw_lines(cairo_t* cr, const TextLayout& layout, Rgba colour, double offset) {
  set_source(cr, colour);
  for (const TextLine& line : layout.lines) {
    cairo_move_to(cr, line.left + offset, line.top + layout.ascent + offset);
    cairo_show_text(cr, line.text.c_str());
  }
}

bool drawable(const TextStyle& style) {
  return std::isfinite(style.scale_x) && std::isfinite(style.scale_y) && style.scale_x > 0 &&
         style.scale_y > 0;
}

}  // namespace

void select_host_font(cairo_t* cr, const TextStyle& style) {
  const bool known = style.font >= 0 && style.font < static_cast<int>(std::size(kFonts));
  const HostFont& font = kFonts[known ? style.font : 1];
  cairo_select_font_face(cr, font.family, CAIRO_FONT_SLANT_NORMAL, font.weight);
  cairo_matrix_t size;
  cairo_matrix_init_scale(&size, kEmWidthPerScale * style.scale_x,
                          kEmHeightPerScale * style.scale_y);
  cairo_set_font_matrix(cr, &size);
  // Unhinted outlines: the same layout whatever the machine's font settings.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

TextLayout TextPainter::layout(cairo_t* cr, const TextStyle& style, float x, float y,
                               std::string_view text) const {
  TextLayout out;
  if (!drawable(style)) return out;
  select_host_font(cr, style);
  cairo_font_extents_t font;
  cairo_font_extents(cr, &font);
  out.line_height = font.height;
  out.ascent = font.ascent;
  std::vector<std::string> lines;
  const double limit = wrap_limit(style, x);
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    wrap_paragraph(cr, text.substr(at, end - at), limit, lines);
    at = end + 1;
  }
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const double width = advance(cr, lines[k]);
    out.lines.push_back(TextLine{lines[k], line_left(style, x, width),
                                 y + static_cast<double>(k) * out.line_height, width});
  }
  return out;
}

void TextPainter::print(cairo_t* cr, const TextStyle& style, float x, float y,
                        std::string_view text) const {
  cairo_save(cr);
  const TextLayout lines = layout(cr, style, x, y, text);
  draw_boxes(cr, lines, faded(style.box_colour, style.fade_alpha));
  if (style.shadow_size != 0) {
    const double offset = style.shadow_size * screen_height_ / 448.0;
    draw_lines(cr, lines, faded(style.shadow_colour, style.fade_alpha), offset);
  }
  draw_lines(cr, lines, faded(style.colour, style.fade_alpha), 0);
  cairo_restore(cr);
}

}  // namespace preview
