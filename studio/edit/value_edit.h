#pragma once
// Changes one setting in the bytes of a settings file and keeps every other
// byte: the value of the line the plug-in reads (the key's first line) is
// replaced in place, or, when no line carries the key, a line is appended in
// the file's own line ending. Comments, order, blank lines, unknown keys,
// later duplicates, a byte-order mark and the line endings stay as they were.
#include <optional>
#include <string>
#include <string_view>

// Why a value cannot be written as one settings value; nullopt when it can.
// A comment sign, a line break or a NUL would change what the file says
// beyond this one value.
std::optional<std::string> ValueTextProblem(std::string_view value);

// The file's bytes with key set to value (which ValueTextProblem accepts).
std::string WithValue(std::string_view bytes, std::string_view key, std::string_view value);

// The value the plug-in reads for key, if a line carries it.
std::optional<std::string> ValueThatCounts(std::string_view bytes, std::string_view key);
