// A canonical Huffman code of a deflate stream as one flat decode table.
//
// Decode table layout: m_Decodes holds 2^m_MaxCodeLen 32-bit entries, indexed
// by the next m_MaxCodeLen input bits taken least significant bit first (the
// order deflate sends code bits in, reversed against the canonical code).
// A code of length L fills every entry whose low L bits are its reversed
// code, so one lookup decodes a symbol whatever bits follow it. Each entry
// packs
//   bits  0-15  the symbol,
//   bits 16-23  the code length L (the bits the symbol occupies),
//   bits 24-31  the number of extra bits that follow the symbol.
// Entries that no code fills (an incomplete code) are all ones (kInvalid);
// their length byte 0xFF is larger than any code length.
//
// Thread safety: a tree is built by one thread; once built, Decode may be
// called from any number of threads.
#ifndef QUILLORY_SKIN_ARCHIVE_HUFFMAN_TREE_H_
#define QUILLORY_SKIN_ARCHIVE_HUFFMAN_TREE_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace skin {

// How a set of code lengths turned out.
enum class THuffmanBuild {
  Complete,        // every bit pattern decodes
  Empty,           // no symbol has a code (all lengths 0)
  SingleCode,      // one code of length 1, the other pattern is unused
  OverSubscribed,  // more codes than the lengths allow: not a prefix code
  Incomplete,      // patterns left over beyond the single-code case
  BadLength,       // a length above the tree's longest allowed length
};

class THuffmanTree {
 public:
  static constexpr std::uint32_t kInvalid = 0xFFFFFFFFu;
  // Symbols in code-length alphabets have no extra bits; passing this as
  // the base count says so.
  static constexpr unsigned kNoExtraBits = 65535;
  // The largest alphabet a tree takes (deflate's is 288 symbols).
  static constexpr std::size_t kMaxSymbols = 320;

  // ADefMaxCodeLen is the longest code length allowed: 15 for
  // literal/length and distance codes, 7 for code-length codes.
  explicit THuffmanTree(unsigned ADefMaxCodeLen);

  // Builds the table from the code lengths ACodeLengths[0..n), n at most
  // kMaxSymbols (else BadLength): symbol i has length ACodeLengths[i] (0:
  // no code). Symbols at or above ABaseCount
  // get AExtraBits[symbol - ABaseCount] extra bits in their entries, so
  // AExtraBits must cover every symbol from ABaseCount to n - 1. On any
  // result the table can be decoded from: patterns no code fills decode to
  // kInvalid. Whether an incomplete code is acceptable is the caller's call.
  THuffmanBuild Build(std::span<const std::uint8_t> ACodeLengths, unsigned ABaseCount,
                      const std::uint8_t* AExtraBits);

  // The entry for the next m_MaxCodeLen input bits (higher bits of ABits are
  // ignored).
  std::uint32_t Decode(std::uint64_t ABits) const {
    return m_Decodes[static_cast<std::size_t>(ABits & m_Mask)];
  }

  unsigned MaxCodeLen() const { return m_MaxCodeLen; }
  const std::uint32_t* Table() const { return m_Decodes.data(); }
  std::uint64_t Mask() const { return m_Mask; }

  static unsigned Symbol(std::uint32_t AEntry) { return AEntry & 0xFFFF; }
  static unsigned Length(std::uint32_t AEntry) { return (AEntry >> 16) & 0xFF; }
  static unsigned ExtraBits(std::uint32_t AEntry) { return AEntry >> 24; }

 private:
  std::vector<std::uint32_t> m_Decodes;
  unsigned m_DefMaxCodeLen;
  unsigned m_MaxCodeLen = 0;
  std::uint64_t m_Mask = 0;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_ARCHIVE_HUFFMAN_TREE_H_
