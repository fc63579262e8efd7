#include "gallery/pictures.h"

namespace gallery {
namespace {

constexpr COLORREF kColors[] = {RGB(200, 40, 40),  RGB(40, 150, 40),  RGB(40, 80, 200),
                                RGB(220, 160, 20), RGB(130, 50, 160), RGB(20, 150, 160)};

// Shape AIndex in AColor into ARect: circles, squares and diamonds.
void DrawShape(HDC ADc, const RECT& ARect, int AIndex, COLORREF AColor) {
  ui::TBrushHandle brush(CreateSolidBrush(AColor));
  ui::TSelectObject select_brush(ADc, brush.Get());
  ui::TSelectObject select_pen(ADc, GetStockObject(BLACK_PEN));
  const RECT r{ARect.left + 1, ARect.top + 1, ARect.right - 1, ARect.bottom - 1};
  switch (AIndex % 3) {
    case 0:
      Ellipse(ADc, r.left, r.top, r.right, r.bottom);
      break;
    case 1:
      Rectangle(ADc, r.left, r.top, r.right, r.bottom);
      break;
    default: {
      const int cx = (r.left + r.right) / 2;
      const int cy = (r.top + r.bottom) / 2;
      const POINT points[] = {{cx, r.top}, {r.right - 1, cy}, {cx, r.bottom - 1}, {r.left, cy}};
      Polygon(ADc, points, 4);
      break;
    }
  }
}

ui::TBitmapHandle DrawStrip(int AWidth, int AHeight, int ACount, bool AGreySecond) {
  HDC screen = GetDC(nullptr);
  ui::TBitmapHandle bitmap(CreateCompatibleBitmap(screen, AWidth * ACount, AHeight));
  {
    ui::TMemoryDc dc(screen);
    ui::TSelectObject select(dc.Get(), bitmap.Get());
    ui::TBrushHandle mask(CreateSolidBrush(kMaskColor));
    const RECT all{0, 0, AWidth * ACount, AHeight};
    FillRect(dc.Get(), &all, mask.Get());
    for (int i = 0; i < ACount; ++i) {
      const RECT cell{i * AWidth, 0, (i + 1) * AWidth, AHeight};
      const COLORREF color =
          AGreySecond && i == 1 ? RGB(160, 160, 160) : kColors[static_cast<size_t>(i) % 6];
      DrawShape(dc.Get(), cell, AGreySecond ? 0 : i, color);
    }
  }
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

void AddPictures(ui::TImageList& AList, int ACount) {
  ui::TBitmapHandle strip = DrawStrip(AList.Width(), AList.Height(), ACount, false);
  ImageList_AddMasked(AList.Handle(), strip.Get(), kMaskColor);
}

ui::TBitmapHandle MakeGlyphStrip(int AWidth, int AHeight, int ACount) {
  return DrawStrip(AWidth, AHeight, ACount, true);
}

}  // namespace gallery
