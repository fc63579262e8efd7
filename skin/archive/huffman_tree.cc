#include "skin/archive/huffman_tree.h"

#include <algorithm>
#include <array>

namespace skin {
namespace {

constexpr unsigned kMaxBits = 15;

unsigned ReverseBits(unsigned ACode, unsigned ALength) {
  unsigned r = 0;
  for (unsigned i = 0; i < ALength; ++i) {
    r = (r << 1) | (ACode & 1);
    ACode >>= 1;
  }
  return r;
}

}  // namespace

THuffmanTree::THuffmanTree(unsigned ADefMaxCodeLen)
    : m_Decodes(1, kInvalid), m_DefMaxCodeLen(std::min(ADefMaxCodeLen, kMaxBits)) {}

THuffmanBuild THuffmanTree::Build(std::span<const std::uint8_t> ACodeLengths, unsigned ABaseCount,
                                  const std::uint8_t* AExtraBits) {
  std::array<unsigned, kMaxBits + 1> count{};
  m_MaxCodeLen = 0;
  bool badLength = false;
  for (std::uint8_t len : ACodeLengths) {
    if (len > m_DefMaxCodeLen) {
      badLength = true;
      continue;
    }
    ++count[len];
    m_MaxCodeLen = std::max<unsigned>(m_MaxCodeLen, len);
  }
  count[0] = 0;
  if (ACodeLengths.size() > kMaxSymbols) badLength = true;

  // Room left in the code space after each length: negative means more
  // codes than fit (over-subscribed), positive at the end means unused
  // patterns (incomplete).
  int left = 1;
  for (unsigned len = 1; len <= m_MaxCodeLen; ++len) {
    left = (left << 1) - static_cast<int>(count[len]);
    if (left < 0) break;
  }

  const std::size_t size = std::size_t{1} << m_MaxCodeLen;
  m_Mask = size - 1;
  if (badLength || left < 0) {
    m_Decodes.assign(size, kInvalid);
    return badLength ? THuffmanBuild::BadLength : THuffmanBuild::OverSubscribed;
  }
  m_Decodes.resize(size);
  m_Decodes[0] = kInvalid;
  if (m_MaxCodeLen == 0) return THuffmanBuild::Empty;

  // Symbols in canonical order: by length, then by symbol.
  std::array<unsigned, kMaxBits + 2> offset{};
  for (unsigned len = 1; len <= m_MaxCodeLen; ++len) offset[len + 1] = offset[len] + count[len];
  std::array<std::uint16_t, kMaxSymbols> sorted;
  for (std::size_t symbol = 0; symbol < ACodeLengths.size(); ++symbol) {
    if (ACodeLengths[symbol] != 0)
      sorted[offset[ACodeLengths[symbol]]++] = static_cast<std::uint16_t>(symbol);
  }

  // The table for codes up to length L, laid down twice, is the table for
  // L + 1 before the codes of length L + 1 go in: so the table grows by
  // doubling, and each code is written once, at its reversed bits.
  std::uint32_t* table = m_Decodes.data();
  std::size_t filled = 1;
  unsigned code = 0;
  std::size_t next = 0;
  for (unsigned len = 1; len <= m_MaxCodeLen; ++len) {
    std::copy(table, table + filled, table + filled);
    filled *= 2;
    for (unsigned k = 0; k < count[len]; ++k, ++code) {
      const unsigned symbol = sorted[next++];
      const unsigned extra = symbol >= ABaseCount ? AExtraBits[symbol - ABaseCount] : 0;
      table[ReverseBits(code, len)] = symbol | (len << 16) | (extra << 24);
    }
    code <<= 1;
  }

  if (left == 0) return THuffmanBuild::Complete;
  if (m_MaxCodeLen == 1 && count[1] == 1) return THuffmanBuild::SingleCode;
  return THuffmanBuild::Incomplete;
}

}  // namespace skin
