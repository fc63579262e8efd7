// The class identity of a widget: its name and the class it derives from.
//
// Code that treats widgets by kind (the skin engine picks a wrapper for each
// widget by its class, the most specific first) asks a widget for its
// TWidgetClass and walks the ancestry. Portable.
//
// Thread safety: descriptors are immutable constants.
#ifndef QUILLORY_UI_WIDGET_CLASS_H_
#define QUILLORY_UI_WIDGET_CLASS_H_

#include <string_view>

namespace ui {

struct TWidgetClass {
  std::string_view Name;       // e.g. "TButton"
  const TWidgetClass* Parent;  // nullptr for the root "TWidget"

  // True when this class is AOther or derives from it.
  bool InheritsFrom(const TWidgetClass& AOther) const {
    for (const TWidgetClass* c = this; c; c = c->Parent) {
      if (c == &AOther) return true;
    }
    return false;
  }

  // How many steps this class is away from the root (the root is 0); the
  // larger, the more specific.
  int Depth() const {
    int depth = 0;
    for (const TWidgetClass* c = Parent; c; c = c->Parent) ++depth;
    return depth;
  }
};

// The class tree of the toolkit. Abstract kinds are named "TCustom..." so
// that a wrapper chosen for a kind also serves the concrete widgets below it.
namespace classes {
inline constexpr TWidgetClass Widget{"TWidget", nullptr};
inline constexpr TWidgetClass WinControl{"TWinControl", &Widget};
inline constexpr TWidgetClass CustomForm{"TCustomForm", &WinControl};
inline constexpr TWidgetClass Form{"TForm", &CustomForm};
inline constexpr TWidgetClass CustomTabControl{"TCustomTabControl", &WinControl};
inline constexpr TWidgetClass PageControl{"TPageControl", &CustomTabControl};
inline constexpr TWidgetClass TabSheet{"TTabSheet", &WinControl};
inline constexpr TWidgetClass CustomLabel{"TCustomLabel", &Widget};
inline constexpr TWidgetClass Label{"TLabel", &CustomLabel};
inline constexpr TWidgetClass CustomEdit{"TCustomEdit", &WinControl};
inline constexpr TWidgetClass Edit{"TEdit", &CustomEdit};
inline constexpr TWidgetClass LabeledEdit{"TLabeledEdit", &Edit};
inline constexpr TWidgetClass SpinEdit{"TSpinEdit", &CustomEdit};
inline constexpr TWidgetClass CustomUpDown{"TCustomUpDown", &WinControl};
inline constexpr TWidgetClass UpDown{"TUpDown", &CustomUpDown};
inline constexpr TWidgetClass CustomButton{"TCustomButton", &WinControl};
inline constexpr TWidgetClass Button{"TButton", &CustomButton};
inline constexpr TWidgetClass BitBtn{"TBitBtn", &Button};
inline constexpr TWidgetClass GraphicControl{"TGraphicControl", &Widget};
inline constexpr TWidgetClass Image{"TImage", &GraphicControl};
}  // namespace classes

}  // namespace ui

#endif  // QUILLORY_UI_WIDGET_CLASS_H_
