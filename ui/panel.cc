#include "ui/panel.h"

#include "platform/win32/wide.h"

namespace ui {
namespace {

// A bevel of AWidth lines: light on top and left when raised.
void DrawBevel(HDC ADc, RECT& ARect, TPanelBevel ABevel, int AWidth) {
  if (ABevel == TPanelBevel::None) return;
  const bool raised = ABevel == TPanelBevel::Raised;
  TBrushHandle light(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
  TBrushHandle dark(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
  HBRUSH top_left = raised ? light.Get() : dark.Get();
  HBRUSH bottom_right = raised ? dark.Get() : light.Get();
  for (int i = 0; i < AWidth; ++i) {
    RECT r = ARect;
    RECT top{r.left, r.top, r.right, r.top + 1};
    RECT left{r.left, r.top, r.left + 1, r.bottom};
    RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    RECT right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(ADc, &top, top_left);
    FillRect(ADc, &left, top_left);
    FillRect(ADc, &bottom, bottom_right);
    FillRect(ADc, &right, bottom_right);
    InflateRect(&ARect, -1, -1);
  }
}

}  // namespace

TPanel::TPanel(const TPanelArgs& AArgs)
    : TWidget(AArgs.Widget),
      FBevelOuter(AArgs.BevelOuter),
      FBevelInner(AArgs.BevelInner),
      FBevelWidth(AArgs.BevelWidth),
      FBorderSingle(AArgs.BorderSingle) {
  CreateHandle(nullptr, WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
               L"TPanel");
}

void TPanel::SetBevels(TPanelBevel AOuter, TPanelBevel AInner) {
  FBevelOuter = AOuter;
  FBevelInner = AInner;
  Invalidate();
}

LRESULT TPanel::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_PAINT) {
    TPaintDc dc(Handle());
    Paint(dc.Get());
    return 0;
  }
  if (AMessage == WM_SIZE || AMessage == CM_TEXTCHANGED) Invalidate();
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

void TPanel::Paint(HDC ADc) {
  RECT rect;
  GetClientRect(Handle(), &rect);
  if (FBorderSingle) {
    FrameRect(ADc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
  DrawBevel(ADc, rect, FBevelOuter, FBevelWidth);
  DrawBevel(ADc, rect, FBevelInner, FBevelWidth);
  const std::wstring text = platform::win32::ToWide(Caption());
  if (text.empty()) return;
  TSelectObject font(ADc, FontHandle());
  SetBkMode(ADc, TRANSPARENT);
  SetTextColor(ADc, Enabled() ? Font().Color.Resolve() : GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(ADc, text.c_str(), -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

bool TPanel::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "BevelOuter") {
    AValue = static_cast<int64_t>(FBevelOuter);
  } else if (name == "BevelInner") {
    AValue = static_cast<int64_t>(FBevelInner);
  } else if (name == "BevelWidth") {
    AValue = int64_t{FBevelWidth};
  } else if (name == "BorderStyle") {
    AValue = int64_t{FBorderSingle ? 1 : 0};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TPanel::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "BevelOuter" || name == "BevelInner") {
    const int64_t value = std::get<int64_t>(AValue);
    if (value < 0 || value > 2) return false;
    (name == "BevelOuter" ? FBevelOuter : FBevelInner) = static_cast<TPanelBevel>(value);
  } else if (name == "BevelWidth") {
    const int64_t value = std::get<int64_t>(AValue);
    if (value < 1 || value > 100) return false;
    FBevelWidth = static_cast<int>(value);
  } else if (name == "BorderStyle") {
    FBorderSingle = std::get<int64_t>(AValue) != 0;
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  Invalidate();
  return true;
}

}  // namespace ui
