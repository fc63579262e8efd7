#include "ui/combo_box_ex.h"

#include "platform/win32/wide.h"

namespace ui {

TComboBoxEx::TComboBoxEx(const TComboBoxExArgs& AArgs)
    : TWidget([&] {
        TWidgetArgs args = AArgs.Widget;
        args.Height += 8 * 18;  // the open list
        return args;
      }()),
      FStyle(AArgs.Style),
      FImages(AArgs.Images) {
  const DWORD style = AArgs.Style == TComboBoxStyle::DropDownList ? CBS_DROPDOWNLIST
                      : AArgs.Style == TComboBoxStyle::Simple     ? CBS_SIMPLE
                                                                  : CBS_DROPDOWN;
  CreateHandle(WC_COMBOBOXEXW, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | style, 0);
  if (FImages) Perform(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
  for (const TComboExItem& item : AArgs.Items) AddItem(item);
  SetItemIndex(AArgs.ItemIndex);
}

void TComboBoxEx::AddItem(const TComboExItem& AItem) {
  std::wstring text = platform::win32::ToWide(AItem.Caption);
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT | CBEIF_INDENT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
  item.iItem = Count();
  item.pszText = text.data();
  item.iImage = item.iSelectedImage = AItem.ImageIndex;
  item.iIndent = AItem.Indent;
  Perform(CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int TComboBoxEx::Count() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}

int TComboBoxEx::ItemIndex() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBoxEx::SetItemIndex(int AIndex) {
  Perform(CB_SETCURSEL, static_cast<WPARAM>(AIndex));
}

void TComboBoxEx::CommandNotification(WORD ACode) {
  if (ACode == CBN_SELCHANGE && OnChange) OnChange();
}

bool TComboBoxEx::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Style") {
    AValue = static_cast<int64_t>(FStyle);
  } else if (name == "ItemIndex") {
    AValue = int64_t{ItemIndex()};
  } else if (name == "Images") {
    AValue = static_cast<const void*>(FImages);
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TComboBoxEx::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "ItemIndex") {
    SetItemIndex(static_cast<int>(std::get<int64_t>(AValue)));
  } else if (name == "Style" || name == "Images") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
