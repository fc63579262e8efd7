// Under Wine: a bitmap handle's pixels read back as a TBitmap.
#include <gtest/gtest.h>

#include <windows.h>

#include "skin/draw/win32/dib_surface.h"

namespace skin {
namespace {

TEST(BitmapPixelsTest, ReadsEveryPixelOfACompatibleBitmap) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 5, 3);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) SetPixel(dc, x, y, RGB(10 * x, 20 * y, 0x80));
  }
  SelectObject(dc, old);  // a bitmap is read only while no DC holds it
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);

  const TBitmap pixels = BitmapPixels(bitmap);
  ASSERT_EQ(pixels.Width(), 5);
  ASSERT_EQ(pixels.Height(), 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(pixels.Pixel(x, y), static_cast<TColor>(RGB(10 * x, 20 * y, 0x80)))
          << x << "," << y;
    }
  }
  DeleteObject(bitmap);
  EXPECT_TRUE(BitmapPixels(nullptr).Empty());
}

}  // namespace
}  // namespace skin
