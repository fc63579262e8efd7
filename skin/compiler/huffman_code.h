// Length-limited Huffman code lengths and canonical codes for the encoder.
//
// Thread safety: pure functions.
#ifndef QUILLORY_SKIN_COMPILER_HUFFMAN_CODE_H_
#define QUILLORY_SKIN_COMPILER_HUFFMAN_CODE_H_

#include <cstdint>
#include <vector>

namespace skin {

// Code lengths (0 for unused symbols) of an optimal prefix code for
// AFrequencies, none longer than AMaxLength. While the optimal code is too
// long the frequencies are halved (rounding up, keeping used symbols used),
// which flattens the tree until it fits. A single used symbol gets length 1.
std::vector<std::uint8_t> HuffmanLengths(const std::vector<std::uint32_t>& AFrequencies,
                                         unsigned AMaxLength);

// The canonical codes of ALengths (RFC 1951, 3.2.2), most significant bit
// first.
std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& ALengths);

}  // namespace skin

#endif  // QUILLORY_SKIN_COMPILER_HUFFMAN_CODE_H_
