// A list box over the system's LISTBOX class, with a vertical scroll bar
// when the items do not fit.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_LIST_BOX_H_
#define QUILLORY_UI_LIST_BOX_H_

#include <string>
#include <vector>

#include "ui/widget.h"

namespace ui {

struct TListBoxArgs {
  TWidgetArgs Widget;
  std::vector<std::string> Items;
  int ItemIndex = -1;
  bool Sorted = false;
};

class TListBox : public TWidget {
 public:
  explicit TListBox(const TListBoxArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::ListBox; }

  int Count() const;
  std::string Item(int AIndex) const;
  void AddItem(const std::string& AText);
  void Clear();
  // -1: nothing selected.
  int ItemIndex() const;
  void SetItemIndex(int AIndex);

  // The selection changed by the user.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  void CommandNotification(WORD ACode) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;
};

}  // namespace ui

#endif  // QUILLORY_UI_LIST_BOX_H_
