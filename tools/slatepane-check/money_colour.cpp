#include "money_colour.h"

#include <optional>

#include "settings/read_settings.h"

namespace {

std::string Components(int r, int g, int b) {
  return std::to_string(r) + " " + std::to_string(g) + " " + std::to_string(b);
}

}  // namespace

std::string MoneyDrawnText(Rgba written) { return Components(written.r, written.b, written.g); }

std::vector<Finding> CheckMoneyColour(SettingsFile& colours) {
  const std::optional<IniEntry> entry = EntryThatCounts(colours, "MONEY_COLOR");
  if (!entry || entry->value.empty()) return {};
  HudColours read;
  ReadColourScheme(colours.ini, read);
  const Rgba c = read.MONEY_COLOR;
  if (c.g == c.b) return {};
  return {MakeFinding(Severity::kNote, colours.path, entry->line, entry->value_column,
                      "money-colour",
                      "the money draws this as " + MoneyDrawnText(c) +
                          ": its green and blue trade places on screen; to see " +
                          Components(c.r, c.g, c.b) + ", write " + MoneyDrawnText(c))};
}
