#include "skin/bitmap/bmp_codec.h"

#include <bit>
#include <limits>

#include "base/little_endian.h"
#include "skin/bitmap/bmp_rle.h"

namespace skin {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

using base::LoadLe16;
using base::LoadLe32;

// Turns one channel of a bit-field pixel into 8 bits.
struct TChannel {
  std::uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;
  explicit TChannel(std::uint32_t AMask) : Mask(AMask) {
    if (Mask == 0) return;
    Shift = std::countr_zero(Mask);
    Bits = std::popcount(Mask >> Shift);
  }
  unsigned Get(std::uint32_t APixel) const {
    if (Mask == 0) return 0;
    std::uint32_t v = (APixel & Mask) >> Shift;
    if (Bits >= 8) return v >> (Bits - 8);
    std::uint32_t max = (1u << Bits) - 1;  // masks need not be contiguous
    return std::min<std::uint32_t>(255, (v * 255 + max / 2) / max);
  }
};

}  // namespace

TBmpResult LoadBmp(std::span<const std::uint8_t> AData, TBitmap& ABitmap) {
  const std::uint8_t* d = AData.data();
  const std::uint64_t size = AData.size();
  if (size < kFileHeaderSize + 12 || d[0] != 'B' || d[1] != 'M') return TBmpResult::NotBmp;
  const std::uint64_t pixelOffset = LoadLe32(d + 10);
  const std::uint32_t infoSize = LoadLe32(d + 14);
  if (infoSize < 12 || kFileHeaderSize + std::uint64_t{infoSize} > size) {
    return TBmpResult::BadHeader;
  }
  const std::uint8_t* info = d + kFileHeaderSize;

  std::int64_t width, height;
  unsigned planes, bits;
  std::uint32_t compression = kRgb, colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  std::uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
  std::uint64_t afterHeader = kFileHeaderSize + infoSize;
  if (infoSize == 12) {
    width = LoadLe16(info + 4);
    height = static_cast<std::int16_t>(LoadLe16(info + 6));
    planes = LoadLe16(info + 8);
    bits = LoadLe16(info + 10);
    paletteEntrySize = 3;
  } else {
    if (infoSize < 40) return TBmpResult::BadHeader;
    width = static_cast<std::int32_t>(LoadLe32(info + 4));
    height = static_cast<std::int32_t>(LoadLe32(info + 8));
    planes = LoadLe16(info + 12);
    bits = LoadLe16(info + 14);
    compression = LoadLe32(info + 16);
    colorsUsed = LoadLe32(info + 32);
    if (compression == kBitFields) {
      // The masks follow a 40-byte header and are part of later ones.
      if (infoSize > 40 && infoSize < 52) return TBmpResult::BadHeader;
      if (infoSize == 40) {
        if (afterHeader + 12 > size) return TBmpResult::Truncated;
        afterHeader += 12;
      }
      for (int i = 0; i < 3; ++i) masks[i] = LoadLe32(info + 40 + 4 * i);
    }
  }
  if (bits == 16 && compression == kRgb) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  }

  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (planes != 1 || width <= 0 || height <= 0) return TBmpResult::BadHeader;
  if (width > TBitmap::kMaxSide || height > TBitmap::kMaxSide ||
      width * height > TBitmap::kMaxPixels) {
    return TBmpResult::TooLarge;
  }
  const bool paletted = bits == 1 || bits == 4 || bits == 8;
  const bool runLength = compression == kRle8 || compression == kRle4;
  if (compression == kRgb) {
    if (!paletted && bits != 16 && bits != 24 && bits != 32) return TBmpResult::Unsupported;
  } else if (runLength) {
    if (bits != (compression == kRle8 ? 8u : 4u)) return TBmpResult::Unsupported;
    if (topDown) return TBmpResult::BadHeader;  // compressed rows run bottom-up only
  } else if (compression != kBitFields || (bits != 16 && bits != 32)) {
    return TBmpResult::Unsupported;
  }

  std::vector<TColor> palette;
  if (paletted) {
    std::uint64_t count = colorsUsed == 0 ? (1u << bits) : colorsUsed;
    if (count > (1u << bits)) return TBmpResult::BadHeader;
    if (afterHeader + count * paletteEntrySize > size) return TBmpResult::Truncated;
    for (std::uint64_t i = 0; i < count; ++i) {
      const std::uint8_t* e = d + afterHeader + i * paletteEntrySize;
      palette.push_back(RGBColor(e[2], e[1], e[0]));
    }
    // Indices past a short table read as black.
    palette.resize(std::size_t{1} << bits, 0);
  }

  if (runLength) {
    if (pixelOffset > size) return TBmpResult::Truncated;
    std::vector<std::uint8_t> indices;
    if (DecodeBmpRle(AData.subspan(static_cast<std::size_t>(pixelOffset)), static_cast<int>(bits),
                     static_cast<int>(width), static_cast<int>(height),
                     indices) != TRleResult::Ok) {
      return TBmpResult::Truncated;
    }
    TBitmap result(static_cast<int>(width), static_cast<int>(height));
    for (int y = 0; y < height; ++y) {
      const std::uint8_t* row = indices.data() + static_cast<std::size_t>(y) * width;
      TColor* out = result.Row(y);
      for (int x = 0; x < width; ++x) out[x] = palette[row[x]];
    }
    result.SetBitsPerPixel(static_cast<int>(bits));
    ABitmap = std::move(result);
    return TBmpResult::Ok;
  }

  const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
  if (pixelOffset > size || stride * height > size - pixelOffset) return TBmpResult::Truncated;

  TBitmap result(static_cast<int>(width), static_cast<int>(height));
  const TChannel red(masks[0]), green(masks[1]), blue(masks[2]);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = d + pixelOffset + stride * (topDown ? y : height - 1 - y);
    TColor* out = result.Row(y);
    for (int x = 0; x < width; ++x) {
      switch (bits) {
        case 1:
          out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
          break;
        case 4:
          out[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
          break;
        case 8:
          out[x] = palette[row[x]];
          break;
        case 24:
          out[x] = RGBColor(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
          break;
        case 16: {
          std::uint32_t p = LoadLe16(row + 2 * x);
          out[x] = RGBColor(red.Get(p), green.Get(p), blue.Get(p));
          break;
        }
        default: {
          std::uint32_t p = LoadLe32(row + 4 * x);
          out[x] = RGBColor(red.Get(p), green.Get(p), blue.Get(p));
          break;
        }
      }
    }
  }
  result.SetBitsPerPixel(static_cast<int>(bits));
  ABitmap = std::move(result);
  return TBmpResult::Ok;
}

