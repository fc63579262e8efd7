#include "ui/mask_edit.h"

#include "platform/win32/wide.h"

namespace ui {

using platform::win32::ToUtf8;
using platform::win32::ToWide;

TMaskEdit::TMaskEdit(const TMaskEditArgs& AArgs)
    : TWidget(AArgs.Widget), FMaskText(AArgs.EditMask), FMask(ToWide(AArgs.EditMask)) {
  CreateHandle(L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  Perform(EM_LIMITTEXT, FMask.Length());
  Show(FMask.Apply(ToWide(AArgs.Widget.Caption)), 0);
}

bool TMaskEdit::IsComplete() const {
  return FMask.IsComplete(WideText());
}

std::wstring TMaskEdit::WideText() const {
  return ToWide(Caption());
}

size_t TMaskEdit::Caret() const {
  DWORD start = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return start;
}

void TMaskEdit::Show(const std::wstring& AText, size_t ACaret) {
  if (AText != WideText()) SetCaption(ToUtf8(AText));
  Perform(EM_SETSEL, ACaret, static_cast<LPARAM>(ACaret));
}

LRESULT TMaskEdit::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  const bool read_only = Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY);
  switch (AMessage) {
    case WM_CHAR: {
      if (read_only) break;
      const auto c = static_cast<wchar_t>(AWParam);
      std::wstring text = WideText();
      size_t caret = Caret();
      if (c == L'\b') {
        FMask.Backspace(text, caret);
      } else if (c < L' ') {
        break;  // Enter, Tab, Ctrl+letters: as the field does
      } else if (!FMask.Type(text, caret, c)) {
        MessageBeep(MB_OK);
        return 0;
      }
      Show(text, caret);
      return 0;
    }
    case WM_KEYDOWN:
      if (AWParam == VK_DELETE && !read_only) {
        std::wstring text = WideText();
        const size_t caret = Caret();
        FMask.Delete(text, caret);
        Show(text, caret);
        return 0;
      }
      break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
      return 0;  // only typing goes through the mask
    default:
      break;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

void TMaskEdit::CommandNotification(WORD ACode) {
  if (ACode == EN_CHANGE && OnChange) OnChange();
}

bool TMaskEdit::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "EditMask") {
    AValue = FMaskText;
  } else if (name == "ReadOnly") {
    AValue = Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY) != 0;
  } else if (name == "BorderStyle") {
    AValue = int64_t{1};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TMaskEdit::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "ReadOnly") {
    Perform(EM_SETREADONLY, std::get<bool>(AValue) ? TRUE : FALSE);
  } else if (name == "Text" || name == "Caption") {
    Show(FMask.Apply(ToWide(std::get<std::string>(AValue))), 0);
  } else if (name == "EditMask" || name == "BorderStyle") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
