#include "skin/archive/inflater.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace skin {
namespace {

// Lengths 3..258 of symbols 257..285; 286 and 287 exist only in the fixed
// code and are rejected when decoded.
constexpr std::array<std::uint16_t, 31> kLengthBase = {
    3,  4,  5,  6,  7,  8,  9,  10,  11,  13,  15,  17,  19,  23, 27, 31,
    35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258, 0,  0};
constexpr std::array<std::uint8_t, 31> kLengthExtra = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0, 0, 0};
// Distances of symbols 0..29; 30 and 31 exist only in the fixed code.
constexpr std::array<std::uint16_t, 32> kDistanceBase = {
    1,   2,   3,   4,   5,    7,    9,    13,   17,   25,   33,   49,    65,    97,    129, 193,
    257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577, 0,   0};
constexpr std::array<std::uint8_t, 32> kDistanceExtra = {0,  0,  0,  0,  1,  1,  2,  2,  3, 3, 4,
                                                         4,  5,  5,  6,  6,  7,  7,  8,  8, 9, 9,
                                                         10, 10, 11, 11, 12, 12, 13, 13, 0, 0};
// Order in which the code-length code lengths are sent.
constexpr std::array<std::uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};

constexpr unsigned kEndOfBlock = 256;
constexpr unsigned kMaxLiteralCodes = 286;
constexpr unsigned kMaxDistanceCodes = 30;

// The two trees of fixed-code blocks, built once.
struct TFixedTrees {
  THuffmanTree Literal{15};
  THuffmanTree Distance{15};
  TFixedTrees() {
    std::array<std::uint8_t, 288> lit{};
    std::fill(lit.begin(), lit.begin() + 144, 8);
    std::fill(lit.begin() + 144, lit.begin() + 256, 9);
    std::fill(lit.begin() + 256, lit.begin() + 280, 7);
    std::fill(lit.begin() + 280, lit.end(), 8);
    Literal.Build(lit, 257, kLengthExtra.data());
    std::array<std::uint8_t, 32> dist;
    dist.fill(5);
    Distance.Build(dist, 0, kDistanceExtra.data());
  }
};

const TFixedTrees& FixedTrees() {
  static const TFixedTrees trees;
  return trees;
}

std::uint64_t LoadLittleEndian64(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  if constexpr (std::endian::native == std::endian::big) {
    v = ((v & 0x00000000FFFFFFFFull) << 32) | (v >> 32);
    v = ((v & 0x0000FFFF0000FFFFull) << 16) | ((v >> 16) & 0x0000FFFF0000FFFFull);
    v = ((v & 0x00FF00FF00FF00FFull) << 8) | ((v >> 8) & 0x00FF00FF00FF00FFull);
  }
  return v;
}

}  // namespace

// The bit reader and window position of one Inflate call.
struct TInflater::TState {
  TByteSource* Source;
  TByteSink* Sink;
  std::uint8_t* Chunk;
  const std::uint8_t* Next = nullptr;  // unread bytes of the current chunk
  const std::uint8_t* End = nullptr;
  std::uint64_t Bits = 0;  // pending input bits, next bit lowest
  unsigned Count = 0;      // number of pending bits
  unsigned Padding = 0;    // zero bytes added after the end of the input
  bool AtEnd = false;
  bool ReadFailed = false;
  std::uint8_t* Window;
  std::size_t Pos = 0;

  // Fetches the next chunk; false at the end of the input.
  bool NextChunk() {
    if (AtEnd) return false;
    std::ptrdiff_t n = Source->Read(Chunk, kInputChunk);
    if (n <= 0) {
      AtEnd = true;
      ReadFailed = n < 0;
      return false;
    }
    Next = Chunk;
    End = Chunk + n;
    return true;
  }

  // Tops the bit buffer up to at least 56 bits, with zero bytes past the end
  // of the input (counted in Padding).
  void Refill() {
    if (End - Next >= 8) {
      Bits |= LoadLittleEndian64(Next) << Count;
      Next += (63 - Count) >> 3;
      Count |= 56;
      return;
    }
    while (Count <= 56) {
      if (Next == End && !NextChunk()) {
        ++Padding;
      } else {
        Bits |= std::uint64_t{*Next++} << Count;
      }
      Count += 8;
    }
  }

