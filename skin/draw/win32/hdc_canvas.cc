#include "skin/draw/win32/hdc_canvas.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/draw/fills.h"
#include "skin/draw/win32/dib_surface.h"

namespace skin {
namespace {

// ASourceRect of ASource as top-down 32-bit DIB pixels.
std::vector<std::uint32_t> DibPixels(const TBitmap& ASource, const TRect& ASourceRect) {
  std::vector<std::uint32_t> bits;
  bits.reserve(static_cast<std::size_t>(ASourceRect.Width()) *
               static_cast<std::size_t>(ASourceRect.Height()));
  for (int y = ASourceRect.Top; y < ASourceRect.Bottom; ++y) {
    for (int x = ASourceRect.Left; x < ASourceRect.Right; ++x) {
      bits.push_back(DibPixel(ASource.Pixel(x, y)));
    }
  }
  return bits;
}

// Sets the stretch mode for this object's lifetime.
class TStretchModeScope {
 public:
  TStretchModeScope(HDC ADc, TStretchMode AMode)
      : FDc(ADc),
        FOld(SetStretchBltMode(ADc, AMode == TStretchMode::Halftone ? HALFTONE : COLORONCOLOR)) {
    // HALFTONE needs the brush origin reset after the mode is set.
    if (AMode == TStretchMode::Halftone) SetBrushOrgEx(ADc, 0, 0, &FOldOrigin);
    FHalftone = AMode == TStretchMode::Halftone;
  }
  ~TStretchModeScope() {
    if (FHalftone) SetBrushOrgEx(FDc, FOldOrigin.x, FOldOrigin.y, nullptr);
    if (FOld) SetStretchBltMode(FDc, FOld);
  }
  TStretchModeScope(const TStretchModeScope&) = delete;
  TStretchModeScope& operator=(const TStretchModeScope&) = delete;

 private:
  HDC FDc;
  int FOld;
  POINT FOldOrigin{};
  bool FHalftone = false;
};

// GetWindowDC / ReleaseDC.
class TWindowDc {
 public:
  explicit TWindowDc(HWND AWindow) : FWindow(AWindow), FDc(GetWindowDC(AWindow)) {}
  ~TWindowDc() {
    if (FDc) ReleaseDC(FWindow, FDc);
  }
  TWindowDc(const TWindowDc&) = delete;
  TWindowDc& operator=(const TWindowDc&) = delete;
  HDC Get() const { return FDc; }

 private:
  HWND FWindow;
  HDC FDc;
};

const wchar_t* Wide(std::u16string_view AText) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return reinterpret_cast<const wchar_t*>(AText.data());
}

}  // namespace

void THdcCanvas::DrawBitmap(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect,
                            TStretchMode AMode) {
  if (!Drawable(ADest, ASource, ASourceRect)) return;
  const auto bits = DibPixels(ASource, ASourceRect);
  const BITMAPINFO info = DibHeader(ASourceRect.Width(), ASourceRect.Height());
  TStretchModeScope mode(FDc, AMode);
  StretchDIBits(FDc, ADest.Left, ADest.Top, ADest.Width(), ADest.Height(), 0, 0,
                ASourceRect.Width(), ASourceRect.Height(), bits.data(), &info, DIB_RGB_COLORS,
                SRCCOPY);
}

// TransparentBlt builds its mask with the DC's own stretch mode when it
// resamples, which merges rows when shrinking; so the piece is resampled
// here first, only where the DC can show it, and handed over unscaled.
void THdcCanvas::DrawBitmapMasked(const TRect& ADest, const TBitmap& ASource,
                                  const TRect& ASourceRect, TColor ATransColor) {
  if (!Drawable(ADest, ASource, ASourceRect)) return;
  TRect shown = ADest;
  RECT clip{};
  if (GetClipBox(FDc, &clip) != ERROR && !IsRectEmpty(&clip)) {
    shown = {std::max(ADest.Left, static_cast<int>(clip.left)),
             std::max(ADest.Top, static_cast<int>(clip.top)),
             std::min(ADest.Right, static_cast<int>(clip.right)),
             std::min(ADest.Bottom, static_cast<int>(clip.bottom))};
    if (shown.Empty()) return;
  }
  const int w = shown.Width(), h = shown.Height();
  TDibSurface piece(w, h, FDc);
  if (!piece.Valid()) return;
  std::uint32_t* bits = piece.Bits();
  for (int y = 0; y < h; ++y) {
    const int sy = ASourceRect.Top + StretchSource(shown.Top - ADest.Top + y, ADest.Height(),
                                                   ASourceRect.Height(), TAxis::Rows);
    for (int x = 0; x < w; ++x) {
      const int sx = ASourceRect.Left + StretchSource(shown.Left - ADest.Left + x, ADest.Width(),
                                                      ASourceRect.Width(), TAxis::Columns);
      bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x] =
          DibPixel(ASource.Pixel(sx, sy));
    }
  }
  TransparentBlt(FDc, shown.Left, shown.Top, w, h, piece.Dc(), 0, 0, w, h, ATransColor);
}

void THdcCanvas::FillRect(const TRect& ARect, TColor AColor) {
  if (ARect.Empty()) return;
  const RECT r{ARect.Left, ARect.Top, ARect.Right, ARect.Bottom};
  const COLORREF old = SetDCBrushColor(FDc, AColor);
  ::FillRect(FDc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(FDc, old);
}

TSize THdcCanvas::TextExtent(std::u16string_view AText, int AWrapWidth) {
  if (AWrapWidth <= 0) {
    SIZE size{};
    GetTextExtentPoint32W(FDc, Wide(AText), static_cast<int>(AText.size()), &size);
    return {size.cx, size.cy};
  }
  RECT r{0, 0, AWrapWidth, 0};
  ::DrawTextW(FDc, Wide(AText), static_cast<int>(AText.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return {r.right - r.left, r.bottom - r.top};
}

void THdcCanvas::PaintText(const TRect& ARect, std::u16string_view AText, TColor AColor,
                           TTextFormat AFormat) {
  RECT r{ARect.Left, ARect.Top, ARect.Right, ARect.Bottom};
  UINT flags = DT_NOPREFIX | (AFormat.WordWrap ? DT_WORDBREAK : DT_SINGLELINE);
  if (AFormat.Centred) {
    flags |= DT_CENTER;
    if (AFormat.WordWrap) {
      r.top += (ARect.Height() - TextExtent(AText, ARect.Width()).Height) / 2;
    } else {
      flags |= DT_VCENTER;
    }
  }
  const COLORREF oldColor = SetTextColor(FDc, AColor);
  const int oldMode = SetBkMode(FDc, TRANSPARENT);
  ::DrawTextW(FDc, Wide(AText), static_cast<int>(AText.size()), &r, flags);
  SetBkMode(FDc, oldMode);
  SetTextColor(FDc, oldColor);
}

void DrawControlBorder(HWND AWindow, TColor ABorderColor, TColor AInnerColor, bool ADrawInner) {
  RECT window{};
  if (!GetWindowRect(AWindow, &window)) return;
  TWindowDc dc(AWindow);
  if (!dc.Get()) return;
  THdcCanvas canvas(dc.Get());
  DrawControlBorder(canvas, {0, 0, window.right - window.left, window.bottom - window.top},
                    ABorderColor, AInnerColor, ADrawInner);
}

}  // namespace skin
