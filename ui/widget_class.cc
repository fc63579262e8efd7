#include "ui/widget_class.h"

#include <algorithm>

namespace ui {
namespace {

using namespace classes;

// Ancestors before descendants.
constexpr const TWidgetClass* kAll[] = {&Component,
                                        &Menu,
                                        &MainMenu,
                                        &PopupMenu,
                                        &MenuItem,
                                        &CustomImageList,
                                        &ImageList,
                                        &Application,
                                        &Control,
                                        &GraphicControl,
                                        &CustomLabel,
                                        &Label,
                                        &Image,
                                        &SpeedButton,
                                        &Bevel,
                                        &ZelForm,
                                        &RollShadow,
                                        &WinControl,
                                        &ScrollingWinControl,
                                        &CustomForm,
                                        &Form,
                                        &MessageForm,
                                        &CustomFrame,
                                        &Frame,
                                        &ScrollBox,
                                        &CustomControl,
                                        &CustomPanel,
                                        &Panel,
                                        &CustomGroupBox,
                                        &GroupBox,
                                        &CustomGrid,
                                        &DrawGrid,
                                        &StringGrid,
                                        &CustomListControl,
                                        &CustomListBox,
                                        &ListBox,
                                        &CustomCombo,
                                        &CustomComboBox,
                                        &ComboBox,
                                        &CustomComboBoxEx,
                                        &ComboBoxEx,
                                        &CustomListView,
                                        &ListView,
                                        &CustomTreeView,
                                        &TreeView,
                                        &CustomEdit,
                                        &Edit,
                                        &CustomMemo,
                                        &Memo,
                                        &CustomMaskEdit,
                                        &MaskEdit,
                                        &CustomLabeledEdit,
                                        &LabeledEdit,
                                        &SpinEdit,
                                        &ButtonControl,
                                        &CustomButton,
                                        &Button,
                                        &BitBtn,
                                        &CustomCheckBox,
                                        &CheckBox,
                                        &RadioButton,
                                        &CustomTabControl,
                                        &TabControl,
                                        &PageControl,
                                        &TabSheet,
                                        &TabPage,
                                        &CustomUpDown,
                                        &UpDown,
                                        &ZelSkinInternalUpDown,
                                        &CustomHotKey,
                                        &HotKey,
                                        &ProgressBar,
                                        &TrackBar,
                                        &ScrollBar,
                                        &CustomStatusBar,
                                        &StatusBar,
                                        &CommonCalendar,
                                        &DateTimePicker,
                                        &ToolWindow,
                                        &ToolBar,
                                        &CoolBar,
                                        &DBLookupComboBox};

}  // namespace

bool TWidgetClass::InheritsFrom(std::string_view AName) const {
  for (const TWidgetClass* c = this; c; c = c->Parent) {
    if (c->Name == AName) return true;
  }
  return false;
}

const TPropertyInfo* TWidgetClass::FindProperty(std::string_view AName) const {
  for (const TWidgetClass* c = this; c; c = c->Parent) {
    for (const TPropertyInfo& info : c->Properties) {
      if (info.Name == AName) return &info;
    }
  }
  return nullptr;
}

const TWidgetClass* FindClass(std::string_view AName) {
  for (const TWidgetClass* c : AllClasses()) {
    if (c->Name == AName) return c;
  }
  return nullptr;
}

std::span<const TWidgetClass* const> AllClasses() {
  return kAll;
}

}  // namespace ui
