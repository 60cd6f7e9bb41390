#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "settings/ini_file.h"

namespace {

struct Position {
  std::string key;
  std::uint32_t line;
  std::uint32_t key_column;
  std::uint32_t value_column;

  friend bool operator==(const Position&, const Position&) = default;
};

void PrintTo(const Position& p, std::ostream* os) {
  *os << p.key << "@" << p.line << ":" << p.key_column << ":" << p.value_column;
}

std::vector<Position> Positions(const IniFile& file) {
  std::vector<Position> positions;
  for (const IniEntry& e : file.entries()) {
    positions.push_back({e.key, e.line, e.key_column, e.value_column});
  }
  return positions;
}

// Lines count line feeds only; comment and empty lines still count; columns
// are 1-based bytes.
TEST(EntryPositionTest, LinesAndColumns) {
  const IniFile file = IniFile::FromText(
      "# comment\n"
      "\n"
      "A = 1\r\n"
      "  \tB==  22 ; note\n"
      "C\n"
      "D 1\r2\n"
      " \t \n"
      "\xEF\xBB\xBF"
      "E 5");
  EXPECT_EQ(Positions(file), (std::vector<Position>{{"A", 3, 1, 5},
                                                    {"B", 4, 4, 9},
                                                    {"C", 5, 1, 0},
                                                    {"D", 6, 1, 3},
                                                    {"", 7, 0, 0},
                                                    {"\xEF\xBB\xBF"
                                                     "E",
                                                     8, 1, 6}}));
}

TEST(EntryPositionTest, AbsentEntriesHaveNoPosition) {
  IniFile file = IniFile::FromText("A 1\n");
  const IniEntry& missing = file.Lookup("B");
  EXPECT_EQ(missing.line, 0u);
  EXPECT_EQ(missing.key_column, 0u);
  EXPECT_EQ(missing.value_column, 0u);
}

}  // namespace
