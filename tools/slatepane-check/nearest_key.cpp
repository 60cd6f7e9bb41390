#include "nearest_key.h"

#include <algorithm>
#include <numeric>

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t substitution = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string_view NearestKey(std::string_view key, const std::vector<std::string_view>& known) {
  std::string_view nearest;
  std::size_t best = 0;
  for (const std::string_view candidate : known) {
    // The distance is at least the difference in length: a key far longer than
    // any known one (a line of binary garbage) costs nothing.
    const std::size_t longer = std::max(key.size(), candidate.size());
    const std::size_t shorter = std::min(key.size(), candidate.size());
    if ((longer - shorter) * 3 > longer) continue;
    const std::size_t distance = EditDistance(key, candidate);
    if (distance * 3 > std::max(key.size(), candidate.size())) continue;
    if (nearest.empty() || distance < best) {
      nearest = candidate;
      best = distance;
    }
  }
  return nearest;
}

std::string UpperCase(std::string_view key) {
  std::string upper(key);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}
