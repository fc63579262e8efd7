#include "skin/draw/win32/dib_surface.h"

#include <vector>

namespace skin {

BITMAPINFO DibHeader(int AWidth, int AHeight) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = AWidth;
  info.bmiHeader.biHeight = -AHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

TBitmap BitmapPixels(HBITMAP ABitmap) {
  BITMAP header{};
  if (!ABitmap || !GetObjectW(ABitmap, sizeof header, &header) || header.bmWidth <= 0 ||
      header.bmHeight <= 0) {
    return {};
  }
  const int w = header.bmWidth, h = header.bmHeight;
  BITMAPINFO info = DibHeader(w, h);
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  HDC screen = GetDC(nullptr);
  const int rows =
      GetDIBits(screen, ABitmap, 0, static_cast<UINT>(h), bits.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != h) return {};
  TBitmap result(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      result.SetPixel(x, y, ColorOfDibPixel(bits[static_cast<std::size_t>(y) * w + x]));
    }
  }
  return result;
}

TDibSurface::TDibSurface(int AWidth, int AHeight, HDC AReference)
    : FWidth(AWidth), FHeight(AHeight), FDc(CreateCompatibleDC(AReference)) {
  if (!FDc || AWidth <= 0 || AHeight <= 0) return;
  const BITMAPINFO info = DibHeader(AWidth, AHeight);
  void* bits = nullptr;
  FBitmap = TCountedObject(CreateDIBSection(FDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!FBitmap || !bits) return;
  FSelection.emplace(FDc.Get(), FBitmap.Get());
  FBits = static_cast<std::uint32_t*>(bits);
}

TColor TDibSurface::Pixel(int AX, int AY) const {
  GdiFlush();
  return ColorOfDibPixel(FBits[static_cast<std::size_t>(AY) * static_cast<std::size_t>(FWidth) +
                               static_cast<std::size_t>(AX)]);
}

void TDibSurface::CopyTo(HDC ADc, int AX, int AY) const {
  BitBlt(ADc, AX, AY, FWidth, FHeight, FDc.Get(), 0, 0, SRCCOPY);
}

}  // namespace skin
