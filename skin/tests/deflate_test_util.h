// Helpers for building deflate streams bit by bit in tests.
#ifndef QUILLORY_SKIN_TESTS_DEFLATE_TEST_UTIL_H_
#define QUILLORY_SKIN_TESTS_DEFLATE_TEST_UTIL_H_

#include <cstdint>
#include <string>
#include <vector>

#include "skin/archive/byte_stream.h"
#include "skin/archive/inflater.h"
#include "skin/compiler/bit_writer.h"

namespace skin::test {

// Canonical codes for a list of code lengths (RFC 1951, 3.2.2).
inline std::vector<std::uint32_t> CanonicalCodes(const std::vector<std::uint8_t>& ALengths) {
  std::uint32_t count[16] = {}, next[16] = {};
  for (auto l : ALengths) ++count[l];
  count[0] = 0;
  std::uint32_t code = 0;
  for (int bits = 1; bits < 16; ++bits) {
    code = (code + count[bits - 1]) << 1;
    next[bits] = code;
  }
  std::vector<std::uint32_t> codes(ALengths.size());
  for (std::size_t s = 0; s < ALengths.size(); ++s) {
    if (ALengths[s]) codes[s] = next[ALengths[s]]++;
  }
  return codes;
}

// A code with its lengths, for sending symbols.
struct TTestCode {
  std::vector<std::uint8_t> Lengths;
  std::vector<std::uint32_t> Codes;
  explicit TTestCode(std::vector<std::uint8_t> ALengths)
      : Lengths(std::move(ALengths)), Codes(CanonicalCodes(Lengths)) {}
  void Send(TBitWriter& W, unsigned ASymbol) const { W.PutCode(Codes[ASymbol], Lengths[ASymbol]); }
};

// The code-length code used by WriteDynamicHeader unless a test gives its
// own: symbols 0-15 with length 4, so each length is sent as itself.
inline std::vector<std::uint8_t> PlainCodeLengthCode() {
  std::vector<std::uint8_t> l(19, 0);
  for (int i = 0; i < 16; ++i) l[i] = 4;
  return l;
}

// Writes the start of a dynamic block: BFINAL, BTYPE 2, the counts for
// ALiteralCount and ADistanceCount lengths, and all 19 code-length code
// lengths of ACodeLengthCode.
inline void WriteDynamicPreamble(TBitWriter& W, bool AFinal, std::size_t ALiteralCount,
                                 std::size_t ADistanceCount,
                                 const std::vector<std::uint8_t>& ACodeLengthCode) {
  static const int kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  W.Put(AFinal ? 1 : 0, 1);
  W.Put(2, 2);
  W.Put(static_cast<std::uint32_t>(ALiteralCount - 257), 5);
  W.Put(static_cast<std::uint32_t>(ADistanceCount - 1), 5);
  W.Put(19 - 4, 4);
  for (int i = 0; i < 19; ++i) W.Put(ACodeLengthCode[kOrder[i]], 3);
}

// Writes a dynamic block header (BFINAL, BTYPE 2, counts, the code-length
// code and every length sent as a literal length symbol).
inline void WriteDynamicHeader(
    TBitWriter& W, bool AFinal, const std::vector<std::uint8_t>& ALit,
    const std::vector<std::uint8_t>& ADist,
    const std::vector<std::uint8_t>& ACodeLengthCode = PlainCodeLengthCode()) {
  WriteDynamicPreamble(W, AFinal, ALit.size(), ADist.size(), ACodeLengthCode);
  TTestCode cl(ACodeLengthCode);
  for (auto l : ALit) cl.Send(W, l);
  for (auto l : ADist) cl.Send(W, l);
}

struct TInflated {
  TInflateResult Result;
  std::string Output;
};

inline TInflated InflateBytes(const std::vector<std::uint8_t>& AInput,
                              std::size_t ALimit = static_cast<std::size_t>(-1)) {
  TInflater inflater;
  TMemorySource source(AInput);
  std::vector<std::uint8_t> out;
  TVectorSink sink(out, ALimit);
  TInflateResult r = inflater.Inflate(source, sink);
  return {r, std::string(out.begin(), out.end())};
}

}  // namespace skin::test

#endif  // QUILLORY_SKIN_TESTS_DEFLATE_TEST_UTIL_H_
