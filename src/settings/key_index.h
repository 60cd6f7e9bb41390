#pragma once
// Which entry of a settings file holds a key: a small open-addressing hash
// table from key to the first entry that carries it, so that a hundred
// lookups do not each scan a hundred entries. Its tables keep their room
// when reset.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <vector>

// The four bytes of key from `at` as a little-endian word, zeros past the
// end. At run time one load, where the key has four bytes left.
constexpr std::uint32_t KeyWord(std::string_view key, std::size_t at) {
  std::uint32_t word = 0;
  if (!std::is_constant_evaluated() && at + 4 <= key.size()) {
    std::memcpy(&word, key.data() + at, 4);
    return word;
  }
  for (std::size_t b = 0; b < 4 && at + b < key.size(); ++b) {
    word |= static_cast<std::uint32_t>(static_cast<unsigned char>(key[at + b])) << (8 * b);
  }
  return word;
}

// Four bytes at a time, then a finalising mix, so that keys differing in any
// byte spread over the table. A compile-time function too: the reader's key
// tables carry their keys' hashes ready made.
constexpr std::uint32_t HashKey(std::string_view key) {
  std::uint32_t h = 0x9E3779B9u ^ static_cast<std::uint32_t>(key.size());
  for (std::size_t k = 0; k < key.size(); k += 4) {
    h = std::rotl(h, 7) ^ KeyWord(key, k);
  }
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

// A key with its hash, made once where the key is written down.
struct IniKey {
  std::string_view name;
  std::uint32_t hash;

  constexpr explicit IniKey(std::string_view key) : name(key), hash(HashKey(key)) {}
};

// Word by word, without a library call: keys are short, and a hash that
// matches nearly always means the keys do.
constexpr bool SameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); k += 4) {
    if (KeyWord(a, k) != KeyWord(b, k)) return false;
  }
  return true;
}

class KeyIndex {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  // Forgets every key and makes room for `count` of them.
  void Reset(std::size_t count);

  // The entry recorded for `key` (whose hash is `hash`), or kNone. `key_of`
  // gives an entry's key from its number.
  template <typename KeyOf>
  std::uint32_t Find(std::string_view key, std::uint32_t hash, const KeyOf& key_of) const {
    if (entries_.empty()) return kNone;
    for (std::size_t slot = hash & mask_; entries_[slot] != 0; slot = (slot + 1) & mask_) {
      if (hashes_[slot] == hash && SameKey(key_of(entries_[slot] - 1), key)) {
        return entries_[slot] - 1;
      }
    }
    return kNone;
  }

  // Records `entry` for its key unless an earlier entry holds the key.
  template <typename KeyOf>
  void Add(std::uint32_t entry, std::uint32_t hash, const KeyOf& key_of) {
    if ((used_ + 1) * 2 > entries_.size()) Grow();
    std::size_t slot = hash & mask_;
    for (; entries_[slot] != 0; slot = (slot + 1) & mask_) {
      if (hashes_[slot] == hash && SameKey(key_of(entries_[slot] - 1), key_of(entry))) return;
    }
    entries_[slot] = entry + 1;
    hashes_[slot] = hash;
    ++used_;
  }

 private:
  void Grow();

  std::vector<std::uint32_t> entries_;  // entry number + 1; 0 for a free slot
  std::vector<std::uint32_t> hashes_;
  std::size_t mask_ = 0;
  std::size_t used_ = 0;
};
