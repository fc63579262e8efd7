#include "ui/list_box.h"

#include "platform/win32/wide.h"

namespace ui {

TListBox::TListBox(const TListBoxArgs& AArgs) : TWidget(AArgs.Widget) {
  CreateHandle(L"LISTBOX",
               WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                   (AArgs.Sorted ? LBS_SORT : 0),
               WS_EX_CLIENTEDGE);
  for (const std::string& item : AArgs.Items) AddItem(item);
  SetItemIndex(AArgs.ItemIndex);
}

int TListBox::Count() const {
  return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

std::string TListBox::Item(int AIndex) const {
  const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(AIndex), 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(AIndex),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return platform::win32::ToUtf8(text);
}

void TListBox::AddItem(const std::string& AText) {
  Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::win32::ToWide(AText).c_str()));
}

void TListBox::Clear() {
  Perform(LB_RESETCONTENT);
}

int TListBox::ItemIndex() const {
  return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int AIndex) {
  Perform(LB_SETCURSEL, static_cast<WPARAM>(AIndex));
}

void TListBox::CommandNotification(WORD ACode) {
  if (ACode == LBN_SELCHANGE && OnClick) OnClick();
  if (ACode == LBN_DBLCLK && OnDblClick) OnDblClick();
}

bool TListBox::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "ItemIndex") {
    AValue = int64_t{ItemIndex()};
  } else if (name == "BorderStyle") {
    AValue = int64_t{1};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TListBox::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "ItemIndex") {
    SetItemIndex(static_cast<int>(std::get<int64_t>(AValue)));
  } else if (name == "BorderStyle") {
    return false;  // always single
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
