#include "skin/menu/win32/menu_painter.h"

#include <algorithm>
#include <string>

#include "platform/win32/wide.h"
#include "skin/draw/win32/hdc_canvas.h"

namespace skin {
namespace {

constexpr TColor kPictureKey = 0x00FF00FF;  // magenta: no picture pixel here

std::u16string U16(std::wstring_view AText) {
  return {AText.begin(), AText.end()};
}

// Reads ASurface's pixels into ATarget.
void ReadSurface(const TDibSurface& ASurface, TBitmap& ATarget) {
  GdiFlush();
  ATarget.SetSize(ASurface.Width(), ASurface.Height());
  for (int y = 0; y < ASurface.Height(); ++y) {
    for (int x = 0; x < ASurface.Width(); ++x) {
      ATarget.SetPixel(x, y, ColorOfDibPixel(ASurface.Bits()[y * ASurface.Width() + x]));
    }
  }
}

}  // namespace

HFONT CreateMenuFont(bool ABold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  if (ABold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return CreateFontIndirectW(&metrics.lfMenuFont);
}

TzelMenuPainter::TzelMenuPainter(const TMenuPalette& APalette)
    : FPalette(APalette), FFont(CreateMenuFont(false)), FBoldFont(CreateMenuFont(true)) {}

void TzelMenuPainter::Attach(ui::TMenu& AMenu) {
  const bool bar = dynamic_cast<ui::TMainMenu*>(&AMenu) != nullptr;
  ui::TMenu* menu = &AMenu;
  AMenu.ForEachItem([&](ui::TMenuItem& AItem, int ADepth) {
    if (bar && ADepth == 0) return;
    AItem.OnMeasureItem = [this, menu](const ui::TMenuItem& AI, HDC, int& AW, int& AH) {
      Measure(*menu, AI, AW, AH);
    };
    AItem.OnDrawItem = [this, menu](const ui::TMenuItem& AI, HDC ADc, const RECT& AR, bool AS) {
      Draw(*menu, AI, ADc, AR, AS);
    };
  });
  AMenu.SetOwnerDraw(true);
}

void TzelMenuPainter::Detach(ui::TMenu& AMenu) {
  AMenu.ForEachItem([](ui::TMenuItem& AItem, int) {
    AItem.OnMeasureItem = {};
    AItem.OnDrawItem = {};
  });
  AMenu.SetOwnerDraw(false);
}

HFONT TzelMenuPainter::FontFor(const ui::TMenuItem& AItem) {
  return AItem.Default ? FBoldFont.Get() : FFont.Get();
}

TDibSurface& TzelMenuPainter::Buffer(int AWidth, int AHeight) {
  if (!FBuffer || FBuffer->Width() < AWidth || FBuffer->Height() < AHeight) {
    const int w = std::max(AWidth, FBuffer ? FBuffer->Width() : 0);
    const int h = std::max(AHeight, FBuffer ? FBuffer->Height() : 0);
    FBuffer.reset();
    FBuffer = std::make_unique<TDibSurface>(w, h);
  }
  return *FBuffer;
}

TMenuItemView TzelMenuPainter::ViewOf(const ui::TMenu& AMenu, const ui::TMenuItem& AItem,
                                      bool ASelected, TBitmap& APictureStore) const {
  TMenuItemView v;
  v.Caption = U16(platform::win32::ToWide(AItem.Caption));
  v.ShortCut = U16(AItem.ShortCut.Text());
  v.Enabled = AItem.Enabled;
  v.Selected = ASelected;
  v.Checked = AItem.Checked;
  v.Radio = AItem.RadioItem;
  v.HasSubmenu = !AItem.Items.empty();
  const ui::TImageList* images = AMenu.Images();
  if (images && images->Count() > 0) {
    v.HasOwnImageList = true;
    v.ImageListSize = {images->Width(), images->Height()};
  }
  if (images && AItem.ImageIndex >= 0 && AItem.ImageIndex < images->Count()) {
    TDibSurface cell(images->Width(), images->Height());
    if (cell.Valid()) {
      std::fill_n(cell.Bits(), cell.Width() * cell.Height(), DibPixel(kPictureKey));
      images->Draw(cell.Dc(), 0, 0, AItem.ImageIndex);
      ReadSurface(cell, APictureStore);
      v.Picture = {&APictureStore, {}, true, kPictureKey};
    }
  } else if (AItem.Bitmap) {
    BITMAP info{};
    if (GetObjectW(AItem.Bitmap, sizeof info, &info) && info.bmWidth > 0 && info.bmHeight > 0) {
      TDibSurface copy(info.bmWidth, info.bmHeight);
      ui::TMemoryDc source(copy.Dc());
      if (copy.Valid() && source.Get()) {
        ui::TSelectObject select(source.Get(), AItem.Bitmap);
        BitBlt(copy.Dc(), 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
        ReadSurface(copy, APictureStore);
        v.Picture = {&APictureStore, {}, false, 0};
        v.OwnBitmap = true;
      }
    }
  }
  return v;
}

void TzelMenuPainter::Measure(const ui::TMenu& AMenu, const ui::TMenuItem& AItem, int& AWidth,
                              int& AHeight) {
  TBitmap unused;
  TMenuItemView v = ViewOf(AMenu, AItem, false, unused);
  HDC dc = GetDC(nullptr);
  {
    ui::TSelectObject font(dc, FontFor(AItem));
    THdcCanvas canvas(dc);
    const TSize size = MeasureMenuItem(canvas, v);
    AWidth = size.Width;
    AHeight = size.Height;
  }
  ReleaseDC(nullptr, dc);
}

void TzelMenuPainter::Draw(const ui::TMenu& AMenu, const ui::TMenuItem& AItem, HDC ADc,
                           const RECT& ARect, bool ASelected) {
  const int width = ARect.right - ARect.left, height = ARect.bottom - ARect.top;
  if (width <= 0 || height <= 0) return;
  TBitmap picture;
  const TMenuItemView v = ViewOf(AMenu, AItem, ASelected, picture);
  TDibSurface& buffer = Buffer(width, height);
  if (!buffer.Valid()) return;
  {
    ui::TSelectObject font(buffer.Dc(), FontFor(AItem));
    THdcCanvas canvas(buffer.Dc());
    DrawMenuItem(canvas, {0, 0, width, height}, v, FPalette);
  }
  BitBlt(ADc, ARect.left, ARect.top, width, height, buffer.Dc(), 0, 0, SRCCOPY);
  // The system draws its own submenu arrow after the item; the item is
  // finished, so nothing more may paint over it.
  ExcludeClipRect(ADc, ARect.left, ARect.top, ARect.right, ARect.bottom);
}

}  // namespace skin
