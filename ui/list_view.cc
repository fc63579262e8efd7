#include "ui/list_view.h"

#include "platform/win32/wide.h"

namespace ui {

using platform::win32::ToWide;

namespace {

DWORD ViewStyleBits(TViewStyle AStyle) {
  switch (AStyle) {
    case TViewStyle::Icon:
      return LVS_ICON;
    case TViewStyle::SmallIcon:
      return LVS_SMALLICON;
    case TViewStyle::List:
      return LVS_LIST;
    case TViewStyle::Report:
      return LVS_REPORT;
  }
  return LVS_REPORT;
}

}  // namespace

TListView::TListView(const TListViewArgs& AArgs)
    : TWidget(AArgs.Widget), FViewStyle(AArgs.ViewStyle), FSmallImages(AArgs.SmallImages) {
  CreateHandle(
      WC_LISTVIEWW,
      WS_VISIBLE | WS_TABSTOP | LVS_SHOWSELALWAYS | LVS_SINGLESEL | ViewStyleBits(AArgs.ViewStyle),
      WS_EX_CLIENTEDGE);
  Perform(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  if (FSmallImages) {
    Perform(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(FSmallImages->Handle()));
  }
  if (AArgs.LargeImages) {
    Perform(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(AArgs.LargeImages->Handle()));
  }
  for (size_t i = 0; i < AArgs.Columns.size(); ++i) {
    std::wstring text = ToWide(AArgs.Columns[i].Caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = AArgs.Columns[i].Width;
    column.iSubItem = static_cast<int>(i);
    Perform(LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  for (const TListRow& row : AArgs.Rows) AddRow(row);
}

void TListView::AddRow(const TListRow& ARow) {
  const int index = RowCount();
  for (size_t i = 0; i < ARow.Texts.size(); ++i) {
    std::wstring text = ToWide(ARow.Texts[i]);
    LVITEMW item{};
    item.mask = LVIF_TEXT | (i == 0 ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.iSubItem = static_cast<int>(i);
    item.pszText = text.data();
    item.iImage = ARow.ImageIndex;
    Perform(i == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

int TListView::RowCount() const {
  return static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0));
}

int TListView::ItemIndex() const {
  return static_cast<int>(
      SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TListView::SetItemIndex(int AIndex) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  Perform(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (AIndex < 0) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Perform(LVM_SETITEMSTATE, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(&item));
  Perform(LVM_ENSUREVISIBLE, static_cast<WPARAM>(AIndex), FALSE);
}

HWND TListView::Header() const {
  return reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
}

LRESULT TListView::Notification(const NMHDR& AHeader) {
  if (AHeader.code == static_cast<UINT>(LVN_ITEMCHANGED)) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(AHeader);
    if ((change.uChanged & LVIF_STATE) && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) &&
        (change.uNewState & LVIS_SELECTED) && OnChange) {
      OnChange();
    }
  }
  return 0;
}

bool TListView::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "ViewStyle") {
    AValue = static_cast<int64_t>(FViewStyle);
  } else if (name == "SmallImages") {
    AValue = static_cast<const void*>(FSmallImages);
  } else if (name == "ItemIndex") {
    AValue = int64_t{ItemIndex()};
  } else if (name == "BorderStyle") {
    AValue = int64_t{1};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TListView::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "ItemIndex") {
    SetItemIndex(static_cast<int>(std::get<int64_t>(AValue)));
  } else if (name == "ViewStyle" || name == "SmallImages" || name == "BorderStyle") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