  // True once bits beyond the end of the input have been consumed.
  bool Overran() const { return Padding * 8 > Count; }

  unsigned Take(unsigned ACount) {
    unsigned v = static_cast<unsigned>(Bits & ((std::uint64_t{1} << ACount) - 1));
    Bits >>= ACount;
    Count -= ACount;
    return v;
  }
};

const char* DescribeInflateResult(TInflateResult AResult) {
  switch (AResult) {
    case TInflateResult::Ok:
      return "ok";
    case TInflateResult::ReadError:
      return "read error";
    case TInflateResult::WriteRefused:
      return "output refused";
    case TInflateResult::Truncated:
      return "input ends before the final block";
    case TInflateResult::ReservedBlockType:
      return "reserved block type";
    case TInflateResult::TooManyCodes:
      return "too many length or distance codes";
    case TInflateResult::BadCodeLengths:
      return "over-subscribed or incomplete code";
    case TInflateResult::BadRepeat:
      return "invalid code length repeat";
    case TInflateResult::MissingEndOfBlock:
      return "no code for the end of a block";
    case TInflateResult::InvalidCode:
      return "invalid code";
    case TInflateResult::DistanceTooFar:
      return "distance before the start of the output";
  }
  return "unknown";
}

// The window is followed by slack for matches copied a word at a time.
TInflater::TInflater()
    : FWindow(new std::uint8_t[kWindowSize + 32]), FChunk(new std::uint8_t[kInputChunk]) {}

TInflater::~TInflater() = default;

bool TInflater::Flush(TState& S) {
  if (!S.Sink->Write(S.Window, kFlushSize)) return false;
  FWritten += kFlushSize;
  std::memmove(S.Window, S.Window + kFlushSize, S.Pos - kFlushSize);
  S.Pos -= kFlushSize;
  return true;
}

TInflateResult TInflater::Inflate(TByteSource& AInput, TByteSink& AOutput) {
  FWritten = 0;
  TState S;
  S.Source = &AInput;
  S.Sink = &AOutput;
  S.Chunk = FChunk.get();
  S.Window = FWindow.get();
  const TFixedTrees& fixed = FixedTrees();

  TInflateResult result = TInflateResult::Ok;
  bool final = false;
  while (result == TInflateResult::Ok && !final) {
    S.Refill();
    final = S.Take(1) != 0;
    switch (S.Take(2)) {
      case 0:
        result = DecodeStored(S);
        break;
      case 1:
        result = DecodeCodes(S, fixed.Literal, fixed.Distance);
        break;
      case 2:
        result = DecodeDynamicTrees(S);
        if (result == TInflateResult::Ok) result = DecodeCodes(S, FLiteralTree, FDistanceTree);
        break;
      default:
        result = TInflateResult::ReservedBlockType;
        break;
    }
    if (S.Overran()) result = TInflateResult::Truncated;
  }
  if (S.ReadFailed && result != TInflateResult::WriteRefused) result = TInflateResult::ReadError;
  if (result != TInflateResult::Ok) return result;
  if (S.Pos > 0) {
    if (!S.Sink->Write(S.Window, S.Pos)) return TInflateResult::WriteRefused;
    FWritten += S.Pos;
  }
  return TInflateResult::Ok;
}

