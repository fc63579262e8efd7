// A combo box over the system's COMBOBOX class: simple (list always
// shown), drop-down (editable field with a list) or drop-down list (pick
// only). Items are UTF-8 strings.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_COMBO_BOX_H_
#define QUILLORY_UI_COMBO_BOX_H_

#include <string>
#include <vector>

#include "ui/widget.h"

namespace ui {

enum class TComboBoxStyle { Simple, DropDown, DropDownList };

struct TComboBoxArgs {
  TWidgetArgs Widget;  // Height: of the closed box (simple: with the list)
  TComboBoxStyle Style = TComboBoxStyle::DropDown;
  std::vector<std::string> Items;
  int ItemIndex = -1;
  int DropDownCount = 8;  // rows the open list shows
};

class TComboBox : public TWidget {
 public:
  explicit TComboBox(const TComboBoxArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::ComboBox; }

  TComboBoxStyle Style() const { return FStyle; }
  int Count() const;
  std::string Item(int AIndex) const;
  void AddItem(const std::string& AText);
  void Clear();
  // -1: nothing selected.
  int ItemIndex() const;
  void SetItemIndex(int AIndex);
  std::string Text() const { return Caption(); }
  bool DroppedDown() const;

  // The selection or the typed text changed.
  TNotifyEvent OnChange;

 protected:
  void CommandNotification(WORD ACode) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  TComboBoxStyle FStyle;
};

}  // namespace ui

#endif  // QUILLORY_UI_COMBO_BOX_H_
