#include "ui/speed_button.h"

#include "platform/win32/wide.h"
#include "ui/glyph_paint.h"

namespace ui {

TSpeedButton::TSpeedButton(const TSpeedButtonArgs& AArgs)
    : TWidget(AArgs.Widget),
      FGlyph(AArgs.Glyph),
      FNumGlyphs(AArgs.NumGlyphs),
      FLayout(AArgs.Layout),
      FMargin(AArgs.Margin),
      FSpacing(AArgs.Spacing),
      FFlat(AArgs.Flat),
      FGroupIndex(AArgs.GroupIndex),
      FDown(AArgs.GroupIndex != 0 && AArgs.Down),
      FAllowAllUp(AArgs.AllowAllUp) {
  CreateHandle(nullptr, WS_VISIBLE | WS_CLIPSIBLINGS, 0, L"TSpeedButton");
}

void TSpeedButton::SetDown(bool ADown) {
  if (FGroupIndex == 0) ADown = false;  // only grouped buttons stay down
  if (ADown == FDown) return;
  FDown = ADown;
  if (FDown) ReleaseGroup();
  Invalidate();
}

void TSpeedButton::ReleaseGroup() {
  if (!Parent()) return;
  for (TWidget* sibling : Parent()->Children()) {
    auto* other = dynamic_cast<TSpeedButton*>(sibling);
    if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
      other->FDown = false;
      other->Invalidate();
    }
  }
}

void TSpeedButton::Click() {
  if (FGroupIndex != 0) {
    if (!FDown) {
      SetDown(true);
    } else if (FAllowAllUp) {
      FDown = false;
      Invalidate();
    }
  }
  if (OnClick) OnClick();
}

LRESULT TSpeedButton::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_PAINT: {
      TPaintDc dc(Handle());
      Paint(dc.Get());
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Enabled()) break;
      FPressed = true;
      SetCapture(Handle());
      Invalidate();
      return 0;
    case WM_LBUTTONUP: {
      if (!FPressed) break;
      FPressed = false;
      ReleaseCapture();
      Invalidate();
      RECT client;
      GetClientRect(Handle(), &client);
      const POINT point{static_cast<short>(LOWORD(ALParam)), static_cast<short>(HIWORD(ALParam))};
      if (PtInRect(&client, point)) Click();
      return 0;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      FHot = AMessage == CM_MOUSEENTER;
      Invalidate();
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

void TSpeedButton::Paint(HDC ADc) {
  RECT client;
  GetClientRect(Handle(), &client);
  const bool sunken = FPressed || FDown;
  TBrushHandle face(
      CreateSolidBrush(FDown && !FPressed ? GetSysColor(COLOR_3DLIGHT) : Color().Resolve()));
  FillRect(ADc, &client, face.Get());
  if (!FFlat) {
    RECT edge = client;
    DrawEdge(ADc, &edge, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  } else if (sunken || (FHot && Enabled())) {
    RECT edge = client;
    DrawEdge(ADc, &edge, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  TGlyphFace face_info;
  face_info.Glyph = FGlyph;
  face_info.NumGlyphs = FNumGlyphs;
  face_info.State = !Enabled() ? TGlyphState::Disabled
                    : FDown    ? TGlyphState::Exclusive
                    : FPressed ? TGlyphState::Down
                               : TGlyphState::Up;
  face_info.Caption = platform::win32::ToWide(Caption());
  face_info.Font = FontHandle();
  face_info.TextColor = Font().Color.Resolve();
  face_info.Layout = FLayout;
  face_info.Margin = FMargin;
  face_info.Spacing = FSpacing;
  face_info.Shift = sunken ? 1 : 0;
  DrawGlyphFace(ADc, client, face_info);
}

bool TSpeedButton::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Glyph") {
    AValue = static_cast<const void*>(FGlyph);
  } else if (name == "NumGlyphs") {
    AValue = int64_t{FNumGlyphs};
  } else if (name == "Layout") {
    AValue = static_cast<int64_t>(FLayout);
  } else if (name == "Margin") {
    AValue = int64_t{FMargin};
  } else if (name == "Spacing") {
    AValue = int64_t{FSpacing};
  } else if (name == "Flat") {
    AValue = FFlat;
  } else if (name == "Transparent") {
    AValue = false;
  } else if (name == "Down") {
    AValue = FDown;
  } else if (name == "GroupIndex") {
    AValue = int64_t{FGroupIndex};
  } else if (name == "AllowAllUp") {
    AValue = FAllowAllUp;
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TSpeedButton::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "NumGlyphs") {
    const int64_t value = std::get<int64_t>(AValue);
    if (value < 1 || value > 4) return false;
    FNumGlyphs = static_cast<int>(value);
  } else if (name == "Layout") {
    const int64_t value = std::get<int64_t>(AValue);
    if (value < 0 || value > 3) return false;
    FLayout = static_cast<TButtonLayout>(value);
  } else if (name == "Margin") {
    FMargin = static_cast<int>(std::get<int64_t>(AValue));
  } else if (name == "Spacing") {
    FSpacing = static_cast<int>(std::get<int64_t>(AValue));
  } else if (name == "Flat") {
    FFlat = std::get<bool>(AValue);
  } else if (name == "Down") {
    SetDown(std::get<bool>(AValue));
  } else if (name == "GroupIndex") {
    FGroupIndex = static_cast<int>(std::get<int64_t>(AValue));
    if (FGroupIndex == 0) FDown = false;
  } else if (name == "AllowAllUp") {
    FAllowAllUp = std::get<bool>(AValue);
  } else if (name == "Glyph" || name == "Transparent") {
    return false;  // set at creation / always opaque
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  Invalidate();
  return true;
}

}  // namespace ui
