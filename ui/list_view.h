// A list view over the common controls' SysListView32 class: in report
// style with a header of columns, rows with sub-item texts and small icons
// of an image list; or as icons or a list.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_LIST_VIEW_H_
#define QUILLORY_UI_LIST_VIEW_H_

#include <string>
#include <vector>

#include "ui/image_list.h"
#include "ui/widget.h"

namespace ui {

enum class TViewStyle { Icon, SmallIcon, List, Report };

struct TListColumn {
  std::string Caption;
  int Width = 80;
};

struct TListRow {
  std::vector<std::string> Texts;  // the caption, then the sub-items
  int ImageIndex = -1;
};

struct TListViewArgs {
  TWidgetArgs Widget;
  TViewStyle ViewStyle = TViewStyle::Report;
  std::vector<TListColumn> Columns;
  std::vector<TListRow> Rows;
  const TImageList* SmallImages = nullptr;  // not owned; outlives the view
  const TImageList* LargeImages = nullptr;  // not owned; for the icon style
};

class TListView : public TWidget {
 public:
  explicit TListView(const TListViewArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::ListView; }

  void AddRow(const TListRow& ARow);
  int RowCount() const;
  // -1: no row selected.
  int ItemIndex() const;
  void SetItemIndex(int AIndex);
  TViewStyle ViewStyle() const { return FViewStyle; }
  // The header window of the report style.
  HWND Header() const;

  // The selected row changed.
  TNotifyEvent OnChange;

 protected:
  LRESULT Notification(const NMHDR& AHeader) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  TViewStyle FViewStyle;
  const TImageList* FSmallImages;
};

}  // namespace ui

#endif  // QUILLORY_UI_LIST_VIEW_H_
