#include "edit/value_edit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/ini_file.h"

namespace {

struct EditCase {
  const char* name;
  std::string before;
  const char* key;
  const char* value;
  std::string after;
};

TEST(ValueEditTest, ChangesOnlyTheValueThatCounts) {
  const std::string bom = "\xEF\xBB\xBF";
  const EditCase cases[] = {
      {"plain", "# c\nA = 1\nB = 2\n", "B", "30", "# c\nA = 1\nB = 30\n"},
      {"crlf", "A = 1\r\nB = 2\r\n", "A", "7.5", "A = 7.5\r\nB = 2\r\n"},
      {"comment kept", "A=1 ; one\n", "A", "2", "A=2 ; one\n"},
      {"hash comment", "A 1#x\n", "A", "15 20", "A 15 20#x\n"},
      {"double equals", "A==  1   \n", "A", "3", "A==  3   \n"},
      {"first duplicate", "A = 1\nA = 2\n", "A", "9", "A = 9\nA = 2\n"},
      {"unknown keys kept", "ZZ = q\nA = 1\n", "A", "4", "ZZ = q\nA = 4\n"},
      {"key alone", "A\nB 1\n", "A", "5", "A 5\nB 1\n"},
      {"key alone crlf", "A\r\n", "A", "5", "A 5\r\n"},
      {"empty value before comment", "A =   # later\n", "A", "5", "A =   5# later\n"},
      {"last line without feed", "A = 1", "A", "2", "A = 2"},
      {"last line keeps its CR", "A = 1\r", "A", "2", "A = 2\r"},
      {"indented", "  \tA = 1\n", "A", "2", "  \tA = 2\n"},
      {"missing appended", "A = 1\n", "B", "2", "A = 1\nB = 2\n"},
      {"missing appended crlf", "A = 1\r\n", "B", "2", "A = 1\r\nB = 2\r\n"},
      {"missing after unended line", "A = 1", "B", "2", "A = 1\nB = 2\n"},
      {"missing in empty file", "", "B", "2", "B = 2\n"},
      {"commented key is missing", "#A = 1\n", "A", "2", "#A = 1\nA = 2\n"},
      {"lower case is another key", "a = 1\n", "A", "2", "a = 1\nA = 2\n"},
      // The reader sees the mark as part of the first key, which then never
      // counts: the value that counts is the next line carrying the key.
      {"byte-order mark", bom + "A = 1\nA = 2\n", "A", "3", bom + "A = 1\nA = 3\n"},
      {"byte-order mark, key missing", bom + "A = 1\n", "A", "3", bom + "A = 1\nA = 3\n"},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WithValue(c.before, c.key, c.value), c.after);
    // The reader keeps the carriage return of an unended last line in its value.
    const bool cr_kept = c.after.ends_with("\r") && c.after.find('\n') == std::string::npos;
    IniFile read = IniFile::FromText(c.after);
    EXPECT_EQ(read.Lookup(c.key).value, std::string(c.value) + (cr_kept ? "\r" : ""));
  }
}

TEST(ValueEditTest, RefusesValuesThatWouldChangeMoreThanTheValue) {
  for (const char* value : {"", " 1", "1 ", "\t1", "=1", "1 # x", "1;", "1\n", "1\r2"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(value)));
    EXPECT_TRUE(ValueTextProblem(value).has_value());
  }
  EXPECT_TRUE(ValueTextProblem(std::string("1\0", 2)).has_value());
  for (const char* value : {"1", "0.44 0.859", "89 115 150 255", "FALSE", "12.5abc", "1  2"}) {
    EXPECT_FALSE(ValueTextProblem(value).has_value()) << value;
  }
}

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> RepositorySettingsFiles() {
  std::vector<std::filesystem::path> files;
  for (const char* root : {SLATEPANE_DATA_DIR, SLATEPANE_SETTINGS_CORPUS,
                           SLATEPANE_FUZZ_SETTINGS_CORPUS, SLATEPANE_CHECKER_FOLDERS}) {
    for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
      if (item.is_regular_file() && item.path().extension() == ".ini") files.push_back(item);
    }
  }
  // The grown fuzz corpus: any bytes at all, named by their hash.
  for (const auto& item : std::filesystem::directory_iterator(SLATEPANE_FUZZ_MEMORY_CORPUS)) {
    if (item.is_regular_file()) files.push_back(item);
  }
  return files;
}

// Every key line of every settings file in the repository, and a missing key:
// after an edit the reader sees the new value for that key and every other
// entry exactly as before, and writing the old value back gives the original
// bytes. Only the value's own bytes ever differ.
TEST(ValueEditTest, RoundTripsEverySettingsFileInTheRepository) {
  const std::vector<std::filesystem::path> files = RepositorySettingsFiles();
  ASSERT_GE(files.size(), 500u);  // the grown fuzz corpus among them
  for (const std::filesystem::path& path : files) {
    SCOPED_TRACE(path.string());
    const std::string original = Bytes(path);
    std::vector<IniEntry> entries = IniFile::FromText(original).entries();
    entries.push_back({"STUDIO_NEW_KEY", "", false});
    for (const IniEntry& entry : entries) {
      if (ValueTextProblem(entry.key) || entry.key.find_first_of(" \t=") != std::string::npos) {
        continue;
      }
      const std::string edited = WithValue(original, entry.key, "417");
      IniFile read = IniFile::FromText(edited);
      const std::string read_value = read.Lookup(entry.key).value;
      ASSERT_TRUE(read_value == "417" || (read_value == "417\r" && edited.ends_with("\r")))
          << entry.key << ": " << read_value;
      std::vector<IniEntry> others = read.entries();
      std::size_t changed = 0;
      for (std::size_t k = 0; k < entries.size() - 1; ++k) {
        const bool same = others[k].key == entries[k].key && others[k].value == entries[k].value;
        changed += same ? 0 : 1;
      }
      EXPECT_LE(changed, 1u) << entry.key;
      const std::optional<std::string> counted = ValueThatCounts(original, entry.key);
      if (counted && !counted->empty() && !ValueTextProblem(*counted)) {
        EXPECT_EQ(WithValue(edited, entry.key, *counted), original) << entry.key;
      }
    }
  }
}

}  // namespace
