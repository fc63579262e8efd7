// A tree view over the common controls' SysTreeView32 class, with lines,
// expand buttons and pictures of an image list.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_TREE_VIEW_H_
#define QUILLORY_UI_TREE_VIEW_H_

#include <string>
#include <vector>

#include "ui/image_list.h"
#include "ui/widget.h"

namespace ui {

struct TTreeNode {
  std::string Caption;
  int ImageIndex = -1;
  bool Expanded = false;
  std::vector<TTreeNode> Children = {};
};

struct TTreeViewArgs {
  TWidgetArgs Widget;
  std::vector<TTreeNode> Nodes;
  const TImageList* Images = nullptr;  // not owned; outlives the view
};

class TTreeView : public TWidget {
 public:
  explicit TTreeView(const TTreeViewArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::TreeView; }

  // Adds ANode with its children under AParent (nullptr: at the top).
  HTREEITEM AddNode(HTREEITEM AParent, const TTreeNode& ANode);
  // The caption of the selected node, empty without one.
  std::string SelectedCaption() const;

  TNotifyEvent OnChange;

 protected:
  LRESULT Notification(const NMHDR& AHeader) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  const TImageList* FImages;
};

}  // namespace ui

#endif  // QUILLORY_UI_TREE_VIEW_H_
