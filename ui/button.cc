#include "ui/button.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/glyph_paint.h"

namespace ui {
namespace {

constexpr int kGlyphSpacing = 4;

}  // namespace

TButton::TButton(const TButtonArgs& AArgs)
    : TWidget(AArgs.Widget),
      FImages(AArgs.Images),
      FImageIndex(AArgs.Images ? AArgs.ImageIndex : -1),
      FDefault(AArgs.Default),
      FCancel(AArgs.Cancel) {
  CreateHandle(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0);
}

void TButton::Click() {
  if (OnClick) OnClick();
}

void TButton::CommandNotification(WORD ACode) {
  if (ACode == BN_CLICKED) Click();
}

bool TButton::DialogChar(wchar_t AKey) {
  if (!TWidget::DialogChar(AKey)) return false;
  Click();
  return true;
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
  const bool picture = FImages && FImageIndex >= 0 && FImageVisible;
  const int glyph_width = picture ? FImages->Width() + kGlyphSpacing : 0;
  const int shift = pushed ? 1 : 0;
  int x = (rect.left + rect.right - text_width - glyph_width) / 2 + shift;
  if (picture) {
    FImages->Draw(dc, x, (rect.top + rect.bottom - FImages->Height()) / 2 + shift, FImageIndex);
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

bool TButton::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Images") {
    AValue = static_cast<const void*>(FImages);
  } else if (name == "ImageIndex") {
    AValue = int64_t{FImageIndex};
  } else if (name == "ImageVisible") {
    AValue = FImageVisible;
  } else if (name == "WordWrap") {
    AValue = FWordWrap;
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TButton::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Images") {
    FImages = static_cast<const TImageList*>(std::get<const void*>(AValue));
  } else if (name == "ImageIndex") {
    FImageIndex = static_cast<int>(std::get<int64_t>(AValue));
  } else if (name == "ImageVisible") {
    FImageVisible = std::get<bool>(AValue);
  } else if (name == "WordWrap") {
    FWordWrap = std::get<bool>(AValue);
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  Invalidate();
  return true;
}

void TBitBtn::SetGlyph(HBITMAP AGlyph, int ANumGlyphs) {
  FGlyph = AGlyph;
  FNumGlyphs = std::clamp(ANumGlyphs, 1, 4);
  Invalidate();
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& AItem) {
  if (!FGlyph) {
    TButton::DrawItem(AItem);
    return;
  }
  HDC dc = AItem.hDC;
  RECT rect = AItem.rcItem;
  const bool pushed = (AItem.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  TGlyphFace face;
  face.Glyph = FGlyph;
  face.NumGlyphs = static_cast<int>(FNumGlyphs);
  face.State = (AItem.itemState & ODS_DISABLED) ? TGlyphState::Disabled
               : pushed                         ? TGlyphState::Down
                                                : TGlyphState::Up;
  face.Caption = platform::win32::ToWide(Caption());
  face.Font = FontHandle();
  face.TextColor = Font().Color.Resolve();
  face.Layout = static_cast<TButtonLayout>(FLayout);
  face.Margin = static_cast<int>(FMargin);
  face.Spacing = static_cast<int>(FSpacing);
  face.Shift = pushed ? 1 : 0;
  RECT inner = rect;
  InflateRect(&inner, -2, -2);
  DrawGlyphFace(dc, inner, face);
  if (AItem.itemState & ODS_FOCUS) {
    RECT focus = rect;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

bool TBitBtn::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Glyph") {
    AValue = static_cast<const void*>(FGlyph);
  } else if (name == "NumGlyphs") {
    AValue = FNumGlyphs;
  } else if (name == "Layout") {
    AValue = FLayout;
  } else if (name == "Margin") {
    AValue = FMargin;
  } else if (name == "Spacing") {
    AValue = FSpacing;
  } else {
    return TButton::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TBitBtn::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Layout") {
    FLayout = std::get<int64_t>(AValue);
  } else if (name == "Margin") {
    FMargin = std::get<int64_t>(AValue);
  } else if (name == "Spacing") {
    FSpacing = std::get<int64_t>(AValue);
  } else if (name == "NumGlyphs") {
    const int64_t value = std::get<int64_t>(AValue);
    if (value < 1 || value > 4) return false;
    FNumGlyphs = value;
  } else if (name == "Glyph") {
    return false;  // a bitmap handle: SetGlyph
  } else {
    return TButton::WriteProperty(AInfo, AValue);
  }
  Invalidate();
  return true;
}

}  // namespace ui
