#include "ui/combo_box.h"

#include "platform/win32/wide.h"

namespace ui {

using platform::win32::ToUtf8;
using platform::win32::ToWide;

namespace {

DWORD StyleBits(TComboBoxStyle AStyle) {
  switch (AStyle) {
    case TComboBoxStyle::Simple:
      return CBS_SIMPLE;
    case TComboBoxStyle::DropDown:
      return CBS_DROPDOWN;
    case TComboBoxStyle::DropDownList:
      return CBS_DROPDOWNLIST;
  }
  return CBS_DROPDOWN;
}

}  // namespace

TComboBox::TComboBox(const TComboBoxArgs& AArgs)
    : TWidget([&] {
        // The window's height includes the open list.
        TWidgetArgs args = AArgs.Widget;
        if (AArgs.Style != TComboBoxStyle::Simple) args.Height += AArgs.DropDownCount * 16;
        return args;
      }()),
      FStyle(AArgs.Style) {
  CreateHandle(L"COMBOBOX",
               WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | StyleBits(AArgs.Style), 0);
  for (const std::string& item : AArgs.Items) AddItem(item);
  SetItemIndex(AArgs.ItemIndex);
}

int TComboBox::Count() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}

std::string TComboBox::Item(int AIndex) const {
  const LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(AIndex), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(AIndex),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return ToUtf8(text);
}

void TComboBox::AddItem(const std::string& AText) {
  Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(AText).c_str()));
}

void TComboBox::Clear() {
  Perform(CB_RESETCONTENT);
  CheckTextChanged();
}

int TComboBox::ItemIndex() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int AIndex) {
  Perform(CB_SETCURSEL, static_cast<WPARAM>(AIndex));
  CheckTextChanged();
}

bool TComboBox::DroppedDown() const {
  return SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::CommandNotification(WORD ACode) {
  if (ACode == CBN_SELCHANGE || ACode == CBN_EDITCHANGE) {
    if (OnChange) OnChange();
  }
}

bool TComboBox::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Style") {
    AValue = static_cast<int64_t>(FStyle);
  } else if (name == "ItemIndex") {
    AValue = int64_t{ItemIndex()};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TComboBox::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "ItemIndex") {
    SetItemIndex(static_cast<int>(std::get<int64_t>(AValue)));
  } else if (name == "Style") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