TInflateResult TInflater::DecodeStored(TState& S) {
  S.Take(S.Count & 7);
  S.Refill();
  unsigned length = S.Take(16);
  S.Take(16);  // NLEN, the one's complement of LEN, is not checked
  if (S.Overran()) return TInflateResult::Truncated;

  // Whole bytes still in the bit buffer come first, then the chunks.
  while (length > 0 && S.Count >= 8) {
    if (S.Count / 8 <= S.Padding) return TInflateResult::Truncated;
    S.Window[S.Pos++] = static_cast<std::uint8_t>(S.Take(8));
    --length;
    if (S.Pos >= kFlushAt && !Flush(S)) return TInflateResult::WriteRefused;
  }
  // The bit buffer is empty now, but a word-wise refill may have left copies
  // of the bytes at Next above its count; those bytes are copied directly.
  if (length > 0) S.Bits = 0;
  while (length > 0) {
    if (S.Next == S.End && !S.NextChunk()) return TInflateResult::Truncated;
    std::size_t n =
        std::min<std::size_t>({length, static_cast<std::size_t>(S.End - S.Next), kFlushAt - S.Pos});
    std::memcpy(S.Window + S.Pos, S.Next, n);
    S.Next += n;
    S.Pos += n;
    length -= static_cast<unsigned>(n);
    if (S.Pos >= kFlushAt && !Flush(S)) return TInflateResult::WriteRefused;
  }
  return TInflateResult::Ok;
}

TInflateResult TInflater::DecodeDynamicTrees(TState& S) {
  S.Refill();
  unsigned literalCount = S.Take(5) + 257;
  unsigned distanceCount = S.Take(5) + 1;
  unsigned codeLengthCount = S.Take(4) + 4;
  if (literalCount > kMaxLiteralCodes || distanceCount > kMaxDistanceCodes) {
    return TInflateResult::TooManyCodes;
  }

  std::array<std::uint8_t, 19> codeLengths{};
  for (unsigned i = 0; i < codeLengthCount; ++i) {
    if (S.Count < 3) S.Refill();
    codeLengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(S.Take(3));
  }
  if (FCodeLengthTree.Build(codeLengths, THuffmanTree::kNoExtraBits, nullptr) !=
      THuffmanBuild::Complete) {
    return TInflateResult::BadCodeLengths;
  }

  std::array<std::uint8_t, kMaxLiteralCodes + kMaxDistanceCodes> lengths{};
  const unsigned total = literalCount + distanceCount;
  unsigned i = 0;
  while (i < total) {
    S.Refill();
    if (S.Overran()) return TInflateResult::Truncated;
    std::uint32_t entry = FCodeLengthTree.Decode(S.Bits);
    if (entry == THuffmanTree::kInvalid) return TInflateResult::InvalidCode;
    S.Take(THuffmanTree::Length(entry));
    unsigned symbol = THuffmanTree::Symbol(entry);
    if (symbol < 16) {
      lengths[i++] = static_cast<std::uint8_t>(symbol);
      continue;
    }
    std::uint8_t value = 0;
    unsigned repeat;
    if (symbol == 16) {
      if (i == 0) return TInflateResult::BadRepeat;
      value = lengths[i - 1];
      repeat = 3 + S.Take(2);
    } else if (symbol == 17) {
      repeat = 3 + S.Take(3);
    } else {
      repeat = 11 + S.Take(7);
    }
    if (repeat > total - i) return TInflateResult::BadRepeat;
    std::fill_n(lengths.begin() + i, repeat, value);
    i += repeat;
  }
  if (lengths[kEndOfBlock] == 0) return TInflateResult::MissingEndOfBlock;

  std::span<const std::uint8_t> all(lengths.data(), total);
  THuffmanBuild lit = FLiteralTree.Build(all.first(literalCount), 257, kLengthExtra.data());
  if (lit != THuffmanBuild::Complete && lit != THuffmanBuild::SingleCode) {
    return TInflateResult::BadCodeLengths;
  }
  THuffmanBuild dist = FDistanceTree.Build(all.subspan(literalCount), 0, kDistanceExtra.data());
  if (dist == THuffmanBuild::OverSubscribed || dist == THuffmanBuild::Incomplete ||
      dist == THuffmanBuild::BadLength) {
    return TInflateResult::BadCodeLengths;
  }
  return TInflateResult::Ok;
}

