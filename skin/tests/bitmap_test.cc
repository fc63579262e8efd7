// The BMP loader on every depth it reads and on malformed streams, and the
// image routines.
#include <gtest/gtest.h>

#include <functional>

#include "base/little_endian.h"
#include "skin/bitmap/bmp_codec.h"
#include "skin/bitmap/image_routines.h"

namespace skin {
namespace {

// A 3 x 2 image: top row red, green, blue; bottom row white, black, magenta.
TBitmap Sample() {
  TBitmap b(3, 2);
  const TColor c[6] = {RGBColor(255, 0, 0),     RGBColor(0, 255, 0), RGBColor(0, 0, 255),
                       RGBColor(255, 255, 255), RGBColor(0, 0, 0),   RGBColor(255, 0, 255)};
  for (int i = 0; i < 6; ++i) b.SetPixel(i % 3, i / 3, c[i]);
  return b;
}

using base::AppendLe16;
using base::AppendLe32;

// Sample() as a BMP stream of ABits per pixel; paletted depths index the
// six colours in order.
std::vector<std::uint8_t> SampleStream(int ABits, bool ATopDown, bool ABitFields = false) {
  const TBitmap img = Sample();
  const int w = 3, h = 2;
  const int stride = ((w * ABits + 31) / 32) * 4;
  const int colors = ABits <= 8 ? (1 << ABits) : 0;
  const int extra = ABitFields ? 12 : 0;
  const std::uint32_t offset = 14 + 40 + extra + colors * 4;
  std::vector<std::uint8_t> v = {'B', 'M'};
  AppendLe32(v, offset + stride * h);
  AppendLe32(v, 0);
  AppendLe32(v, offset);
  AppendLe32(v, 40);
  AppendLe32(v, w);
  AppendLe32(v, static_cast<std::uint32_t>(ATopDown ? -h : h));
  AppendLe16(v, 1);
  AppendLe16(v, ABits);
  AppendLe32(v, ABitFields ? 3 : 0);
  for (int i = 0; i < 5; ++i) AppendLe32(v, 0);
  if (ABitFields) {  // 32 bits: 0x00RRGGBB laid out as 0xRRGGBB00
    AppendLe32(v, 0xFF000000);
    AppendLe32(v, 0x00FF0000);
    AppendLe32(v, 0x0000FF00);
  }
  for (int i = 0; i < colors; ++i) {
    TColor c = i < 6 ? img.Pixel(i % 3, i / 3) : 0;
    v.push_back(static_cast<std::uint8_t>(BlueOf(c)));
    v.push_back(static_cast<std::uint8_t>(GreenOf(c)));
    v.push_back(static_cast<std::uint8_t>(RedOf(c)));
    v.push_back(0);
  }
  for (int row = 0; row < h; ++row) {
    const int y = ATopDown ? row : h - 1 - row;
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < w; ++x) {
      const TColor c = img.Pixel(x, y);
      const unsigned index = static_cast<unsigned>(y * 3 + x);
      switch (ABits) {
        case 1:
          line[x / 8] |= static_cast<std::uint8_t>((index & 1) << (7 - x % 8));
          break;
        case 4:
          line[x / 2] |= static_cast<std::uint8_t>(index << (x % 2 ? 0 : 4));
          break;
        case 8:
          line[x] = static_cast<std::uint8_t>(index);
          break;
        case 16: {
          unsigned p = (RedOf(c) >> 3) << 10 | (GreenOf(c) >> 3) << 5 | BlueOf(c) >> 3;
          line[2 * x] = static_cast<std::uint8_t>(p),
                   line[2 * x + 1] = static_cast<std::uint8_t>(p >> 8);
          break;
        }
        case 24:
          line[3 * x] = static_cast<std::uint8_t>(BlueOf(c));
          line[3 * x + 1] = static_cast<std::uint8_t>(GreenOf(c));
          line[3 * x + 2] = static_cast<std::uint8_t>(RedOf(c));
          break;
        case 32:
          if (ABitFields) {
            line[4 * x + 1] = static_cast<std::uint8_t>(BlueOf(c));
            line[4 * x + 2] = static_cast<std::uint8_t>(GreenOf(c));
            line[4 * x + 3] = static_cast<std::uint8_t>(RedOf(c));
          } else {
            line[4 * x] = static_cast<std::uint8_t>(BlueOf(c));
            line[4 * x + 1] = static_cast<std::uint8_t>(GreenOf(c));
            line[4 * x + 2] = static_cast<std::uint8_t>(RedOf(c));
          }
          break;
      }
    }
    v.insert(v.end(), line.begin(), line.end());
  }
  return v;
}

TEST(BmpCodecTest, LoadsEveryDepth) {
  struct {
    int Bits;
    bool TopDown, BitFields;
  } cases[] = {{4, false, false},  {8, false, false}, {8, true, false},   {16, false, false},
               {24, false, false}, {24, true, false}, {32, false, false}, {32, false, true}};
  for (const auto& c : cases) {
    TBitmap b;
    ASSERT_EQ(LoadBmp(SampleStream(c.Bits, c.TopDown, c.BitFields), b), TBmpResult::Ok) << c.Bits;
    EXPECT_EQ(b.BitsPerPixel(), c.Bits);
    TBitmap expected = Sample();
    expected.SetBitsPerPixel(c.Bits);
    EXPECT_TRUE(b == expected) << c.Bits << " bits, top-down " << c.TopDown;
  }
  // One bit: colours 0 and 1 alternate.
  TBitmap b;
  ASSERT_EQ(LoadBmp(SampleStream(1, false), b), TBmpResult::Ok);
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(255, 0, 0));
  EXPECT_EQ(b.Pixel(1, 0), RGBColor(0, 255, 0));
  EXPECT_EQ(b.Pixel(2, 0), RGBColor(255, 0, 0));
}

