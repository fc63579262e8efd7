// A portable bitmap: a rectangle of Windows colour values with the bit depth
// it was loaded with and an optional fixed transparent colour. Loading and
// saving Windows BMP streams lives in bmp_codec.h.
//
// Pixels are stored top row first, each as a Windows colour value
// 0x00BBGGRR (TColor), whatever depth the source had; the bit depth is
// remembered because image routines and painters ask for it.
//
// Thread safety: none; a bitmap is used by one thread at a time, or read
// by many once no one writes it.
#ifndef QUILLORY_SKIN_BITMAP_BITMAP_H_
#define QUILLORY_SKIN_BITMAP_BITMAP_H_

#include <cstdint>
#include <vector>

namespace skin {

// A Windows colour value, 0x00BBGGRR.
using TColor = std::uint32_t;

inline constexpr TColor RGBColor(unsigned R, unsigned G, unsigned B) {
  return (R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16);
}
inline constexpr unsigned RedOf(TColor C) {
  return C & 0xFF;
}
inline constexpr unsigned GreenOf(TColor C) {
  return (C >> 8) & 0xFF;
}
inline constexpr unsigned BlueOf(TColor C) {
  return (C >> 16) & 0xFF;
}

class TBitmap {
 public:
  // Largest width or height, and largest pixel count, a bitmap may have.
  static constexpr int kMaxSide = 32768;
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;

  TBitmap() = default;
  // AWidth x AHeight pixels of AFill, 24 bits per pixel. Sizes are clamped
  // to 0..kMaxSide; a bitmap beyond kMaxPixels is left empty.
  TBitmap(int AWidth, int AHeight, TColor AFill = 0);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }

  // Resizes to AWidth x AHeight (clamped as in the constructor); every
  // pixel becomes AFill.
  void SetSize(int AWidth, int AHeight, TColor AFill = 0);

  // The pixel at column AX, row AY (0, 0 is top left). Out of range reads
  // give 0 and writes do nothing.
  TColor Pixel(int AX, int AY) const { return Inside(AX, AY) ? FPixels[Index(AX, AY)] : 0; }
  void SetPixel(int AX, int AY, TColor AColor) {
    if (Inside(AX, AY)) FPixels[Index(AX, AY)] = AColor;
  }
  // Row AY as Width() contiguous pixels; AY must be in range.
  const TColor* Row(int AY) const { return FPixels.data() + Index(0, AY); }
  TColor* Row(int AY) { return FPixels.data() + Index(0, AY); }

  // Copies the AWidth x AHeight rectangle at (ASourceX, ASourceY) of
  // ASource to (ADestX, ADestY), clipped to both bitmaps. ASource may be
  // this bitmap only if the rectangles do not overlap.
  void CopyRect(int ADestX, int ADestY, const TBitmap& ASource, int ASourceX, int ASourceY,
                int AWidth, int AHeight);

  // The bit depth of the image as loaded: 1, 4, 8, 16, 24 or 32.
  int BitsPerPixel() const { return FBitsPerPixel; }
  void SetBitsPerPixel(int ABits) { FBitsPerPixel = ABits; }

  // Whether painting skips pixels of TransparentColor().
  bool Transparent() const { return FTransparent; }
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparent(bool ATransparent, TColor AColor) {
    FTransparent = ATransparent;
    FTransparentColor = AColor;
  }

  bool operator==(const TBitmap&) const = default;

 private:
  bool Inside(int AX, int AY) const { return AX >= 0 && AY >= 0 && AX < FWidth && AY < FHeight; }
  std::size_t Index(int AX, int AY) const {
    return static_cast<std::size_t>(AY) * static_cast<std::size_t>(FWidth) +
           static_cast<std::size_t>(AX);
  }

  int FWidth = 0;
  int FHeight = 0;
  int FBitsPerPixel = 24;
  bool FTransparent = false;
  TColor FTransparentColor = 0;
  std::vector<TColor> FPixels;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_BITMAP_BITMAP_H_
