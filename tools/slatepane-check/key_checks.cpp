#include "key_checks.h"

#include <map>
#include <string>

#include "nearest_key.h"
#include "setting_text.h"
#include "value_text.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The first line's entry, when the file starts with a byte-order mark.
const IniEntry* MarkedEntry(const SettingsFile& file) {
  if (file.lines.empty()) return nullptr;
  const IniEntry& first = file.lines.front();
  return first.line == 1 && first.key.starts_with(kUtf8Mark) ? &first : nullptr;
}

// The key as written, without a byte-order mark in front of it.
std::string_view WrittenKey(const SettingsFile& file, const IniEntry& entry) {
  std::string_view key = entry.key;
  if (&entry == MarkedEntry(file)) key.remove_prefix(kUtf8Mark.size());
  return key;
}

FileRole Other(FileRole role) {
  return role == FileRole::kLayout ? FileRole::kColourScheme : FileRole::kLayout;
}

// "a colour, read from the colour scheme file (ClassicColors.ini)".
std::string WhereRead(FileRole role, const FileNames& names) {
  if (role == FileRole::kColourScheme) {
    return "a colour, read from the colour scheme file (" + std::string(names.colours) + ")";
  }
  return "a layout setting, read from " + std::string(names.layout);
}

bool IsSection(const IniEntry& entry) {
  return entry.value.empty() && entry.key.size() >= 2 && entry.key.front() == '[' &&
         entry.key.back() == ']';
}

// What the plug-in does with the key that was probably meant.
std::vector<Finding> MeantKeyNote(SettingsFile& file, const IniEntry& entry,
                                  std::string_view meant) {
  if (EntryThatCounts(file, meant)) return {};
  return {MakeFinding(Severity::kNote, file.path, entry.line, entry.key_column, "unknown-key",
                      Quote(meant) + " is not set in this file, so it takes its default " +
                          DefaultText(file.role, meant))};
}

Finding UnknownKey(SettingsFile& file, const IniEntry& entry, std::string_view key,
                   const FileNames& names) {
  const auto warn = [&](std::string kind, std::string message) {
    return MakeFinding(Severity::kWarning, file.path, entry.line, entry.key_column, std::move(kind),
                       std::move(message));
  };
  const FileRole other = Other(file.role);
  if (IsKnownKey(other, key)) {
    return warn("misplaced-key", Quote(key) + " is " + WhereRead(other, names) +
                                     ", not from this file; this line is ignored");
  }
  const std::string upper = UpperCase(key);
  std::string_view meant;
  std::string message = "unknown key " + Quote(key);
  if (upper != key && IsKnownKey(file.role, upper)) {
    meant = upper;
    message += ": keys are case-sensitive; did you mean " + Quote(upper) + "?";
  } else if (!(meant = NearestKey(key, KnownKeys(file.role))).empty()) {
    message += "; did you mean " + Quote(meant) + "?";
  } else if (const std::string_view elsewhere = NearestKey(key, KnownKeys(other));
             !elsewhere.empty()) {
    message += "; did you mean " + Quote(elsewhere) + "? It is " + WhereRead(other, names);
  } else {
    message += "; the plug-in ignores this line";
  }
  Finding finding = warn("unknown-key", message);
  if (!meant.empty()) finding.notes = MeantKeyNote(file, entry, meant);
  return finding;
}

}  // namespace

bool IsUtf16(const SettingsFile& file) {
  if (file.lines.empty() || file.lines.front().line != 1) return false;
  const std::string& key = file.lines.front().key;
  return key.starts_with("\xFF\xFE") || key.starts_with("\xFE\xFF");
}

std::vector<Finding> CheckByteOrderMark(SettingsFile& file) {
  if (IsUtf16(file)) {
    return {MakeFinding(Severity::kWarning, file.path, 1, 1, "utf-16",
                        "the file is saved as UTF-16, which the plug-in does not read: every "
                        "setting of this file takes its default; save it as ANSI or UTF-8")};
  }
  const IniEntry* marked = MarkedEntry(file);
  if (marked == nullptr) return {};
  const std::string_view hidden = WrittenKey(file, *marked);
  if (hidden.empty() || !IsKnownKey(file.role, hidden)) {
    return {MakeFinding(Severity::kWarning, file.path, 1, 1, "byte-order-mark",
                        "the file starts with a UTF-8 byte-order mark; it hides no setting "
                        "now, but a key written on line 1 would not be read; save the file "
                        "without it")};
  }
  Finding finding = MakeFinding(
      Severity::kWarning, file.path, 1, 1, "byte-order-mark",
      "the file starts with a UTF-8 byte-order mark, which the plug-in reads as part of the "
      "first key, so " +
          Quote(hidden) + " on this line is not read; save the file without it");
  const std::optional<IniEntry> counted = EntryThatCounts(file, hidden);
  finding.notes.push_back(MakeFinding(
      Severity::kNote, file.path, 1, 1, "byte-order-mark",
      counted ? Quote(hidden) + " is read from line " + std::to_string(counted->line) + " instead"
              : Quote(hidden) + " takes its default " + DefaultText(file.role, hidden)));
  return {finding};
}

std::vector<Finding> CheckUnknownKeys(SettingsFile& file, const FileNames& names) {
  std::vector<Finding> findings;
  if (IsUtf16(file)) return findings;
  for (const IniEntry& entry : file.lines) {
    const std::string_view key = WrittenKey(file, entry);
    if (key.empty() || IsSection(entry) || IsKnownKey(file.role, key)) continue;
    findings.push_back(UnknownKey(file, entry, key, names));
  }
  return findings;
}

std::vector<Finding> CheckDuplicateKeys(const SettingsFile& file) {
  std::vector<Finding> findings;
  std::map<std::string_view, const IniEntry*> first;
  for (const IniEntry& entry : file.lines) {
    if (!IsKnownKey(file.role, entry.key)) continue;
    const auto [it, added] = first.emplace(entry.key, &entry);
    if (added) continue;
    const IniEntry& counted = *it->second;
    Finding finding =
        MakeFinding(Severity::kWarning, file.path, entry.line, entry.key_column, "duplicate-key",
                    Quote(entry.key) + " is already set on line " + std::to_string(counted.line) +
                        ", and only the first one counts: this line is ignored");
    finding.notes.push_back(MakeFinding(Severity::kNote, file.path, counted.line,
                                        counted.key_column, "duplicate-key",
                                        "this is the line that counts"));
    findings.push_back(std::move(finding));
  }
  return findings;
}
