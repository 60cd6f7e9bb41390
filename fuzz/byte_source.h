#pragma once
// Where the frame decoder takes its choices from: the bytes of a fuzzer's
// input, which run out, or a seeded generator, which never does. The decoder
// makes the same host state from the same bytes, so a soak frame can be
// played again from its seed, and a fuzzer's input from its file.
#include <cstddef>
#include <cstdint>

namespace fuzzing {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The next byte; 0 once the bytes have run out.
  virtual std::uint8_t Byte() = 0;
  virtual bool Exhausted() const = 0;

  std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
  std::uint32_t Dword() { return Word() | static_cast<std::uint32_t>(Word()) << 16; }
  // A choice among `count` (at least 1) options.
  std::size_t Pick(std::size_t count) { return count < 256 ? Byte() % count : Word() % count; }
};

// A fuzzer's input, read from the front.
class InputBytes final : public ByteSource {
 public:
  InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() override { return next_ < size_ ? data_[next_++] : 0; }
  bool Exhausted() const override { return next_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t next_ = 0;
};

// splitmix64: small, fast and the same on every machine.
class SeededBytes final : public ByteSource {
 public:
  explicit SeededBytes(std::uint64_t seed) : state_(seed) {}
  std::uint8_t Byte() override {
    if (left_ == 0) {
      std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      word_ = z ^ (z >> 31);
      left_ = 8;
    }
    --left_;
    const auto byte = static_cast<std::uint8_t>(word_);
    word_ >>= 8;
    return byte;
  }
  bool Exhausted() const override { return false; }

 private:
  std::uint64_t state_;
  std::uint64_t word_ = 0;
  int left_ = 0;
};

}  // namespace fuzzing
