// The Win32 menu painter against the portable rules: what it hands the
// painter from a toolkit item (pictures from the image list and the item's
// own bitmap), and the item it puts on a device context, pixel for pixel.
#include "skin/menu/win32/menu_painter.h"

#include <gtest/gtest.h>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/win32/dib_surface.h"

namespace skin {
namespace {

TMenuPalette Palette() {
  TMenuPalette p;
  for (int i = 0; i < 13; ++i) p.Colors[i] = 0x00102030 + static_cast<TColor>(i) * 0x00080808;
  return p;
}

// A 2 x 2 bitmap of four colours.
HBITMAP FourColours() {
  const std::uint32_t bits[4] = {DibPixel(0x000000FF), DibPixel(0x0000FF00), DibPixel(0x00FF0000),
                                 DibPixel(0x00808080)};
  BITMAPINFO info = DibHeader(2, 2);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

TEST(MenuPainterWin32, OwnBitmapReachesThePainterAsItsPixels) {
  const TMenuPalette palette = Palette();
  TzelMenuPainter painter(palette);
  ui::TGdiObject<HBITMAP> bitmap(FourColours());
  ui::TMenuItem item;
  item.Caption = "Drucken";
  item.Bitmap = bitmap.Get();
  item.Checked = true;
  ui::TPopupMenu menu({item});
  TBitmap store;
  const TMenuItemView v = painter.ViewOf(menu, menu.Items()[0], true, store);
  EXPECT_EQ(v.Caption, u"Drucken");
  EXPECT_TRUE(v.OwnBitmap);
  EXPECT_TRUE(v.Checked);
  EXPECT_TRUE(v.Selected);
  ASSERT_EQ(v.Picture.Image, &store);
  EXPECT_EQ(store.Pixel(0, 0), 0x000000FFu);
  EXPECT_EQ(store.Pixel(1, 0), 0x0000FF00u);
  EXPECT_EQ(store.Pixel(0, 1), 0x00FF0000u);
  EXPECT_EQ(store.Pixel(1, 1), 0x00808080u);
}

TEST(MenuPainterWin32, SeparatorOnTheDeviceIsThePortablePainting) {
  const TMenuPalette palette = Palette();
  TzelMenuPainter painter(palette);
  ui::TMenuItem item;
  item.Caption = "-";
  ui::TPopupMenu menu({item});
  TDibSurface target(100, 5);
  ASSERT_TRUE(target.Valid());
  painter.Draw(menu, menu.Items()[0], target.Dc(), RECT{0, 0, 100, 5}, false);
  TBitmap want(100, 5);
  TBitmapCanvas canvas(want);
  TMenuItemView v;
  v.Caption = u"-";
  DrawMenuItem(canvas, {0, 0, 100, 5}, v, palette);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 100; ++x) ASSERT_EQ(target.Pixel(x, y), want.Pixel(x, y)) << x << "," << y;
  }
}

TEST(MenuPainterWin32, AttachSkipsTheBarsTopLevelAndDetachClears) {
  const TMenuPalette palette = Palette();
  TzelMenuPainter painter(palette);
  ui::TMenuItem child;
  child.Caption = "Eins";
  ui::TMenuItem top;
  top.Caption = "&Datei";
  top.Items = {child};
  ui::TMainMenu bar({top});
  painter.Attach(bar);
  EXPECT_TRUE(bar.OwnerDraw());
  EXPECT_FALSE(bar.Items()[0].OnDrawItem);
  EXPECT_TRUE(bar.Items()[0].Items[0].OnDrawItem);
  EXPECT_TRUE(bar.Items()[0].Items[0].OnMeasureItem);
  TzelMenuPainter::Detach(bar);
  EXPECT_FALSE(bar.OwnerDraw());
  EXPECT_FALSE(bar.Items()[0].Items[0].OnDrawItem);
}

}  // namespace
}  // namespace skin
