#include "ui/tool_bar.h"

#include "platform/win32/wide.h"

namespace ui {
namespace {

// Command ids of tool bar buttons, distinct across bars.
int NextButtonIds(size_t ACount) {
  static int next = 20000;
  const int first = next;
  next += static_cast<int>(ACount) + 1;
  return first;
}

}  // namespace

TToolBar::TToolBar(const TToolBarArgs& AArgs)
    : TWidget(AArgs.Widget),
      FButtons(AArgs.Buttons),
      FImages(AArgs.Images),
      FFirstId(NextButtonIds(AArgs.Buttons.size())) {
  CreateHandle(TOOLBARCLASSNAMEW,
               WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_TOOLTIPS |
                   (AArgs.Flat ? TBSTYLE_FLAT : 0),
               0);
  Perform(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  if (FImages) {
    Perform(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
    Perform(TB_SETBITMAPSIZE, 0, MAKELPARAM(FImages->Width(), FImages->Height()));
  }
  std::vector<std::wstring> texts;
  texts.reserve(FButtons.size());
  std::vector<TBBUTTON> buttons;
  for (size_t i = 0; i < FButtons.size(); ++i) {
    const TToolButton& b = FButtons[i];
    texts.push_back(platform::win32::ToWide(AArgs.ShowCaptions ? b.Caption : std::string()));
    TBBUTTON button{};
    button.iBitmap = b.Style == TToolButtonStyle::Separator ? 6 : b.ImageIndex;
    button.idCommand = FFirstId + static_cast<int>(i);
    button.fsState =
        static_cast<BYTE>((b.Enabled ? TBSTATE_ENABLED : 0) | (b.Down ? TBSTATE_CHECKED : 0));
    button.fsStyle = static_cast<BYTE>(b.Style == TToolButtonStyle::Separator ? BTNS_SEP
                                       : b.Style == TToolButtonStyle::Check   ? BTNS_CHECK
                                                                              : BTNS_BUTTON);
    button.iString = texts.back().empty() ? -1 : reinterpret_cast<INT_PTR>(texts.back().c_str());
    buttons.push_back(button);
  }
  Perform(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  Perform(TB_AUTOSIZE);
}

bool TToolBar::ButtonDown(int AIndex) const {
  return SendMessageW(Handle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(FFirstId + AIndex), 0) != 0;
}

void TToolBar::SetButtonDown(int AIndex, bool ADown) {
  Perform(TB_CHECKBUTTON, static_cast<WPARAM>(FFirstId + AIndex), MAKELPARAM(ADown ? 1 : 0, 0));
}

bool TToolBar::Flat() const {
  return Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & TBSTYLE_FLAT);
}

void TToolBar::SetFlat(bool AOn) {
  if (!Handle()) return;
  LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  style = AOn ? (style | TBSTYLE_FLAT) : (style & ~LONG_PTR{TBSTYLE_FLAT});
  SetWindowLongPtrW(Handle(), GWL_STYLE, style);
  Invalidate();
}

SIZE TToolBar::IdealSize() const {
  SIZE size{0, 0};
  SendMessageW(Handle(), TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
  return size;
}

LRESULT TToolBar::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  // A button's click comes to the bar's parent as WM_COMMAND with the
  // button's id and the bar's handle; the parent reflects it here.
  if (AMessage == CN_BASE + WM_COMMAND) {
    const int index = LOWORD(AWParam) - FFirstId;
    if (index >= 0 && index < ButtonCount()) {
      const TToolButton& button = FButtons[static_cast<size_t>(index)];
      if (button.OnClick) button.OnClick();
    }
    return 0;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

bool TToolBar::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Flat") {
    AValue = Flat();
  } else if (name == "EdgeBorders") {
    AValue = int64_t{0};  // no edges drawn
  } else if (name == "Images") {
    AValue = static_cast<const void*>(FImages);
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TToolBar::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Flat") {
    SetFlat(std::get<bool>(AValue));
  } else if (name == "EdgeBorders" || name == "Images") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
