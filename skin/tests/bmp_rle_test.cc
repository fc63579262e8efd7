// Run-length compressed BMP streams (RLE8 and RLE4), built byte by byte:
// runs, literal runs with their padding, line ends, moves, the end marker,
// and malformed codes that must be clipped or refused without reading or
// writing outside the stream or the image.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/little_endian.h"
#include "skin/bitmap/bmp_codec.h"

namespace skin {
namespace {

using base::AppendLe16;
using base::AppendLe32;
using TBytes = std::vector<std::uint8_t>;

// The colour of table index AIndex in every stream below.
TColor ColorOf(unsigned AIndex) {
  return RGBColor(AIndex * 9, 255 - AIndex, 40);
}

// A bottom-up BMP stream: AWidth x AHeight, ABits 4 or 8, compression
// ACompression (1 RLE8, 2 RLE4), a full colour table, then ACodes.
TBytes RleStream(int ABits, std::uint32_t ACompression, int AWidth, int AHeight,
                 const TBytes& ACodes) {
  const std::uint32_t colors = 1u << ABits;
  const std::uint32_t offset = 14 + 40 + colors * 4;
  TBytes v = {'B', 'M'};
  AppendLe32(v, offset + static_cast<std::uint32_t>(ACodes.size()));
  AppendLe32(v, 0);
  AppendLe32(v, offset);
  AppendLe32(v, 40);
  AppendLe32(v, static_cast<std::uint32_t>(AWidth));
  AppendLe32(v, static_cast<std::uint32_t>(AHeight));
  AppendLe16(v, 1);
  AppendLe16(v, static_cast<std::uint32_t>(ABits));
  AppendLe32(v, ACompression);
  AppendLe32(v, static_cast<std::uint32_t>(ACodes.size()));
  for (int i = 0; i < 4; ++i) AppendLe32(v, 0);
  for (std::uint32_t i = 0; i < colors; ++i) {
    const TColor c = ColorOf(i);
    v.insert(v.end(), {static_cast<std::uint8_t>(BlueOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
                       static_cast<std::uint8_t>(RedOf(c)), 0});
  }
  v.insert(v.end(), ACodes.begin(), ACodes.end());
  return v;
}

TBytes Rle8(int AWidth, int AHeight, const TBytes& ACodes) {
  return RleStream(8, 1, AWidth, AHeight, ACodes);
}
TBytes Rle4(int AWidth, int AHeight, const TBytes& ACodes) {
  return RleStream(4, 2, AWidth, AHeight, ACodes);
}

struct TRleCase {
  const char* Name;
  TBytes Stream;
  int Width;
  std::vector<unsigned> Indices;  // expected, top row first
};

class BmpRleTest : public ::testing::TestWithParam<TRleCase> {};

TEST_P(BmpRleTest, DecodesToTheExpectedPixels) {
  const TRleCase& c = GetParam();
  TBitmap b;
  ASSERT_EQ(LoadBmp(c.Stream, b), TBmpResult::Ok);
  ASSERT_EQ(b.Width(), c.Width);
  ASSERT_EQ(static_cast<std::size_t>(b.Width() * b.Height()), c.Indices.size());
  for (std::size_t i = 0; i < c.Indices.size(); ++i) {
    const int x = static_cast<int>(i) % c.Width, y = static_cast<int>(i) / c.Width;
    EXPECT_EQ(b.Pixel(x, y), ColorOf(c.Indices[i])) << "pixel " << x << "," << y;
  }
  EXPECT_EQ(b.BitsPerPixel(), c.Stream[28]);
}

const TRleCase kRleCases[] = {
    // Bottom row: a run of three; middle: three literal indices and their
    // pad byte; top: a run of two. Unreached pixels keep index 0.
    {"Rle8RunsLiteralsLineEnds",
     Rle8(4, 3, {3, 5, 0, 0, 0, 3, 1, 2, 3, 0, 0, 0, 2, 9, 0, 1}),
     4,
     {9, 9, 0, 0, 1, 2, 3, 0, 5, 5, 5, 0}},
    // A move two right and one up lands on the last pixel of the top row.
    {"Rle8Move", Rle8(4, 2, {1, 4, 0, 2, 2, 1, 1, 7, 0, 1}), 4, {0, 0, 0, 7, 4, 0, 0, 0}},
    // RLE4 runs alternate the value's nibbles; literals are nibbles too.
    {"Rle4RunsAndLiterals",
     Rle4(5, 2, {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1}),
     5,
     {3, 4, 5, 0, 0, 1, 2, 1, 2, 1}},
    // An odd literal count in RLE4: three bytes of nibbles plus a pad byte.
    {"Rle4OddLiteralPadded",
     Rle4(6, 1, {0, 5, 0xAB, 0xCD, 0xE0, 0, 0, 1}),
     6,
     {0xA, 0xB, 0xC, 0xD, 0xE, 0}},
    // The last row's line end ends the bitmap without the end marker.
    {"EndsAfterTheLastRow", Rle8(4, 1, {4, 2, 0, 0}), 4, {2, 2, 2, 2}},
    // Malformed but harmless: clipped, never wrapped into the next row.
    {"RunPastTheRowEndIsClipped",
     Rle8(4, 2, {6, 8, 0, 0, 2, 1, 0, 1}),
     4,
     {1, 1, 0, 0, 8, 8, 8, 8}},
    {"LiteralPastTheRowEndIsClipped",
     Rle8(4, 2, {0, 5, 1, 2, 3, 4, 5, 0, 0, 1}),
     4,
     {0, 0, 0, 0, 1, 2, 3, 4}},
    {"MovePastTheRowEndDropsTheRest", Rle8(3, 1, {1, 6, 0, 2, 200, 0, 255, 9, 0, 1}), 3, {6, 0, 0}},
    {"MovePastTheLastRowEndsTheBitmap",
     Rle8(2, 2, {1, 3, 0, 2, 0, 9, 2, 9, 0, 1}),
     2,
     {0, 0, 3, 0}},
    {"LineEndsPastTheLastRowEndTheBitmap",
     Rle4(2, 1, {2, 0x77, 0, 0, 0, 0, 0, 0, 2, 0x11}),
     2,
     {7, 7}},
};

INSTANTIATE_TEST_SUITE_P(Cases, BmpRleTest, ::testing::ValuesIn(kRleCases),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

struct TBadRle {
  const char* Name;
  TBytes Stream;
  TBmpResult Expected;
};

class BmpRleMalformedTest : public ::testing::TestWithParam<TBadRle> {};

TEST_P(BmpRleMalformedTest, IsRefused) {
  TBitmap b(1, 1, 7);
  EXPECT_EQ(LoadBmp(GetParam().Stream, b), GetParam().Expected);
  EXPECT_EQ(b.Width(), 1);  // untouched
}

TBytes TopDown(TBytes AStream) {
  for (int i = 0; i < 4; ++i) AStream[22 + i] = 0xFF;  // height -1
  return AStream;
}

TBytes PixelOffsetBeyondTheStream(TBytes AStream) {
  for (int i = 0; i < 4; ++i) AStream[10 + i] = 0xF0;
  return AStream;
}

const TBadRle kBadRles[] = {
    {"CodesEndBeforeTheBitmap", Rle8(4, 2, {2, 5}), TBmpResult::Truncated},
    {"NoCodesAtAll", Rle8(4, 2, {}), TBmpResult::Truncated},
    {"HalfACode", Rle8(4, 2, {2}), TBmpResult::Truncated},
    {"MoveCutOff", Rle8(4, 2, {0, 2, 1}), TBmpResult::Truncated},
    {"LiteralCutOff", Rle8(8, 2, {0, 5, 1, 2}), TBmpResult::Truncated},
    {"Rle4LiteralCutOff", Rle4(8, 2, {0, 7, 0x12, 0x34}), TBmpResult::Truncated},
    {"EndsAfterAPadlessLiteral", Rle8(3, 1, {0, 3, 4, 5, 6}), TBmpResult::Truncated},
    {"PixelOffsetBeyondTheStream", PixelOffsetBeyondTheStream(Rle8(2, 1, {0, 1})),
     TBmpResult::Truncated},
    {"TopDownRle", TopDown(Rle8(2, 1, {0, 1})), TBmpResult::BadHeader},
    {"Rle8WithFourBits", RleStream(4, 1, 2, 1, {0, 1}), TBmpResult::Unsupported},
    {"Rle4WithEightBits", RleStream(8, 2, 2, 1, {0, 1}), TBmpResult::Unsupported},
};

INSTANTIATE_TEST_SUITE_P(Cases, BmpRleMalformedTest, ::testing::ValuesIn(kBadRles),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

}  // namespace
}  // namespace skin
