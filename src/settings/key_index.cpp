#include "settings/key_index.h"

#include <algorithm>

namespace {

constexpr std::size_t kSmallestTable = 64;

std::size_t TableSize(std::size_t keys) {
  return std::bit_ceil(std::max(kSmallestTable, keys * 2));
}

}  // namespace

void KeyIndex::Reset(std::size_t count) {
  const std::size_t size = TableSize(count);
  entries_.assign(size, 0);
  hashes_.resize(size);
  mask_ = size - 1;
  used_ = 0;
}

// Each key is in the table once, so the move keeps every answer.
void KeyIndex::Grow() {
  std::vector<std::uint32_t> entries(TableSize(entries_.size()), 0);
  std::vector<std::uint32_t> hashes(entries.size());
  const std::size_t mask = entries.size() - 1;
  for (std::size_t old = 0; old < entries_.size(); ++old) {
    if (entries_[old] == 0) continue;
    std::size_t slot = hashes_[old] & mask;
    while (entries[slot] != 0) slot = (slot + 1) & mask;
    entries[slot] = entries_[old];
    hashes[slot] = hashes_[old];
  }
  entries_ = std::move(entries);
  hashes_ = std::move(hashes);
  mask_ = mask;
}
