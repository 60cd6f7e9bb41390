#pragma once
// RGBA pixels as a PNG file: 8 bits a channel, straight alpha, rows from the
// top, in uncompressed deflate blocks (textures are small, and a browser
// reads any valid PNG).
#include <cstdint>
#include <span>
#include <string>

std::string EncodePng(std::uint32_t width, std::uint32_t height,
                      std::span<const std::uint8_t> rgba);
