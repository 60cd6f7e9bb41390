// The reader against the reader as first written, over a corpus of settings
// files (the shipped ones, the checker's example of mistakes, odd syntax, the
// reader fuzzer's seeds) and over many generated files: the same entries where
// they stand, and the same answer to every typed lookup, floats to the bit.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "settings/generated_values.h"
#include "settings/ini_file.h"
#include "settings/reference_reader.h"
#include "settings/setting_keys.h"

namespace {

std::string Entries(const std::vector<IniEntry>& entries) {
  std::ostringstream out;
  for (const IniEntry& e : entries) {
    out << '[' << e.key << "]=[" << e.value << "] " << e.absent << ' ' << e.line << ':'
        << e.key_column << ':' << e.value_column << '\n';
  }
  return out.str();
}

std::string Entries(const std::vector<reference::Entry>& entries) {
  std::ostringstream out;
  for (const reference::Entry& e : entries) {
    out << '[' << e.key << "]=[" << e.value << "] " << e.absent << ' ' << e.line << ':'
        << e.key_column << ':' << e.value_column << '\n';
  }
  return out.str();
}

std::uint32_t Bits(float value) { return std::bit_cast<std::uint32_t>(value); }

// Every key of the file, every key the plug-in knows, and a few nobody does,
// through every typed lookup, twice (the second time finds what the first
// appended).
std::vector<std::string> KeysToAsk(const reference::Reader& file) {
  std::vector<std::string> keys;
  for (const reference::Entry& e : file.entries()) keys.push_back(e.key);
  for (const LayoutSettingKey& k : kLayoutSettingKeys) keys.emplace_back(k.name);
  for (const ColourSettingKey& k : kColourSettingKeys) keys.emplace_back(k.name);
  for (const char* k : {"RELOAD_SETTINGS", "", "MISSING", "money_pos_top", "KEY "})
    keys.emplace_back(k);
  return keys;
}

void ExpectSameReading(const std::string& text) {
  IniFile ours = IniFile::FromText(text);
  reference::Reader theirs(text);
  ASSERT_EQ(Entries(ours.entries()), Entries(theirs.entries()));
  for (int round = 0; round < 2; ++round) {
    for (const std::string& key : KeysToAsk(theirs)) {
      SCOPED_TRACE("key [" + key + "]");
      ASSERT_EQ(Bits(ours.ReadFloat(key, -7.5f)), Bits(theirs.ReadFloat(key, -7.5f)));
      ASSERT_EQ(ours.ReadInt(key, -7), theirs.ReadInt(key, -7));
      ASSERT_EQ(ours.ReadBool(key), theirs.ReadBool(key));
      const FloatPair a = ours.ReadPair(key, {0.44f, 0.859f});
      const FloatPair b = theirs.ReadPair(key, {0.44f, 0.859f});
      ASSERT_EQ(Bits(a.first), Bits(b.first));
      ASSERT_EQ(Bits(a.second), Bits(b.second));
      ASSERT_EQ(ours.ReadColour(key, {1, 2, 3, 4}), theirs.ReadColour(key, {1, 2, 3, 4}));
    }
  }
  EXPECT_EQ(Entries(ours.entries()), Entries(theirs.entries()));
}

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(IniFileDifferentialTest, Corpus) {
  int files = 0;
  for (const char* folder : {SLATEPANE_DATA_DIR, SLATEPANE_CHECK_EXAMPLE, SLATEPANE_SETTINGS_CORPUS,
                             SLATEPANE_FUZZ_SETTINGS_CORPUS}) {
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder)) {
      if (item.path().extension() != ".ini") continue;
      SCOPED_TRACE(item.path().string());
      ExpectSameReading(Slurp(item.path()));
      ++files;
    }
  }
  EXPECT_GE(files, 18);
}

// A line put together from parts chosen at random, most of them lengths and
// bytes that sit on either side of the reader's sixteen- and thirty-two-byte
// windows.
class LineMaker {
 public:
  explicit LineMaker(std::uint32_t seed)
      : random_(seed),
        values_(generated::ListValues(seed, 200)),
        floats_(generated::FloatValues(seed + 7, 200)) {}

