// Arbitrary bytes as a BMP stream, then the image routines on what loads.
#include <cstddef>
#include <cstdint>

#include "skin/bitmap/bmp_codec.h"
#include "skin/bitmap/image_routines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  skin::TBitmap bitmap;
  if (skin::LoadBmp({AData, ASize}, bitmap) != skin::TBmpResult::Ok) return 0;
  skin::TBitmap frame;
  skin::SpitBitmap(&bitmap, frame, 3, 2);
  skin::RotateLeft(bitmap);
  skin::Rotate180(bitmap);
  skin::ReplaceColor(bitmap, 0x00FF00FF, 0);
  skin::SaveBmp(bitmap);
  return 0;
}
