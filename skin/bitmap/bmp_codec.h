// Windows BMP streams: loading (untrusted input) and saving.
//
// Accepted: BITMAPCOREHEADER (12 bytes) and BITMAPINFOHEADER or any later
// version (40 bytes and more), bottom-up or top-down rows, 1, 4 and 8 bits
// with a colour table, 16 and 32 bits plain or with bit fields, 24 bits,
// and run-length compressed 4 and 8 bits (bmp_rle.h; bottom-up only).
// Embedded JPEG/PNG streams are refused. Every
// size and offset is checked against the stream before use, and images
// beyond TBitmap::kMaxSide or kMaxPixels are refused, so a stream can never
// make the loader read outside it or allocate more than 64 MiB.
//
// Thread safety: pure functions.
#ifndef QUILLORY_SKIN_BITMAP_BMP_CODEC_H_
#define QUILLORY_SKIN_BITMAP_BMP_CODEC_H_

#include <cstdint>
#include <span>
#include <vector>

#include "skin/bitmap/bitmap.h"

namespace skin {

enum class TBmpResult {
  Ok,
  NotBmp,       // no "BM" file header
  BadHeader,    // header sizes, planes or dimensions out of range
  Unsupported,  // bit depth or compression this loader does not read
  TooLarge,     // dimensions beyond the bitmap limits
  Truncated,    // colour table or pixels run past the stream, or the
                // compressed pixels end before the bitmap does
};

// Loads the BMP stream AData into ABitmap (its depth set from the stream,
// not transparent). On failure ABitmap is left unchanged.
TBmpResult LoadBmp(std::span<const std::uint8_t> AData, TBitmap& ABitmap);

// ABitmap as a 24-bit, bottom-up BMP stream.
std::vector<std::uint8_t> SaveBmp(const TBitmap& ABitmap);

}  // namespace skin

#endif  // QUILLORY_SKIN_BITMAP_BMP_CODEC_H_
