#include "skin/compiler/deflate_encoder.h"

#include <algorithm>
#include <array>

#include "skin/compiler/bit_writer.h"
#include "skin/compiler/huffman_code.h"

namespace skin {
namespace {

constexpr std::size_t kWindow = 32768;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr int kMaxChain = 256;
constexpr unsigned kHashBits = 15;
constexpr std::size_t kSymbolsPerBlock = 1 << 15;
constexpr unsigned kEndOfBlock = 256;

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                         4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                         9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::array<std::uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};

// One LZ77 symbol: a literal (Distance 0) or a match.
struct TSymbol {
  std::uint16_t LengthOrLiteral;
  std::uint16_t Distance;
};

unsigned LengthSymbol(unsigned ALength) {
  if (ALength == 258) return 28;
  return static_cast<unsigned>(std::upper_bound(kLengthBase.begin(), kLengthBase.end(), ALength) -
                               kLengthBase.begin() - 1);
}

unsigned DistanceSymbol(unsigned ADistance) {
  return static_cast<unsigned>(
      std::upper_bound(kDistanceBase.begin(), kDistanceBase.end(), ADistance) -
      kDistanceBase.begin() - 1);
}

std::vector<TSymbol> FindMatches(std::span<const std::uint8_t> AData) {
  std::vector<TSymbol> symbols;
  symbols.reserve(AData.size() / 2 + 16);
  std::vector<std::int32_t> head(std::size_t{1} << kHashBits, -1);
  std::vector<std::int32_t> prev(AData.size(), -1);
  auto hash = [&](std::size_t i) {
    std::uint32_t v = AData[i] | AData[i + 1] << 8 | AData[i + 2] << 16;
    return (v * 2654435761u) >> (32 - kHashBits);
  };
  auto insert = [&](std::size_t i) {
    if (i + kMinMatch > AData.size()) return;
    std::uint32_t h = hash(i);
    prev[i] = head[h];
    head[h] = static_cast<std::int32_t>(i);
  };

  std::size_t i = 0;
  while (i < AData.size()) {
    std::size_t bestLength = 0, bestDistance = 0;
    if (i + kMinMatch <= AData.size()) {
      const std::size_t limit = std::min(kMaxMatch, AData.size() - i);
      int chain = kMaxChain;
      for (std::int32_t c = head[hash(i)]; c >= 0 && chain-- > 0; c = prev[c]) {
        std::size_t distance = i - static_cast<std::size_t>(c);
        if (distance > kWindow) break;
        if (AData[c + bestLength] != AData[i + bestLength]) continue;
        std::size_t n = 0;
        while (n < limit && AData[c + n] == AData[i + n]) ++n;
        if (n > bestLength) {
          bestLength = n;
          bestDistance = distance;
          if (n == limit) break;
        }
      }
    }
    if (bestLength >= kMinMatch) {
      symbols.push_back(
          {static_cast<std::uint16_t>(bestLength), static_cast<std::uint16_t>(bestDistance)});
      for (std::size_t k = 0; k < bestLength; ++k) insert(i + k);
      i += bestLength;
    } else {
      symbols.push_back({AData[i], 0});
      insert(i);
      ++i;
    }
  }
  return symbols;
}

// Writes one dynamic block of ASymbols; returns nothing, the writer holds it.
void WriteDynamicBlock(TBitWriter& W, std::span<const TSymbol> ASymbols, bool AFinal) {
  std::vector<std::uint32_t> litFreq(286, 0), distFreq(30, 0);
  for (const TSymbol& s : ASymbols) {
    if (s.Distance == 0) {
      ++litFreq[s.LengthOrLiteral];
    } else {
      ++litFreq[257 + LengthSymbol(s.LengthOrLiteral)];
      ++distFreq[DistanceSymbol(s.Distance)];
    }
  }
  litFreq[kEndOfBlock] = 1;
  if (std::all_of(distFreq.begin(), distFreq.end(), [](auto f) { return f == 0; })) {
    distFreq[0] = 1;
  }
  std::vector<std::uint8_t> litLengths = HuffmanLengths(litFreq, 15);
  std::vector<std::uint8_t> distLengths = HuffmanLengths(distFreq, 15);
  unsigned hlit = 286, hdist = 30;
  while (hlit > 257 && litLengths[hlit - 1] == 0) --hlit;
  while (hdist > 1 && distLengths[hdist - 1] == 0) --hdist;

  // Run-length code the lengths with 16 (repeat), 17 and 18 (zeros).
  std::vector<std::uint8_t> all(litLengths.begin(), litLengths.begin() + hlit);
  all.insert(all.end(), distLengths.begin(), distLengths.begin() + hdist);
  struct TRun {
    std::uint8_t Symbol, Extra;
  };
  std::vector<TRun> runs;
  for (std::size_t i = 0; i < all.size();) {
    std::size_t n = 1;
    while (i + n < all.size() && all[i + n] == all[i]) ++n;
    std::size_t left = n;
    if (all[i] == 0) {
      while (left >= 11) {
        std::size_t k = std::min<std::size_t>(left, 138);
        runs.push_back({18, static_cast<std::uint8_t>(k - 11)});
        left -= k;
      }
      if (left >= 3) {
        runs.push_back({17, static_cast<std::uint8_t>(left - 3)});
        left = 0;
      }
    } else {
      runs.push_back({all[i], 0});
      --left;
      while (left >= 3) {
        std::size_t k = std::min<std::size_t>(left, 6);
        runs.push_back({16, static_cast<std::uint8_t>(k - 3)});
        left -= k;
      }
    }
    for (; left > 0; --left) runs.push_back({all[i], 0});
    i += n;
  }
  std::vector<std::uint32_t> clFreq(19, 0);
  for (const TRun& r : runs) ++clFreq[r.Symbol];
  std::vector<std::uint8_t> clLengths = HuffmanLengths(clFreq, 7);
  // A code-length code must be complete for strict inflaters: with a
  // single symbol, give a second one a code too.
  if (std::count_if(clLengths.begin(), clLengths.end(), [](auto l) { return l > 0; }) == 1) {
    clLengths[clLengths[0] ? 1 : 0] = 1;
  }
  unsigned hclen = 19;
  while (hclen > 4 && clLengths[kCodeLengthOrder[hclen - 1]] == 0) --hclen;

  const auto litCodes = CanonicalCodes(litLengths);
  const auto distCodes = CanonicalCodes(distLengths);
  const auto clCodes = CanonicalCodes(clLengths);
  W.Put(AFinal ? 1 : 0, 1);
  W.Put(2, 2);
  W.Put(hlit - 257, 5);
  W.Put(hdist - 1, 5);
  W.Put(hclen - 4, 4);
  for (unsigned i = 0; i < hclen; ++i) W.Put(clLengths[kCodeLengthOrder[i]], 3);
  for (const TRun& r : runs) {
    W.PutCode(clCodes[r.Symbol], clLengths[r.Symbol]);
    if (r.Symbol == 16) W.Put(r.Extra, 2);
    if (r.Symbol == 17) W.Put(r.Extra, 3);
    if (r.Symbol == 18) W.Put(r.Extra, 7);
  }
  for (const TSymbol& s : ASymbols) {
    if (s.Distance == 0) {
      W.PutCode(litCodes[s.LengthOrLiteral], litLengths[s.LengthOrLiteral]);
      continue;
    }
    unsigned ls = LengthSymbol(s.LengthOrLiteral);
    W.PutCode(litCodes[257 + ls], litLengths[257 + ls]);
    W.Put(s.LengthOrLiteral - kLengthBase[ls], kLengthExtra[ls]);
    unsigned ds = DistanceSymbol(s.Distance);
    W.PutCode(distCodes[ds], distLengths[ds]);
    W.Put(s.Distance - kDistanceBase[ds], kDistanceExtra[ds]);
  }
  W.PutCode(litCodes[kEndOfBlock], litLengths[kEndOfBlock]);
}

void WriteStoredBlocks(TBitWriter& W, std::span<const std::uint8_t> AData, bool AFinal) {
  do {
    std::size_t n = std::min<std::size_t>(AData.size(), 65535);
    bool last = AFinal && n == AData.size();
    W.Put(last ? 1 : 0, 1);
    W.Put(0, 2);
    W.AlignToByte();
    W.Put(static_cast<std::uint32_t>(n), 16);
    W.Put(static_cast<std::uint32_t>(~n) & 0xFFFF, 16);
    W.PutBytes(AData.data(), n);
    AData = AData.subspan(n);
  } while (!AData.empty());
}

}  // namespace

std::vector<std::uint8_t> DeflateRaw(std::span<const std::uint8_t> AData) {
  const std::vector<TSymbol> symbols = FindMatches(AData);
  TBitWriter w;
  std::size_t dataPos = 0;
  std::size_t first = 0;
  do {
    const std::size_t last = std::min(symbols.size(), first + kSymbolsPerBlock);
    std::span<const TSymbol> block(symbols.data() + first, last - first);
    std::size_t blockBytes = 0;
    for (const TSymbol& s : block) blockBytes += s.Distance ? s.LengthOrLiteral : 1;
    const bool final = last == symbols.size();

    // Try the dynamic block; fall back to stored blocks when smaller.
    TBitWriter trial = w;
    WriteDynamicBlock(trial, block, final);
    const std::size_t dynamicBytes = trial.Bytes().size() - w.Bytes().size();
    if (dynamicBytes > blockBytes + 5 * (blockBytes / 65535 + 1) + 1) {
      WriteStoredBlocks(w, AData.subspan(dataPos, blockBytes), final);
    } else {
      w = std::move(trial);
    }
    dataPos += blockBytes;
    first = last;
  } while (first < symbols.size());
  return w.Finish();
}

}  // namespace skin