TInflateResult TInflater::DecodeCodes(TState& S, const THuffmanTree& ALiteral,
                                      const THuffmanTree& ADistance) {
  const std::uint32_t* const literalTable = ALiteral.Table();
  const std::uint64_t literalMask = ALiteral.Mask();
  const std::uint32_t* const distanceTable = ADistance.Table();
  const std::uint64_t distanceMask = ADistance.Mask();
  std::uint8_t* const window = S.Window;

  // The hot state lives in locals: stores through the byte pointers into
  // the window could alias the state's fields and force reloads.
  std::uint64_t bits = S.Bits;
  unsigned count = S.Count;
  const std::uint8_t* next = S.Next;
  const std::uint8_t* end = S.End;
  std::size_t pos = S.Pos;
  auto save = [&] {
    S.Bits = bits;
    S.Count = count;
    S.Next = next;
    S.Pos = pos;
  };
  auto load = [&] {
    bits = S.Bits;
    count = S.Count;
    next = S.Next;
    end = S.End;
    pos = S.Pos;
  };
  auto take = [&](unsigned ACount) {
    std::size_t v = static_cast<std::size_t>(bits & ((std::uint64_t{1} << ACount) - 1));
    bits >>= ACount;
    count -= ACount;
    return v;
  };

  TInflateResult result = TInflateResult::Ok;
  for (;;) {
    // 56 bits cover the longest symbol with its match: 15 + 5 + 15 + 13.
    if (end - next >= 8) {
      bits |= LoadLittleEndian64(next) << count;
      next += (63 - count) >> 3;
      count |= 56;
    } else {
      save();
      S.Refill();
      load();
      if (S.Overran()) {
        result = TInflateResult::Truncated;
        break;
      }
    }
    std::uint32_t entry = literalTable[bits & literalMask];
    if (entry == THuffmanTree::kInvalid) {
      result = TInflateResult::InvalidCode;
      break;
    }
    take(THuffmanTree::Length(entry));
    unsigned symbol = THuffmanTree::Symbol(entry);
    if (symbol < 256) {
      window[pos++] = static_cast<std::uint8_t>(symbol);
      // A second literal fits in the bits left (at least 41).
      entry = literalTable[bits & literalMask];
      if (THuffmanTree::Symbol(entry) < 256 && entry != THuffmanTree::kInvalid) {
        take(THuffmanTree::Length(entry));
        window[pos++] = static_cast<std::uint8_t>(entry);
      }
    } else {
      if (symbol == kEndOfBlock) break;
      if (symbol > 285) {
        result = TInflateResult::InvalidCode;
        break;
      }
      const std::size_t length = kLengthBase[symbol - 257] + take(THuffmanTree::ExtraBits(entry));
      entry = distanceTable[bits & distanceMask];
      if (entry == THuffmanTree::kInvalid) {
        result = TInflateResult::InvalidCode;
        break;
      }
      take(THuffmanTree::Length(entry));
      symbol = THuffmanTree::Symbol(entry);
      if (symbol >= kMaxDistanceCodes) {
        result = TInflateResult::InvalidCode;
        break;
      }
      const std::size_t distance = kDistanceBase[symbol] + take(THuffmanTree::ExtraBits(entry));
      if (distance > pos) {
        result = TInflateResult::DistanceTooFar;
        break;
      }
      std::uint8_t* dst = window + pos;
      if (distance == 1) {
        std::memset(dst, dst[-1], length);
      } else {
        std::size_t done = 0;
        if (distance < 8) {
          // A short distance repeats a pattern of that period: lay down 8
          // bytes of it byte by byte, then store that word again every
          // multiple of the period (no loads of bytes just stored).
          for (const std::uint8_t* src = dst - distance; done < 8; ++done) dst[done] = src[done];
          std::uint64_t pattern;
          std::memcpy(&pattern, dst, 8);
          const std::size_t stride = 8 - 8 % distance;
          for (done = stride; done < length; done += stride) std::memcpy(dst + done, &pattern, 8);
        } else if (distance >= 16) {
          for (; done < length; done += 16) std::memcpy(dst + done, dst + done - distance, 16);
        } else {
          for (; done < length; done += 8) std::memcpy(dst + done, dst + done - distance, 8);
        }
        // The copies may run up to 15 bytes past the match, into the slack.
      }
      pos += length;
    }
    if (pos >= kFlushAt) {
      save();
      const bool flushed = Flush(S);
      load();
      if (!flushed) {
        result = TInflateResult::WriteRefused;
        break;
      }
    }
  }
  save();
  return result;
}

}  // namespace skin
