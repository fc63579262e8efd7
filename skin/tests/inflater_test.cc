// The inflater on streams built bit by bit: every block type, the window
// flushing, and each malformed case ending with its own result.
#include "skin/archive/inflater.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "skin/tests/deflate_test_util.h"

namespace skin::test {
namespace {

const TTestCode& FixedLiteral() {
  static const TTestCode code = [] {
    std::vector<std::uint8_t> l(288);
    for (int i = 0; i < 288; ++i) l[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
    return TTestCode(l);
  }();
  return code;
}
const TTestCode& FixedDistance() {
  static const TTestCode code(std::vector<std::uint8_t>(32, 5));
  return code;
}

void StoredBlock(TBitWriter& W, bool AFinal, const std::string& AData) {
  W.Put(AFinal ? 1 : 0, 1);
  W.Put(0, 2);
  W.AlignToByte();
  W.Put(static_cast<std::uint32_t>(AData.size()), 16);
  W.Put(static_cast<std::uint32_t>(~AData.size()) & 0xFFFF, 16);
  W.PutBytes(reinterpret_cast<const std::uint8_t*>(AData.data()), AData.size());
}

// A match in a fixed block: length 3..258 with distance 1..32768.
void FixedMatch(TBitWriter& W, unsigned ALength, unsigned ADistance) {
  static const unsigned kBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                   31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static const unsigned kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  static const unsigned kDBase[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                    33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                    1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
  static const unsigned kDExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                     6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
  int s = 28;
  while (kBase[s] > ALength) --s;
  if (ALength == 258) s = 28;
  FixedLiteral().Send(W, 257 + s);
  W.Put(ALength - kBase[s], kExtra[s]);
  int d = 29;
  while (kDBase[d] > ADistance) --d;
  FixedDistance().Send(W, d);
  W.Put(ADistance - kDBase[d], kDExtra[d]);
}

void FixedHeader(TBitWriter& W, bool AFinal) {
  W.Put(AFinal ? 1 : 0, 1);
  W.Put(1, 2);
}

void FixedLiterals(TBitWriter& W, const std::string& AText) {
  for (unsigned char c : AText) FixedLiteral().Send(W, c);
}

TEST(InflaterTest, StoredFixedAndDynamicBlocksInOneStream) {
  TBitWriter w;
  StoredBlock(w, false, "stored ");
  FixedHeader(w, false);
  FixedLiterals(w, "ab");
  FixedMatch(w, 5, 2);  // overlapping copy: "ababa"
  FixedLiteral().Send(w, 256);
  // Dynamic: 'a' = 0, end = 10, length 3 = 11; one distance code.
  std::vector<std::uint8_t> lit(258, 0);
  lit['a'] = 1;
  lit[256] = 2;
  lit[257] = 2;
  std::vector<std::uint8_t> dist = {1};
  WriteDynamicHeader(w, true, lit, dist);
  TTestCode litCode(lit), distCode(dist);
  litCode.Send(w, 'a');
  litCode.Send(w, 257);
  distCode.Send(w, 0);
  litCode.Send(w, 256);
  TInflated r = InflateBytes(w.Finish());
  ASSERT_EQ(r.Result, TInflateResult::Ok) << DescribeInflateResult(r.Result);
  EXPECT_EQ(r.Output,
            "stored abab"
            "aba"
            "aaaa");
}

// Far more output than the window holds, with matches reaching the full
// 32 KiB back right across the flush points.
TEST(InflaterTest, LongOutputKeepsHistoryAcrossFlushes) {
  std::mt19937 rng(7);
  std::string head(40000, '\0');
  for (auto& c : head) c = static_cast<char>(rng());
  TBitWriter w;
  StoredBlock(w, false, head);
  std::string expected = head;
  FixedHeader(w, true);
  for (int i = 0; i < 2000; ++i) {
    unsigned length = 3 + (i * 37) % 256, distance = i % 3 == 0 ? 32768 : 1 + (i * 7919) % 32768;
    FixedMatch(w, length, distance);
    for (unsigned k = 0; k < length; ++k) expected.push_back(expected[expected.size() - distance]);
    FixedLiterals(w, "x");
    expected.push_back('x');
  }
  FixedLiteral().Send(w, 256);
  TInflated r = InflateBytes(w.Finish());
  ASSERT_EQ(r.Result, TInflateResult::Ok) << DescribeInflateResult(r.Result);
  EXPECT_EQ(r.Output.size(), expected.size());
  EXPECT_TRUE(r.Output == expected);
}

// Every short distance with lengths around the copy widths: the pattern
// must repeat exactly, with nothing written past the match surviving.
TEST(InflaterTest, OverlappingCopiesRepeatTheirPattern) {
  TBitWriter w;
  FixedHeader(w, true);
  std::string expected = "0123456789abcdefghijklmnopqrstuvwxyz";
  FixedLiterals(w, expected);
  for (unsigned distance = 1; distance <= 33; ++distance) {
    for (unsigned length : {3u, 7u, 8u, 9u, 15u, 16u, 17u, 31u, 64u, 258u}) {
      FixedMatch(w, length, distance);
      for (unsigned k = 0; k < length; ++k)
        expected.push_back(expected[expected.size() - distance]);
      FixedLiterals(w, "#");
      expected.push_back('#');
    }
  }
  FixedLiteral().Send(w, 256);
  TInflated r = InflateBytes(w.Finish());
  ASSERT_EQ(r.Result, TInflateResult::Ok) << DescribeInflateResult(r.Result);
  EXPECT_TRUE(r.Output == expected);
}

TEST(InflaterTest, SinkLimitStopsDecoding) {
  TBitWriter w;
  FixedHeader(w, true);
  FixedLiterals(w, "a");
  for (int i = 0; i < 1000; ++i) FixedMatch(w, 258, 1);
  FixedLiteral().Send(w, 256);
  TInflated r = InflateBytes(w.Finish(), 100000);
  EXPECT_EQ(r.Result, TInflateResult::WriteRefused);
  EXPECT_EQ(r.Output.size(), 100000u);
}

TEST(InflaterTest, SingleLiteralCodeIsAccepted) {
  // One literal/length code of length 1 would leave 256 without a code,
  // so take a one-code distance alphabet and the end code alone.
  std::vector<std::uint8_t> lit(257, 0);
  lit[256] = 1;
  TBitWriter w;
  WriteDynamicHeader(w, true, lit, {0});
  w.Put(0, 1);
  EXPECT_EQ(InflateBytes(w.Finish()).Result, TInflateResult::Ok);
}

struct TMalformedCase {
  const char* Name;
  std::function<void(TBitWriter&)> Write;
  TInflateResult Expected;
};

std::vector<std::uint8_t> ValidLit() {
  std::vector<std::uint8_t> lit(258, 0);
  lit['a'] = 1;
  lit[256] = 2;
  lit[257] = 2;
  return lit;
}

std::vector<std::uint8_t> CodeLengthCodeWith(std::initializer_list<int> ASymbols) {
  std::vector<std::uint8_t> l(19, 0);
  for (int s : ASymbols) l[s] = 4;
  return l;
}

class InflaterMalformedTest : public ::testing::TestWithParam<TMalformedCase> {};

TEST_P(InflaterMalformedTest, EndsWithItsResult) {
  TBitWriter w;
  GetParam().Write(w);
  TInflated r = InflateBytes(w.Finish());
  EXPECT_EQ(r.Result, GetParam().Expected) << "got " << DescribeInflateResult(r.Result) << ", want "
                                           << DescribeInflateResult(GetParam().Expected);
}

const TMalformedCase kMalformed[] = {
    {"Empty", [](TBitWriter&) {}, TInflateResult::Truncated},
    {"ReservedBlockType", [](TBitWriter& w) { w.Put(1, 1), w.Put(3, 2), w.Put(0, 13); },
     TInflateResult::ReservedBlockType},
    {"NoFinalBlock", [](TBitWriter& w) { StoredBlock(w, false, "abc"); },
     TInflateResult::Truncated},
    {"StoredLengthBeyondInput",
     [](TBitWriter& w) {
       w.Put(1, 3);
       w.AlignToByte();
       w.Put(100, 16), w.Put(~100u & 0xFFFF, 16);
       w.Put('x', 8);
     },
     TInflateResult::Truncated},
    {"FixedBlockWithoutEnd",
     [](TBitWriter& w) {
       FixedHeader(w, true);
       FixedLiterals(w, "abc");
     },
     TInflateResult::Truncated},
    {"DistanceBeforeStart",
     [](TBitWriter& w) {
       FixedHeader(w, true);
       FixedLiterals(w, "ab");
       FixedMatch(w, 3, 3);
       FixedLiteral().Send(w, 256);
     },
     TInflateResult::DistanceTooFar},
    {"LengthSymbol286",
     [](TBitWriter& w) {
       FixedHeader(w, true);
       FixedLiterals(w, "a");
       FixedLiteral().Send(w, 286);
       FixedDistance().Send(w, 0);
     },
     TInflateResult::InvalidCode},
    {"DistanceSymbol30",
     [](TBitWriter& w) {
       FixedHeader(w, true);
       FixedLiterals(w, "a");
       FixedLiteral().Send(w, 257);
       FixedDistance().Send(w, 30);
     },
     TInflateResult::InvalidCode},
    {"TooManyLiteralCodes",
     [](TBitWriter& w) { w.Put(1, 1), w.Put(2, 2), w.Put(30, 5), w.Put(0, 5), w.Put(0, 20); },
     TInflateResult::TooManyCodes},
    {"TooManyDistanceCodes",
     [](TBitWriter& w) { w.Put(1, 1), w.Put(2, 2), w.Put(0, 5), w.Put(30, 5), w.Put(0, 20); },
     TInflateResult::TooManyCodes},
    {"CodeLengthCodeOverSubscribed",
     [](TBitWriter& w) {
       WriteDynamicHeader(
           w, true, ValidLit(), {1},
           CodeLengthCodeWith({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
     },
     TInflateResult::BadCodeLengths},
    {"CodeLengthCodeIncomplete",
     [](TBitWriter& w) {
       WriteDynamicHeader(w, true, ValidLit(), {1},
                          CodeLengthCodeWith({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
     },
     TInflateResult::BadCodeLengths},
    {"LiteralCodeOverSubscribed",
     [](TBitWriter& w) {
       auto lit = ValidLit();
       lit['a'] = lit[256] = lit[257] = 1;
       WriteDynamicHeader(w, true, lit, {1});
     },
     TInflateResult::BadCodeLengths},
    {"LiteralCodeIncomplete",
     [](TBitWriter& w) {
       auto lit = ValidLit();
       lit['a'] = 2;
       WriteDynamicHeader(w, true, lit, {1});
     },
     TInflateResult::BadCodeLengths},
    {"DistanceCodeIncomplete",
     [](TBitWriter& w) {
       WriteDynamicHeader(w, true, ValidLit(), {2, 2, 2});
     },
     TInflateResult::BadCodeLengths},
    {"MissingEndOfBlock",
     [](TBitWriter& w) {
       auto lit = ValidLit();
       lit[256] = 0;
       lit['a'] = 1;
       lit[257] = 1;
       WriteDynamicHeader(w, true, lit, {1});
     },
     TInflateResult::MissingEndOfBlock},
    {"RepeatWithoutPrevious",
     [](TBitWriter& w) {
       auto cl = CodeLengthCodeWith({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16});
       WriteDynamicPreamble(w, true, 258, 1, cl);
       TTestCode(cl).Send(w, 16);
       w.Put(0, 2);
     },
     TInflateResult::BadRepeat},
    {"RepeatPastTheEnd",
     [](TBitWriter& w) {
       auto cl = CodeLengthCodeWith({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18});
       WriteDynamicPreamble(w, true, 258, 1, cl);
       TTestCode code(cl);
       code.Send(w, 18), w.Put(127, 7);
       code.Send(w, 18), w.Put(127, 7);
     },
     TInflateResult::BadRepeat},
    {"DynamicHeaderCutShort",
     [](TBitWriter& w) { w.Put(1, 1), w.Put(2, 2), w.Put(1, 5), w.Put(0, 5), w.Put(15, 4); },
     TInflateResult::Truncated},
    {"LengthWithoutDistanceCodes",
     [](TBitWriter& w) {
       WriteDynamicHeader(w, true, ValidLit(), {0});
       TTestCode lit(ValidLit());
       lit.Send(w, 'a');
       lit.Send(w, 257);
       w.Put(0, 16);
     },
     TInflateResult::InvalidCode},
};

INSTANTIATE_TEST_SUITE_P(Cases, InflaterMalformedTest, ::testing::ValuesIn(kMalformed),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST(InflaterTest, ZeroBytesNeverHang) {
  // Zero bytes read as empty non-final stored blocks until the input ends.
  TInflated r = InflateBytes(std::vector<std::uint8_t>(100000, 0));
  EXPECT_EQ(r.Result, TInflateResult::Truncated);
}

}  // namespace
}  // namespace skin::test
