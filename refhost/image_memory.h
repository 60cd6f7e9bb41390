#pragma once
// Reserving the host image's memory, one implementation per platform.
#include <cstdint>

namespace refhost::image_memory {

// Reserves `size` bytes, readable and writable, and sets `base` to the value the
// host's module handle must have so that host address `first` lands at the
// start of the block. Null on failure.
std::uint8_t* reserve(std::uint32_t first, std::uint32_t size, std::uint32_t& base);

// Makes a range executable and read-only, as host code is.
void seal_code(std::uint8_t* start, std::uint32_t size);

// Makes a sealed range writable again, so a test can put the code back.
void unseal_code(std::uint8_t* start, std::uint32_t size);

// Sets a readable and writable range of whole pages to zero.
void zero(std::uint8_t* start, std::uint32_t size);

void release(std::uint8_t* block, std::uint32_t size);

}  // namespace refhost::image_memory
