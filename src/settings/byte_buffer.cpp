#include "settings/byte_buffer.h"

#include <cstring>

ByteBuffer::ByteBuffer(const ByteBuffer& other) { *this = other; }

ByteBuffer& ByteBuffer::operator=(const ByteBuffer& other) {
  if (this == &other) return *this;
  clear();
  if (other.size_ > 0) std::memcpy(room(other.size_), other.data(), other.size_);
  size_ = other.size_;
  return *this;
}

// Doubles, so that reading a file of any size costs a few allocations at
// most, and none once the buffer has grown to it.
char* ByteBuffer::room(std::size_t count) {
  if (capacity_ - size_ < count) {
    std::size_t capacity = capacity_ == 0 ? 4096 : capacity_;
    while (capacity - size_ < count) capacity *= 2;
    std::unique_ptr<char[]> bytes(new char[capacity]);
    if (size_ > 0) std::memcpy(bytes.get(), bytes_.get(), size_);
    bytes_ = std::move(bytes);
    capacity_ = capacity;
  }
  return bytes_.get() + size_;
}

std::size_t ByteBuffer::append(std::string_view bytes) {
  const std::size_t offset = size_;
  if (!bytes.empty()) std::memcpy(room(bytes.size()), bytes.data(), bytes.size());
  size_ += bytes.size();
  return offset;
}
