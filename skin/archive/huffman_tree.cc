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

  // Room left in the code space after each length: negative means more
  // codes than fit (over-subscribed), positive at the end means unused
  // patterns (incomplete).
  int left = 1;
  for (unsigned len = 1; len <= m_MaxCodeLen; ++len) {
    left = (left << 1) - static_cast<int>(count[len]);
    if (left < 0) break;
  }

  std::size_t size = std::size_t{1} << m_MaxCodeLen;
  m_Mask = size - 1;
  // A complete code writes every entry, so only the other cases need the
  // table cleared first.
  if (left == 0 && !badLength) {
    m_Decodes.resize(size);
  } else {
    m_Decodes.assign(size, kInvalid);
  }
  if (badLength) return THuffmanBuild::BadLength;
  if (left < 0) return THuffmanBuild::OverSubscribed;
  if (m_MaxCodeLen == 0) return THuffmanBuild::Empty;

  // First canonical code of each length.
  std::array<unsigned, kMaxBits + 2> next{};
  unsigned code = 0;
  for (unsigned len = 1; len <= m_DefMaxCodeLen; ++len) {
    code = (code + count[len - 1]) << 1;
    next[len] = code;
  }

  for (std::size_t symbol = 0; symbol < ACodeLengths.size(); ++symbol) {
    unsigned len = ACodeLengths[symbol];
    if (len == 0) continue;
    unsigned extra = symbol >= ABaseCount ? AExtraBits[symbol - ABaseCount] : 0;
    std::uint32_t entry = static_cast<std::uint32_t>(symbol) | (len << 16) | (extra << 24);
    for (std::size_t i = ReverseBits(next[len]++, len); i < size; i += std::size_t{1} << len) {
      m_Decodes[i] = entry;
    }
  }

  if (left == 0) return THuffmanBuild::Complete;
  if (m_MaxCodeLen == 1 && count[1] == 1) return THuffmanBuild::SingleCode;
  return THuffmanBuild::Incomplete;
}

}  // namespace skin
