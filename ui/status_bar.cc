#include "ui/status_bar.h"

#include <commctrl.h>

#include "platform/win32/wide.h"

namespace ui {

using platform::win32::ToWide;

TStatusBar::TStatusBar(const TStatusBarArgs& AArgs)
    : TWidget(AArgs.Widget),
      FPanels(AArgs.Panels),
      FSizeGrip(AArgs.SizeGrip),
      FSimple(AArgs.SimplePanel) {
  CreateHandle(STATUSCLASSNAMEW, WS_VISIBLE | (AArgs.SizeGrip ? SBARS_SIZEGRIP : 0), 0);
  ApplyParts();
  SetSimplePanel(FSimple);
  Realign();
}

void TStatusBar::ApplyParts() {
  std::vector<int> edges;
  int x = 0;
  for (size_t i = 0; i < FPanels.size(); ++i) {
    x += FPanels[i].Width;
    edges.push_back(i + 1 == FPanels.size() ? -1 : x);
  }
  if (edges.empty()) edges.push_back(-1);
  Perform(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < FPanels.size(); ++i) {
    Perform(SB_SETTEXTW, i, reinterpret_cast<LPARAM>(ToWide(FPanels[i].Text).c_str()));
  }
}

void TStatusBar::SetPanelText(int AIndex, const std::string& AText) {
  if (AIndex < 0 || AIndex >= PanelCount()) return;
  FPanels[static_cast<size_t>(AIndex)].Text = AText;
  Perform(SB_SETTEXTW, static_cast<WPARAM>(AIndex),
          reinterpret_cast<LPARAM>(ToWide(AText).c_str()));
}

std::string TStatusBar::PanelText(int AIndex) const {
  if (AIndex < 0 || AIndex >= PanelCount()) return {};
  return FPanels[static_cast<size_t>(AIndex)].Text;
}

void TStatusBar::SetSimplePanel(bool AOn) {
  FSimple = AOn;
  Perform(SB_SIMPLE, AOn ? TRUE : FALSE);
  if (AOn) {
    Perform(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(ToWide(Caption()).c_str()));
  }
}

void TStatusBar::Realign() {
  Perform(WM_SIZE);  // the control places itself along its parent's bottom
}

bool TStatusBar::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "SimplePanel") {
    AValue = FSimple;
  } else if (name == "SizeGrip") {
    AValue = FSizeGrip;
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TStatusBar::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "SimplePanel") {
    SetSimplePanel(std::get<bool>(AValue));
  } else if (name == "SizeGrip") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
