#pragma once
// A small zlib stream writer, so that the icon generator needs nothing beyond
// the standard library on any build machine.
#include <cstdint>
#include <span>
#include <vector>

namespace icon {

std::uint32_t Adler32(std::span<const std::uint8_t> data);

// One final deflate block with the fixed Huffman codes and LZ77 matches,
// wrapped in a zlib header and Adler-32 trailer.
std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> data);

}  // namespace icon
