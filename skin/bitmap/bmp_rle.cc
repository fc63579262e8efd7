#include "skin/bitmap/bmp_rle.h"

namespace skin {

TRleResult DecodeBmpRle(std::span<const std::uint8_t> AData, int ABits, int AWidth, int AHeight,
                        std::vector<std::uint8_t>& AIndices) {
  const std::int64_t width = AWidth, height = AHeight;
  AIndices.assign(static_cast<std::size_t>(width * height), 0);
  // x and y: the position in pixels and in rows from the bottom. Each code
  // moves them by at most 255, and there are fewer codes than bytes, so
  // they cannot overflow.
  std::int64_t x = 0, y = 0;
  auto put = [&](std::uint8_t AIndex) {
    if (x < width) AIndices[static_cast<std::size_t>((height - 1 - y) * width + x)] = AIndex;
    ++x;
  };
  // The Ith pixel of a value or of literal bytes.
  auto pixel = [&](const std::uint8_t* ABytes, unsigned AI) -> std::uint8_t {
    if (ABits == 8) return ABytes[AI];
    const std::uint8_t b = ABytes[AI / 2];
    return AI % 2 ? b & 0x0F : b >> 4;
  };
  std::size_t pos = 0;
  while (y < height) {
    if (AData.size() - pos < 2) return TRleResult::Truncated;
    const std::uint8_t count = AData[pos], value = AData[pos + 1];
    pos += 2;
    if (count > 0) {  // a run of one value
      const std::uint8_t repeated[1] = {value};
      for (unsigned i = 0; i < count; ++i) put(ABits == 8 ? value : pixel(repeated, i % 2));
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return TRleResult::Ok;
      case 2:  // move right and up
        if (AData.size() - pos < 2) return TRleResult::Truncated;
        x += AData[pos];
        y += AData[pos + 1];
        pos += 2;
        break;
      default: {  // literal indices
        const std::size_t bytes = ABits == 8 ? value : (value + 1u) / 2;
        if (AData.size() - pos < bytes) return TRleResult::Truncated;
        for (unsigned i = 0; i < value; ++i) put(pixel(AData.data() + pos, i));
        pos += bytes + bytes % 2;
        if (pos > AData.size()) pos = AData.size();  // a missing pad byte at the very end
        break;
      }
    }
  }
  return TRleResult::Ok;  // every row reached
}

}  // namespace skin
