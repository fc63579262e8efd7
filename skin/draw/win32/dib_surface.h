// TDibSurface: an off-screen 32-bit top-down DIB section selected into its
// own memory DC, both counted in the GDI census. Painters draw a control
// into one and copy it to the screen in one step; tests read its pixels.
//
// Thread safety: belongs to the thread that uses its DC.
#ifndef QUILLORY_SKIN_DRAW_WIN32_DIB_SURFACE_H_
#define QUILLORY_SKIN_DRAW_WIN32_DIB_SURFACE_H_

#include <windows.h>

#include <cstdint>
#include <optional>

#include "skin/bitmap/bitmap.h"
#include "skin/draw/win32/gdi_census.h"

namespace skin {

class TDibSurface {
 public:
  // AWidth x AHeight pixels (contents undefined), compatible with
  // AReference (null: the screen). Valid() tells whether GDI gave it.
  TDibSurface(int AWidth, int AHeight, HDC AReference = nullptr);

  bool Valid() const { return FBits != nullptr; }
  HDC Dc() const { return FDc.Get(); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // The pixels, top row first, each 0x00RRGGBB; flush GDI before reading.
  std::uint32_t* Bits() const { return FBits; }
  // The pixel at (AX, AY) as a colour value, after flushing GDI.
  TColor Pixel(int AX, int AY) const;

  // Copies the whole surface to (AX, AY) of ADc.
  void CopyTo(HDC ADc, int AX, int AY) const;

 private:
  int FWidth;
  int FHeight;
  TCountedMemoryDc FDc;
  TCountedObject FBitmap;
  std::uint32_t* FBits = nullptr;
  std::optional<TSelection> FSelection;
};

// A colour value (0x00BBGGRR) as a 32-bit DIB pixel (0x00RRGGBB) and back.
inline std::uint32_t DibPixel(TColor AColor) {
  return ((AColor & 0xFF) << 16) | (AColor & 0xFF00) | ((AColor >> 16) & 0xFF);
}
inline TColor ColorOfDibPixel(std::uint32_t APixel) {
  return ((APixel >> 16) & 0xFF) | (APixel & 0xFF00) | ((APixel & 0xFF) << 16);
}

// The header of a 32-bit top-down DIB of AWidth x AHeight.
BITMAPINFO DibHeader(int AWidth, int AHeight);

// The pixels of ABitmap (a bitmap handle not selected into a DC); empty
// when there is none or GDI cannot read it.
TBitmap BitmapPixels(HBITMAP ABitmap);

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_WIN32_DIB_SURFACE_H_
