#pragma once
// Suggestions for a key the plug-in does not know.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Levenshtein distance over bytes: insertions, deletions and substitutions.
std::size_t EditDistance(std::string_view a, std::string_view b);

// The known key closest to `key` by edit distance, when at most a third of
// the longer of the two would change; the first such key on a tie. Empty when
// none is that close.
std::string_view NearestKey(std::string_view key, const std::vector<std::string_view>& known);

// The key in upper case (ASCII letters only).
std::string UpperCase(std::string_view key);