TEST(BmpCodecTest, SaveLoadRoundTripsEveryRowPadding) {
  for (int w = 1; w <= 5; ++w) {
    TBitmap b(w, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGBColor(x * 40, y * 70, x + y));
    TBitmap back;
    ASSERT_EQ(LoadBmp(SaveBmp(b), back), TBmpResult::Ok);
    EXPECT_TRUE(back == b) << w;
  }
}

struct TBadBmp {
  const char* Name;
  std::function<void(std::vector<std::uint8_t>&)> Damage;
  TBmpResult Expected;
};

void Set32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<std::uint8_t>(x >> (8 * i));
}

class BmpMalformedTest : public ::testing::TestWithParam<TBadBmp> {};

TEST_P(BmpMalformedTest, IsRefused) {
  auto v = SampleStream(8, false);
  GetParam().Damage(v);
  TBitmap b(1, 1, 7);
  EXPECT_EQ(LoadBmp(v, b), GetParam().Expected);
  EXPECT_EQ(b.Width(), 1);  // untouched
}

const TBadBmp kBadBmps[] = {
    {"NotBm", [](auto& v) { v[0] = 'X'; }, TBmpResult::NotBmp},
    {"TooShort", [](auto& v) { v.resize(20); }, TBmpResult::NotBmp},
    {"InfoSizeTooSmall", [](auto& v) { Set32(v, 14, 8); }, TBmpResult::BadHeader},
    {"InfoSizeBeyondStream", [](auto& v) { Set32(v, 14, 100000); }, TBmpResult::BadHeader},
    {"ZeroWidth", [](auto& v) { Set32(v, 18, 0); }, TBmpResult::BadHeader},
    {"NegativeWidth", [](auto& v) { Set32(v, 18, 0xFFFFFFFF); }, TBmpResult::BadHeader},
    {"MostNegativeHeight", [](auto& v) { Set32(v, 22, 0x80000000); }, TBmpResult::TooLarge},
    {"HugeDimensions", [](auto& v) { Set32(v, 18, 30000), Set32(v, 22, 30000); },
     TBmpResult::TooLarge},
    {"WidthOverflowsStride", [](auto& v) { Set32(v, 18, 0x7FFFFFFF); }, TBmpResult::TooLarge},
    {"RunLengthWithTheWrongDepth", [](auto& v) { Set32(v, 30, 2); }, TBmpResult::Unsupported},
    {"CompressionUnknown", [](auto& v) { Set32(v, 30, 9); }, TBmpResult::Unsupported},
    {"OddDepth", [](auto& v) { v[28] = 7; }, TBmpResult::Unsupported},
    {"PaletteLargerThanDepth", [](auto& v) { Set32(v, 46, 257); }, TBmpResult::BadHeader},
    {"PixelOffsetBeyondStream", [](auto& v) { Set32(v, 10, 0xFFFFFFF0); }, TBmpResult::Truncated},
    {"PixelsCutShort", [](auto& v) { v.resize(v.size() - 1); }, TBmpResult::Truncated},
    {"PaletteCutShort", [](auto& v) { v.resize(60); }, TBmpResult::Truncated},
};

INSTANTIATE_TEST_SUITE_P(Cases, BmpMalformedTest, ::testing::ValuesIn(kBadBmps),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST(ImageRoutinesTest, RotationsFollowTheirFormulas) {
  const TBitmap s = Sample();
  TBitmap left = s, right = s, half = s;
  RotateLeft(left);
  RotateRight(right);
  Rotate180(half);
  ASSERT_EQ(left.Width(), 2);
  ASSERT_EQ(left.Height(), 3);
  ASSERT_EQ(right.Width(), 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(left.Pixel(y, 3 - 1 - x), s.Pixel(x, y));
      EXPECT_EQ(right.Pixel(2 - 1 - y, x), s.Pixel(x, y));
      EXPECT_EQ(half.Pixel(3 - 1 - x, 2 - 1 - y), s.Pixel(x, y));
    }
  }
  RotateRight(left);
  EXPECT_TRUE(left == s);
}

TEST(ImageRoutinesTest, SpitBitmapCutsOneFrame) {
  TBitmap strip(10, 2);  // three frames of 3, one spare column
  for (int x = 0; x < 10; ++x) strip.SetPixel(x, 1, static_cast<TColor>(x));
  strip.SetTransparent(true, 0x00FF00FF);
  TBitmap frame;
  SpitBitmap(&strip, frame, 3, 2);
  ASSERT_EQ(frame.Width(), 3);
  ASSERT_EQ(frame.Height(), 2);
  EXPECT_EQ(frame.Pixel(0, 1), 3u);
  EXPECT_EQ(frame.Pixel(2, 1), 5u);
  EXPECT_TRUE(frame.Transparent());

  SpitBitmap(nullptr, frame, 3, 1);  // nothing happens
  EXPECT_EQ(frame.Width(), 3);
  SpitBitmap(&strip, frame, 3, 4);  // no such frame
  EXPECT_TRUE(frame.Empty());
}

TEST(ImageRoutinesTest, ReplaceColorMakes24Bits) {
  TBitmap b(2, 1, 0x00FF00FF);
  b.SetPixel(1, 0, 5);
  b.SetBitsPerPixel(8);
  ReplaceColor(b, 0x00FF00FF, 0x00123456);
  EXPECT_EQ(b.BitsPerPixel(), 24);
  EXPECT_EQ(b.Pixel(0, 0), 0x00123456u);
  EXPECT_EQ(b.Pixel(1, 0), 5u);
}

}  // namespace
}  // namespace skin