  std::string Line() {
    switch (random_() % 10) {
      case 0:
        return Pick({"", " ", "\t", " \t ", "=", "==="});
      case 1:
        return Pick({"", " ", "\t", "="}) + std::string(Pick({"#", ";"})) + Text(random_() % 40);
      default:
        break;
    }
    std::string line = Pick({"", "", "", " ", "\t", "= ", " \t="});
    line += Key();
    line += Pick({" ", " ", " = ", "=", "\t", "==", " \t= ", "", "#", ";"});
    line += Value();
    line += Pick({"", "", " ", "\t", "  \t ", " ; note", "#x", ";", " # a = b"});
    return line;
  }

  std::string Ending() { return Pick({"\n", "\n", "\n", "\r\n", "\r\r\n", "\r"}); }

 private:
  std::string Pick(std::initializer_list<const char*> choices) {
    return *(choices.begin() + random_() % choices.size());
  }

  std::string Text(std::size_t length) {
    static const char kBytes[] = "abcXYZ019_. =\t#;\"[]\r\v\xEF\xBB\xBF\xFF-+e";
    std::string text;
    for (std::size_t k = 0; k < length; ++k) text += kBytes[random_() % (sizeof kBytes - 1)];
    return text;
  }

  std::string Key() {
    if (random_() % 3 == 0) {
      const LayoutSettingKey& known = kLayoutSettingKeys[random_() % std::size(kLayoutSettingKeys)];
      return std::string(known.name);
    }
    std::string key;
    const std::size_t length = random_() % 40;
    for (std::size_t k = 0; k < length; ++k)
      key += "ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789"[random_() % 37];
    if (random_() % 8 == 0 && !key.empty()) key[random_() % key.size()] = '\0';
    return key;
  }

  std::string Value() {
    switch (random_() % 4) {
      case 0:
        return values_[random_() % values_.size()];
      case 1:
        return floats_[random_() % floats_.size()];
      case 2:
        return Text(random_() % 48);
      default:
        return std::string(random_() % 3, ' ') + Text(random_() % 8);
    }
  }

  std::mt19937 random_;
  std::vector<std::string> values_;
  std::vector<std::string> floats_;
};

TEST(IniFileDifferentialTest, GeneratedFiles) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    LineMaker maker(seed);
    std::string text;
    const std::size_t lines = seed % 40;
    for (std::size_t k = 0; k < lines; ++k) text += maker.Line() + maker.Ending();
    if (seed % 3 == 0) text += maker.Line();  // no final line feed
    SCOPED_TRACE("seed " + std::to_string(seed));
    ExpectSameReading(text);
  }
}

TEST(IniFileDifferentialTest, RandomBytes) {
  std::mt19937 random(99);
  for (int round = 0; round < 200; ++round) {
    std::string text(random() % 600, '\0');
    for (char& c : text)
      c = static_cast<char>("\n\r\t =#;a1."[random() % 10] + (random() % 4 == 0 ? random() : 0));
    SCOPED_TRACE("round " + std::to_string(round));
    ExpectSameReading(text);
  }
}

// A file read from disk gives what the same bytes give in memory, whatever
// its size against the reader's chunks.
TEST(IniFileDifferentialTest, FilesReadWhole) {
  LineMaker maker(4242);
  std::string text;
  while (text.size() < 70000) text += maker.Line() + maker.Ending();
  // A folder of its own: tests run in parallel processes.
  std::string folder =
      (std::filesystem::temp_directory_path() / "slatepane-differential-XXXXXX").string();
  ASSERT_NE(mkdtemp(folder.data()), nullptr) << folder;
  const std::filesystem::path path = std::filesystem::path(folder) / "settings.ini";
  {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    ASSERT_TRUE(out) << "cannot write " << path;
  }
  IniFile from_disk(path.string().c_str());
  std::filesystem::remove_all(folder);
  EXPECT_EQ(Entries(from_disk.entries()), Entries(reference::Reader(text).entries()));
}

}  // namespace