std::vector<std::uint8_t> SaveBmp(const TBitmap& ABitmap) {
  const std::uint32_t w = static_cast<std::uint32_t>(ABitmap.Width());
  const std::uint32_t h = static_cast<std::uint32_t>(ABitmap.Height());
  const std::uint32_t stride = (w * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = stride * h;
  std::vector<std::uint8_t> out;
  out.reserve(54 + pixelBytes);
  auto put16 = [&](std::uint32_t v) { base::AppendLe16(out, v); };
  auto put32 = [&](std::uint32_t v) { base::AppendLe32(out, v); };
  out.push_back('B');
  out.push_back('M');
  put32(54 + pixelBytes);
  put32(0);
  put32(54);
  put32(40);
  put32(w);
  put32(h);
  put16(1);
  put16(24);
  put32(kRgb);
  put32(pixelBytes);
  put32(2835);  // 72 dots per inch
  put32(2835);
  put32(0);
  put32(0);
  for (std::uint32_t y = h; y-- > 0;) {
    const TColor* row = ABitmap.Row(static_cast<int>(y));
    for (std::uint32_t x = 0; x < w; ++x) {
      out.push_back(static_cast<std::uint8_t>(BlueOf(row[x])));
      out.push_back(static_cast<std::uint8_t>(GreenOf(row[x])));
      out.push_back(static_cast<std::uint8_t>(RedOf(row[x])));
    }
    out.resize(out.size() + (stride - w * 3), 0);
  }
  return out;
}

}  // namespace skin
