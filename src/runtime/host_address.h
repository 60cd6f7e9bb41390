#pragma once
// Host build detection and address translation.
#include <cstdint>

// 100, 110 or 120 for a recognised host build, 0 otherwise. Probed once.
int detect_host_version();

// A host address as written for the preferred base 0x400000, moved to where the
// host image really is. 32-bit wrap-around: address 0 maps to base - 0x400000.
void* host_address(std::uint32_t address);
