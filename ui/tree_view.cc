#include "ui/tree_view.h"

#include "platform/win32/wide.h"

namespace ui {

TTreeView::TTreeView(const TTreeViewArgs& AArgs) : TWidget(AArgs.Widget), FImages(AArgs.Images) {
  CreateHandle(
      WC_TREEVIEWW,
      WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
      WS_EX_CLIENTEDGE);
  if (FImages) Perform(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages->Handle()));
  for (const TTreeNode& node : AArgs.Nodes) AddNode(nullptr, node);
}

HTREEITEM TTreeView::AddNode(HTREEITEM AParent, const TTreeNode& ANode) {
  std::wstring text = platform::win32::ToWide(ANode.Caption);
  TVINSERTSTRUCTW insert{};
  insert.hParent = AParent ? AParent : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = text.data();
  insert.item.iImage = insert.item.iSelectedImage = ANode.ImageIndex;
  auto* item =
      reinterpret_cast<HTREEITEM>(Perform(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  for (const TTreeNode& child : ANode.Children) AddNode(item, child);
  if (ANode.Expanded) Perform(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  return item;
}

std::string TTreeView::SelectedCaption() const {
  auto* item = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return {};
  wchar_t buffer[260] = {};
  TVITEMW data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = buffer;
  data.cchTextMax = 260;
  SendMessageW(Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
  return platform::win32::ToUtf8(buffer);
}

LRESULT TTreeView::Notification(const NMHDR& AHeader) {
  if (AHeader.code == static_cast<UINT>(TVN_SELCHANGEDW) && OnChange) OnChange();
  return 0;
}

bool TTreeView::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Images") {
    AValue = static_cast<const void*>(FImages);
  } else if (name == "BorderStyle") {
    AValue = int64_t{1};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TTreeView::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Images" || name == "BorderStyle") return false;  // fixed at creation
  return TWidget::WriteProperty(AInfo, AValue);
}

}  // namespace ui
