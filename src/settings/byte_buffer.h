#pragma once
// A growable run of bytes that is never cleared to zero first, and keeps its
// room when emptied: the settings reader reads both files into the same two
// buffers every frame, so after the first frame it allocates nothing.
#include <cstddef>
#include <memory>
#include <string_view>

class ByteBuffer {
 public:
  ByteBuffer() = default;
  ByteBuffer(const ByteBuffer& other);
  ByteBuffer& operator=(const ByteBuffer& other);
  ByteBuffer(ByteBuffer&&) noexcept = default;
  ByteBuffer& operator=(ByteBuffer&&) noexcept = default;

  const char* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  std::string_view view() const { return {bytes_.get(), size_}; }
  std::string_view view(std::size_t offset, std::size_t count) const {
    return {bytes_.get() + offset, count};
  }

  void clear() { size_ = 0; }
  // Room for at least `count` more bytes past size(), for a read to fill;
  // returns where they start. grow() then takes in what was filled.
  char* room(std::size_t count);
  std::size_t room_left() const { return capacity_ - size_; }
  void grow(std::size_t count) { size_ += count; }
  // Appends the bytes; returns the offset they start at.
  std::size_t append(std::string_view bytes);

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};
