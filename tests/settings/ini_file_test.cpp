#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;
using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs KeysAndValues(const IniFile& file) {
  Pairs pairs;
  for (const IniEntry& entry : file.entries()) pairs.emplace_back(entry.key, entry.value);
  return pairs;
}

// A file in a folder of its own under the temporary folder, both gone with
// the object: tests run in parallel processes, so no two may share a path.
class TempFile {
 public:
  explicit TempFile(const std::string& bytes) {
    std::string folder = (std::filesystem::temp_directory_path() / "slatepane-ini-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) throw std::runtime_error("cannot make a folder");
    folder_ = folder;
    path_ = folder_ + "/settings.ini";
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error("cannot write " + path_);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) throw std::runtime_error("cannot write " + path_);
  }
  ~TempFile() { std::filesystem::remove_all(folder_); }
  const char* path() const { return path_.c_str(); }

 private:
  std::string folder_;
  std::string path_;
};

// Bytes from a fixed linear congruential sequence: the same garbage every run.
std::string Garbage(std::size_t size) {
  std::string bytes(size, '\0');
  std::uint32_t state = 12345;
  for (char& c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

struct ScanCase {
  const char* name;
  std::string text;
  Pairs entries;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class LineScanTest : public testing::TestWithParam<ScanCase> {};

TEST_P(LineScanTest, ProducesTheseEntries) {
  const IniFile file = IniFile::FromText(GetParam().text);
  EXPECT_EQ(KeysAndValues(file), GetParam().entries);
  for (const IniEntry& entry : file.entries()) EXPECT_FALSE(entry.absent);
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, LineScanTest,
    testing::Values(
        ScanCase{"EqualsSign", "KEY=1", {{"KEY", "1"}}},
        ScanCase{"SpacedEquals", "KEY = 1", {{"KEY", "1"}}},
        ScanCase{"SingleSpace", "KEY 1", {{"KEY", "1"}}},
        ScanCase{"DoubleEquals", "KEY==1", {{"KEY", "1"}}},
        ScanCase{"TabsAndEquals", "KEY\t=\t 1", {{"KEY", "1"}}},
        ScanCase{"LeadingBlanksAndEquals", " \t= KEY 1", {{"KEY", "1"}}},
        ScanCase{"ValueKeepsInnerBlanksAndEquals", "KEY a = b  c \t ", {{"KEY", "a = b  c"}}},
        ScanCase{"SemicolonAfterValue", "MONEY_POS_TOP = 12 ; note", {{"MONEY_POS_TOP", "12"}}},
        ScanCase{"HashRightAfterValue", "MONEY_POS_TOP 12#text", {{"MONEY_POS_TOP", "12"}}},
        ScanCase{"HashBeforeKey", "#MONEY_POS_TOP 12", {}}, ScanCase{"SemicolonLine", "; note", {}},
        ScanCase{"IndentedComment", " \t= # note", {}},
        ScanCase{"CommentRightAfterKey", "KEY#1", {{"KEY", ""}}},
        ScanCase{"CommentAfterSeparator", "KEY = ;1", {{"KEY", ""}}},
        ScanCase{"KeyOnly", "KEY \t ", {{"KEY", ""}}},
        ScanCase{"BlanksOnlyGiveEmptyKey", " \t ", {{"", ""}}},
        ScanCase{"EmptyLinesGiveNothing", "\n\r\n\n", {}},
        ScanCase{"SectionIsAKey", "[Colours]\nKEY 1", {{"[Colours]", ""}, {"KEY", "1"}}},
        ScanCase{"QuotesKept", "KEY \"no\"", {{"KEY", "\"no\""}}},
        ScanCase{"DuplicatesKept", "A 1\nA 2", {{"A", "1"}, {"A", "2"}}},
        ScanCase{"ByteOrderMarkJoinsKey",
                 "\xEF\xBB\xBFKEY 1\nB 2",
                 {{"\xEF\xBB\xBFKEY", "1"}, {"B", "2"}}},
        ScanCase{"NulIsOrdinary", "K\0Y 1\0 2"s, {{"K\0Y"s, "1\0 2"s}}},
        ScanCase{"CrLfLines", "A 1\r\n\r\nB 2\r\n", {{"A", "1"}, {"B", "2"}}},
        ScanCase{"OnlyLastCrBeforeLfDropped", "A 1\r\r\n", {{"A", "1\r"}}},
        ScanCase{"LoneCrIsOrdinary", "A 1\rB 2\n", {{"A", "1\rB 2"}}},
        ScanCase{"CrAtEndWithoutLfKept", "A 1\r", {{"A", "1\r"}}},
        ScanCase{"MissingFinalNewline", "A 1\nB 2", {{"A", "1"}, {"B", "2"}}},
        ScanCase{"OtherWhitespaceIsOrdinary", "A\v1", {{"A\v1", ""}}}),
    [](const testing::TestParamInfo<ScanCase>& param) { return std::string(param.param.name); });

TEST(IniFileTest, FirstOccurrenceOfAKeyWins) {
  IniFile file = IniFile::FromText("MONEY_POS_TOP 12\nMONEY_POS_TOP 13\n");
  EXPECT_EQ(file.ReadFloat("MONEY_POS_TOP", 30.0f), 12.0f);
}

TEST(IniFileTest, KeysAreCaseSensitive) {
  IniFile file = IniFile::FromText("money_pos_top 12\n");
  EXPECT_EQ(file.ReadFloat("MONEY_POS_TOP", 30.0f), 30.0f);
}

TEST(IniFileTest, MissingKeyAppendsOneAbsentEntry) {
  IniFile file = IniFile::FromText("A 1\n");
  IniEntry& missing = file.Lookup("B");
  EXPECT_TRUE(missing.absent);
  EXPECT_EQ(missing.key, "B");
  EXPECT_EQ(missing.value, "");
  ASSERT_EQ(file.entries().size(), 2u);
  EXPECT_TRUE(file.Lookup("B").absent);
  EXPECT_FALSE(file.Lookup("A").absent);
  EXPECT_EQ(file.entries().size(), 2u);
}

// Each row: the value after the key ("" writes the key alone), and the result.
template <typename T>
struct ReadCase {
  std::string value;
  T expected;
};

IniFile OneKey(const std::string& value) { return IniFile::FromText("K " + value + "\n"); }

TEST(IniFileTest, ReadFloat) {
  const float kDefault = -7.0f;
  const ReadCase<float> cases[] = {{"12.5", 12.5f},    {"12.5abc", 12.5f},  {"-3.25", -3.25f},
                                   {"1e3", 1000.0f},   {"+2", 2.0f},        {".5", 0.5f},
                                   {"7 8", 7.0f},      {"12,5", 12.0f},     {"0x41", 0.0f},
                                   {"\v4", 4.0f},      {"abc", kDefault},   {"", kDefault},
                                   {"1e39", kDefault}, {"-1e39", kDefault}, {"-", kDefault}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(OneKey(c.value).ReadFloat("K", kDefault), c.expected);
  }
  EXPECT_EQ(OneKey("1").ReadFloat("MISSING", kDefault), kDefault);
}

TEST(IniFileTest, ReadInt) {
  const std::int32_t kDefault = -7;
  const ReadCase<std::int32_t> cases[] = {{"12", 12},
                                          {"12.7", 12},
                                          {"0x41", 0},
                                          {"-5", -5},
                                          {"+7", 7},
                                          {"007", 7},
                                          {"1e3", 1},
                                          {"2147483647", INT_MAX},
                                          {"-2147483648", INT_MIN},
                                          {"2147483648", kDefault},
                                          {"-2147483649", kDefault},
                                          {"99999999999", kDefault},
                                          {"abc", kDefault},
                                          {"", kDefault},
                                          {"true", kDefault}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(OneKey(c.value).ReadInt("K", kDefault), c.expected);
  }
  EXPECT_EQ(OneKey("1").ReadInt("MISSING", kDefault), kDefault);
}

TEST(IniFileTest, ReadBool) {
  const ReadCase<bool> cases[] = {
      {"", false},    {"0", false},     {"false", false},   {"FALSE", false}, {"no", false},
      {"NO", false},  {"no \t", false}, {"0 ; off", false}, {"1", true},      {"true", true},
      {"True", true}, {"False", true},  {"No", true},       {"off", true},    {"2", true},
      {"00", true},   {"\"no\"", true}, {"yes", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(OneKey(c.value).ReadBool("K"), c.expected);
  }
  EXPECT_FALSE(OneKey("1").ReadBool("MISSING"));
}

TEST(IniFileTest, ReadPair) {
  const FloatPair kDefault{0.44f, 0.859f};
  const ReadCase<FloatPair> cases[] = {{"0.5", {0.5f, 0.859f}}, {"10, 20", {10.0f, 0.859f}},
                                       {"1 2", {1.0f, 2.0f}},   {"1\t2", {1.0f, 2.0f}},
                                       {"1 2 3", {1.0f, 2.0f}}, {"1 x", {1.0f, 0.859f}},
                                       {"x 2", kDefault},       {"", kDefault},
                                       {"1e39 2", kDefault}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(OneKey(c.value).ReadPair("K", kDefault), c.expected);
  }
  EXPECT_EQ(OneKey("1 2").ReadPair("MISSING", kDefault), kDefault);
}

TEST(IniFileTest, ReadColour) {
  const Rgba kDefault{1, 2, 3, 4};
  const ReadCase<Rgba> cases[] = {{"10 20 30", {10, 20, 30, 4}},
                                  {"300 -1 0 0", {44, 255, 0, 0}},
                                  {"256", {0, 2, 3, 4}},
                                  {"10,20,30,40", {10, 2, 3, 4}},
                                  {"1 2 3 4 5", {1, 2, 3, 4}},
                                  {"10 x 30", {10, 2, 3, 4}},
                                  {"-256 511 -129 128", {0, 255, 127, 128}},
                                  {"99999999999 5", kDefault},
                                  {"x", kDefault},
                                  {"", kDefault}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(OneKey(c.value).ReadColour("K", kDefault), c.expected);
  }
  EXPECT_EQ(OneKey("9 9 9 9").ReadColour("MISSING", kDefault), kDefault);
}

// A host may set a global locale; numbers must still read with a decimal point.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(IniFileTest, GlobalLocaleDoesNotChangeNumbers) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  IniFile file = IniFile::FromText("F 12.5\nP 0,5 2\n");
  const float value = file.ReadFloat("F", 0.0f);
  const FloatPair pair = file.ReadPair("P", {7.0f, 7.0f});
  std::locale::global(previous);
  EXPECT_EQ(value, 12.5f);
  EXPECT_EQ(pair, (FloatPair{0.0f, 7.0f}));
}

TEST(IniFileTest, MissingFileHasNoEntries) {
  IniFile file("/nonexistent-slatepane-folder/slatepane_VC.ini");
  EXPECT_TRUE(file.entries().empty());
  EXPECT_EQ(file.ReadFloat("MONEY_POS_TOP", 30.0f), 30.0f);
  EXPECT_TRUE(IniFile(nullptr).entries().empty());
  EXPECT_TRUE(IniFile("").entries().empty());
}

TEST(IniFileTest, FileReadsAsBinaryLikeText) {
  const std::string bytes =
      "\xEF\xBB\xBF"
      "A 1\r\nB\0x 2\r\n\r\nC 3\r\rD 4\r"s;
  const TempFile file(bytes);
  EXPECT_EQ(KeysAndValues(IniFile(file.path())), KeysAndValues(IniFile::FromText(bytes)));
  EXPECT_EQ(KeysAndValues(IniFile(file.path())), (Pairs{{"\xEF\xBB\xBF"
                                                         "A",
                                                         "1"},
                                                        {"B\0x"s, "2"},
                                                        {"C", "3\r\rD 4\r"}}));
}

TEST(IniFileTest, LongLineDoesNotDisturbTheNextOne) {
  const std::string long_value(100 * 1024, 'x');
  const TempFile path("LONG " + long_value + "\nMONEY_POS_TOP 12\n");
  IniFile file(path.path());
  EXPECT_EQ(file.Lookup("LONG").value, long_value);
  EXPECT_EQ(file.ReadFloat("MONEY_POS_TOP", 30.0f), 12.0f);
}

// Whatever the bytes, every entry must obey the scanner's rules, and a good line
// after the garbage must still be found.
TEST(IniFileTest, BinaryGarbageYieldsWellFormedEntries) {
  const TempFile path(Garbage(64 * 1024) + "\nMONEY_POS_TOP 12\n");
  IniFile file(path.path());
  ASSERT_FALSE(file.entries().empty());
  for (const IniEntry& entry : file.entries()) {
    EXPECT_EQ(entry.key.find_first_of(" \t=#;\n"s), std::string::npos);
    EXPECT_EQ(entry.value.find_first_of("#;\n"), std::string::npos);
    if (entry.key.empty()) {
      EXPECT_EQ(entry.value, "");
    }
    if (entry.value.empty()) continue;
    EXPECT_EQ(std::string(" \t=").find(entry.value.front()), std::string::npos);
    EXPECT_EQ(std::string(" \t").find(entry.value.back()), std::string::npos);
  }
  EXPECT_EQ(file.ReadFloat("MONEY_POS_TOP", 30.0f), 12.0f);
}

}  // namespace
