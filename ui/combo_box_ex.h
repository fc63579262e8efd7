// An extended combo box over the common controls' ComboBoxEx32 class: each
// item with a picture of an image list and an indent.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_COMBO_BOX_EX_H_
#define QUILLORY_UI_COMBO_BOX_EX_H_

#include <string>
#include <vector>

#include "ui/combo_box.h"
#include "ui/image_list.h"
#include "ui/widget.h"

namespace ui {

struct TComboExItem {
  std::string Caption;
  int ImageIndex = -1;
  int Indent = 0;  // in steps of 10 pixels
};

struct TComboBoxExArgs {
  TWidgetArgs Widget;  // Height: of the closed box
  TComboBoxStyle Style = TComboBoxStyle::DropDownList;
  const TImageList* Images = nullptr;  // not owned; outlives the box
  std::vector<TComboExItem> Items;
  int ItemIndex = -1;
};

class TComboBoxEx : public TWidget {
 public:
  explicit TComboBoxEx(const TComboBoxExArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::ComboBoxEx; }

  void AddItem(const TComboExItem& AItem);
  int Count() const;
  int ItemIndex() const;
  void SetItemIndex(int AIndex);

  TNotifyEvent OnChange;

 protected:
  void CommandNotification(WORD ACode) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  TComboBoxStyle FStyle;
  const TImageList* FImages;
};

}  // namespace ui

#endif  // QUILLORY_UI_COMBO_BOX_EX_H_
