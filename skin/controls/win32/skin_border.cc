#include "skin/controls/win32/skin_border.h"

#include "skin/draw/win32/hdc_canvas.h"
#include "ui/gdi.h"

namespace skin {
namespace {

bool EmptySet(const ui::TComponent& AControl, std::string_view AName) {
  if (!AControl.HasProperty(AName)) return false;
  const auto value = AControl.GetProperty(AName);
  return value && std::holds_alternative<int64_t>(*value) && std::get<int64_t>(*value) == 0;
}

}  // namespace

bool WantsSkinnedBorder(const ui::TComponent& AControl, const TzelSkinHost& AEngine) {
  if (const ui::TPropertyInfo* info = AControl.FindProperty("BorderStyle")) {
    if (info->Type != &ui::types::BorderStyle && info->Type != &ui::types::FormBorderStyle) {
      return false;
    }
    const auto value = AControl.GetProperty("BorderStyle");
    if (!value || !std::holds_alternative<int64_t>(*value) || std::get<int64_t>(*value) == 0) {
      return false;
    }
  }
  if (EmptySet(AControl, "BevelEdges") || EmptySet(AControl, "EdgeBorders")) return false;
  return !AEngine.NoBorderClass(AControl.Class().Name);
}

void TzelSkinBorderWinControl::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  if (AMessage.Msg == WM_NCPAINT || AMessage.Msg == WM_SETFOCUS || AMessage.Msg == WM_KILLFOCUS) {
    Repaint();
  }
}

void TzelSkinBorderWinControl::Paint() {
  if (m_Control->Handle() == nullptr || !WantsSkinnedBorder(*m_Control, *m_Engine)) return;
  TColor inner = m_Engine->GetColor(TSkinColorKey::ControlColor);
  if (const auto* info = m_Control->FindProperty("Color");
      info != nullptr && info->Type->Kind == ui::TPropertyKind::Color) {
    if (const auto value = m_Control->GetProperty("Color")) {
      inner = ui::TColor::Decode(std::get<int64_t>(*value)).Resolve();
    }
  }
  DrawControlBorder(m_Control->Handle(), m_Engine->GetColor(TSkinColorKey::ControlBorderColor),
                    inner, true);
}

void TzelSkinBorderWndControl::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  if (AMessage.Msg == WM_NCPAINT || AMessage.Msg == WM_SETFOCUS || AMessage.Msg == WM_KILLFOCUS) {
    Repaint();
  }
}

void TzelSkinBorderWndControl::Paint() {
  DrawControlBorder(m_CtrlWnd, m_Engine->GetColor(TSkinColorKey::ControlBorderColor),
                    GetSysColor(COLOR_WINDOW), true);
}

}  // namespace skin
