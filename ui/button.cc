#include "ui/button.h"

#include "platform/win32/wide.h"

namespace ui {
namespace {

constexpr int kGlyphSpacing = 4;

}  // namespace

TButton::TButton(const TButtonArgs& AArgs)
    : TWidget(AArgs.Widget),
      FGlyphs(AArgs.Glyphs),
      FGlyphIndex(AArgs.Glyphs ? AArgs.GlyphIndex : -1) {
  CreateHandle(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0);
}

void TButton::CommandNotification(WORD ACode) {
  if (ACode == BN_CLICKED && OnClick) OnClick();
}

void TButton::DrawItem(const DRAWITEMSTRUCT& AItem) {
  HDC dc = AItem.hDC;
  RECT rect = AItem.rcItem;
  const bool pushed = (AItem.itemState & ODS_SELECTED) != 0;
  const bool focused = (AItem.itemState & ODS_FOCUS) != 0;
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

  const std::wstring text = platform::win32::ToWide(Caption());
  TSelectObject font(dc, FontHandle());
  RECT text_rect{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), -1, &text_rect, DT_SINGLELINE | DT_CALCRECT);
  const int text_width = text_rect.right - text_rect.left;
  const int glyph_width = FGlyphIndex >= 0 ? FGlyphs->Width() + kGlyphSpacing : 0;
  const int shift = pushed ? 1 : 0;
  int x = (rect.left + rect.right - text_width - glyph_width) / 2 + shift;
  if (FGlyphIndex >= 0) {
    FGlyphs->Draw(dc, x, (rect.top + rect.bottom - FGlyphs->Height()) / 2 + shift, FGlyphIndex);
    x += glyph_width;
  }
  RECT caption{x, rect.top + shift, x + text_width, rect.bottom + shift};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Font().Color.Resolve());
  DrawTextW(dc, text.c_str(), -1, &caption, DT_SINGLELINE | DT_VCENTER);
  if (focused) {
    RECT focus = rect;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace ui
