// Raw deflate encoder (RFC 1951) for the skin compiler: LZ77 matching over
// hash chains in a 32 KiB window, then one dynamic-Huffman block per run of
// symbols (or a stored block where that is smaller). Any conforming
// inflater, zlib included, decodes its output.
//
// Thread safety: pure function.
#ifndef QUILLORY_SKIN_COMPILER_DEFLATE_ENCODER_H_
#define QUILLORY_SKIN_COMPILER_DEFLATE_ENCODER_H_

#include <cstdint>
#include <span>
#include <vector>

namespace skin {

// AData as one raw deflate stream.
std::vector<std::uint8_t> DeflateRaw(std::span<const std::uint8_t> AData);

}  // namespace skin

#endif  // QUILLORY_SKIN_COMPILER_DEFLATE_ENCODER_H_
