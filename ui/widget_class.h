// The class identity of a component: its name, the class it derives from,
// and the properties it publishes by name.
//
// Every C++ class of the toolkit has one static descriptor; Class() of an
// object returns the descriptor of its C++ type and never depends on the
// object's state. Code that treats components by kind (the skin engine picks
// a wrapper for each control by its class, the most specific first, and asks
// "does this control have a Color?", "what type is its BorderStyle?") walks
// the ancestry and the property tables. Classes of widgets the toolkit does
// not have yet are named here too, so that tables keyed by class can be
// written against them. Portable.
//
// Thread safety: descriptors are immutable constants.
#ifndef QUILLORY_UI_WIDGET_CLASS_H_
#define QUILLORY_UI_WIDGET_CLASS_H_

#include <span>
#include <string_view>

namespace ui {

// How a property's value is carried (see TPropertyValue).
enum class TPropertyKind {
  Boolean,  // bool
  Integer,  // int64_t
  String,   // std::string, UTF-8
  Color,    // int64_t: 0x00BBGGRR, or 0x80000000 | system colour index
  Enum,     // int64_t: the ordinal of the type's enumeration
  Set,      // int64_t: bit i set when element i is in the set
  Object,   // const void*: the object (a TFont, TImageList, bitmap handle, ...), or null
};

// The type of a property, by name as code that reads properties compares
// it (a control's and a form's BorderStyle are different types).
struct TPropertyType {
  std::string_view Name;
  TPropertyKind Kind;
};

namespace types {
inline constexpr TPropertyType Boolean{"Boolean", TPropertyKind::Boolean};
inline constexpr TPropertyType Integer{"Integer", TPropertyKind::Integer};
inline constexpr TPropertyType String{"string", TPropertyKind::String};
inline constexpr TPropertyType Caption{"TCaption", TPropertyKind::String};
inline constexpr TPropertyType Color{"TColor", TPropertyKind::Color};
inline constexpr TPropertyType Font{"TFont", TPropertyKind::Object};
// TBorderStyle: 0 none, 1 single.
inline constexpr TPropertyType BorderStyle{"TBorderStyle", TPropertyKind::Enum};
// TFormBorderStyle: see TFormBorderStyle in ui/form_style.h.
inline constexpr TPropertyType FormBorderStyle{"TFormBorderStyle", TPropertyKind::Enum};
// TBorderIcons: bit 0 system menu, 1 minimise, 2 maximise, 3 help.
inline constexpr TPropertyType BorderIcons{"TBorderIcons", TPropertyKind::Set};
// TBevelEdges: bit 0 left, 1 top, 2 right, 3 bottom.
inline constexpr TPropertyType BevelEdges{"TBevelEdges", TPropertyKind::Set};
// TEdgeBorders: bit 0 left, 1 top, 2 right, 3 bottom.
inline constexpr TPropertyType EdgeBorders{"TEdgeBorders", TPropertyKind::Set};
// TTextLayout (labels): 0 top, 1 centre, 2 bottom.
inline constexpr TPropertyType TextLayout{"TTextLayout", TPropertyKind::Enum};
// TButtonLayout: 0 glyph left, 1 glyph right, 2 glyph top, 3 glyph bottom.
inline constexpr TPropertyType ButtonLayout{"TButtonLayout", TPropertyKind::Enum};
inline constexpr TPropertyType NumGlyphs{"TNumGlyphs", TPropertyKind::Integer};
inline constexpr TPropertyType Bitmap{"TBitmap", TPropertyKind::Object};
inline constexpr TPropertyType ImageList{"TCustomImageList", TPropertyKind::Object};
inline constexpr TPropertyType ImageIndex{"TImageIndex", TPropertyKind::Integer};
// TAnchors: bit 0 left, 1 top, 2 right, 3 bottom.
inline constexpr TPropertyType Anchors{"TAnchors", TPropertyKind::Set};
inline constexpr TPropertyType Constraints{"TSizeConstraints", TPropertyKind::Object};
// TWindowState: 0 normal, 1 minimised, 2 maximised.
inline constexpr TPropertyType WindowState{"TWindowState", TPropertyKind::Enum};
// TFormStyle: 0 normal, 1 MDI child, 2 MDI parent.
inline constexpr TPropertyType FormStyle{"TFormStyle", TPropertyKind::Enum};
// TPosition: 0 designed, 1 screen centre.
inline constexpr TPropertyType Position{"TPosition", TPropertyKind::Enum};
inline constexpr TPropertyType Menu{"TMainMenu", TPropertyKind::Object};
inline constexpr TPropertyType Icon{"TIcon", TPropertyKind::Object};
// TLeftRight (check boxes, radio buttons): 0 text left of the box, 1 text
// right of it.
inline constexpr TPropertyType LeftRight{"TLeftRight", TPropertyKind::Enum};
// TCheckBoxState: 0 unchecked, 1 checked, 2 grayed.
inline constexpr TPropertyType CheckBoxState{"TCheckBoxState", TPropertyKind::Enum};
// TComboBoxStyle: 0 simple, 1 drop-down, 2 drop-down list.
inline constexpr TPropertyType ComboBoxStyle{"TComboBoxStyle", TPropertyKind::Enum};
// TOrientation (track bars, progress bars, up-downs): 0 horizontal, 1 vertical.
inline constexpr TPropertyType Orientation{"TOrientation", TPropertyKind::Enum};
// TScrollBarKind: 0 horizontal, 1 vertical.
inline constexpr TPropertyType ScrollBarKind{"TScrollBarKind", TPropertyKind::Enum};
// TScrollStyle (memos): 0 none, 1 horizontal, 2 vertical, 3 both.
inline constexpr TPropertyType ScrollStyle{"TScrollStyle", TPropertyKind::Enum};
// TTabPosition: 0 top, 1 bottom, 2 left, 3 right.
inline constexpr TPropertyType TabPosition{"TTabPosition", TPropertyKind::Enum};
// TPanelBevel: 0 none, 1 lowered, 2 raised.
inline constexpr TPropertyType PanelBevel{"TPanelBevel", TPropertyKind::Enum};
// TDateTimeKind: 0 date, 1 time. TDTDateMode: 0 calendar drop-down, 1 up-down.
inline constexpr TPropertyType DateTimeKind{"TDateTimeKind", TPropertyKind::Enum};
inline constexpr TPropertyType DateMode{"TDTDateMode", TPropertyKind::Enum};
// TViewStyle (list views): 0 icons, 1 small icons, 2 list, 3 report.
inline constexpr TPropertyType ViewStyle{"TViewStyle", TPropertyKind::Enum};
}  // namespace types

struct TPropertyInfo {
  std::string_view Name;
  const TPropertyType* Type;
};

struct TWidgetClass {
  std::string_view Name;       // e.g. "TButton"
  const TWidgetClass* Parent;  // nullptr for the root "TComponent"
  // The properties this class adds to its parent's.
  std::span<const TPropertyInfo> Properties = {};

  // True when this class is AOther or derives from it.
  constexpr bool InheritsFrom(const TWidgetClass& AOther) const {
    for (const TWidgetClass* c = this; c; c = c->Parent) {
      if (c == &AOther) return true;
    }
    return false;
  }

  // True when this class or one of its ancestors is named AName.
  bool InheritsFrom(std::string_view AName) const;

  // How many steps this class is away from the root (the root is 0); the
  // larger, the more specific.
  constexpr int Depth() const {
    int depth = 0;
    for (const TWidgetClass* c = Parent; c; c = c->Parent) ++depth;
    return depth;
  }

  // The property AName of this class or an ancestor (the nearest wins), or
  // nullptr. Names compare exactly.
  const TPropertyInfo* FindProperty(std::string_view AName) const;
};

// The class named AName among all classes of the toolkit, or nullptr.
const TWidgetClass* FindClass(std::string_view AName);
// Every class of the toolkit, ancestors before descendants.
std::span<const TWidgetClass* const> AllClasses();

// The class tree. Abstract kinds are named "TCustom..." so that what is
// chosen for a kind also serves the concrete classes below it. Classes of
// widgets that do not exist yet are marked "(no widget yet)".
namespace classes {
namespace props {
using P = TPropertyInfo;
inline constexpr P Component[] = {{"Name", &types::String}, {"Tag", &types::Integer}};
inline constexpr P Control[] = {{"Enabled", &types::Boolean},
                                {"Visible", &types::Boolean},
                                {"Color", &types::Color},
                                {"ParentColor", &types::Boolean},
                                {"Font", &types::Font},
                                {"ParentFont", &types::Boolean},
                                {"Caption", &types::Caption},
                                {"Anchors", &types::Anchors},
                                {"Constraints", &types::Constraints}};
inline constexpr P WinControl[] = {{"TabStop", &types::Boolean},
                                   {"DoubleBuffered", &types::Boolean},
                                   {"BevelEdges", &types::BevelEdges}};
inline constexpr P ScrollingWinControl[] = {{"AutoScroll", &types::Boolean}};
inline constexpr P CustomForm[] = {{"BorderStyle", &types::FormBorderStyle},
                                   {"BorderIcons", &types::BorderIcons},
                                   {"WindowState", &types::WindowState},
                                   {"Icon", &types::Icon},
                                   {"ClientWidth", &types::Integer},
                                   {"ClientHeight", &types::Integer},
                                   {"Position", &types::Position},
                                   {"FormStyle", &types::FormStyle},
                                   {"Menu", &types::Menu}};
inline constexpr P BorderedControl[] = {{"BorderStyle", &types::BorderStyle}};
inline constexpr P CustomEdit[] = {
    {"BorderStyle", &types::BorderStyle}, {"ReadOnly", &types::Boolean}, {"Text", &types::String}};
inline constexpr P Memo[] = {{"WordWrap", &types::Boolean}, {"ScrollBars", &types::ScrollStyle}};
inline constexpr P ButtonControl[] = {{"WordWrap", &types::Boolean}};
inline constexpr P ImageButton[] = {{"Images", &types::ImageList},
                                    {"ImageIndex", &types::ImageIndex},
                                    {"ImageVisible", &types::Boolean}};
inline constexpr P GlyphButton[] = {{"Glyph", &types::Bitmap},
                                    {"NumGlyphs", &types::NumGlyphs},
                                    {"Layout", &types::ButtonLayout},
                                    {"Margin", &types::Integer},
                                    {"Spacing", &types::Integer}};
inline constexpr P SpeedButton[] = {
    {"Glyph", &types::Bitmap},        {"NumGlyphs", &types::NumGlyphs},
    {"Layout", &types::ButtonLayout}, {"Margin", &types::Integer},
    {"Spacing", &types::Integer},     {"Flat", &types::Boolean},
    {"Transparent", &types::Boolean}, {"Down", &types::Boolean},
    {"GroupIndex", &types::Integer},  {"AllowAllUp", &types::Boolean}};
inline constexpr P CustomLabel[] = {{"Transparent", &types::Boolean},
                                    {"WordWrap", &types::Boolean},
                                    {"Layout", &types::TextLayout}};
inline constexpr P Image[] = {{"Transparent", &types::Boolean}};
inline constexpr P CustomTabControl[] = {{"Images", &types::ImageList}};
inline constexpr P ToolBar[] = {
    {"Flat", &types::Boolean}, {"EdgeBorders", &types::EdgeBorders}, {"Images", &types::ImageList}};
inline constexpr P CustomGrid[] = {{"BorderStyle", &types::BorderStyle},
                                   {"FixedColor", &types::Color}};
inline constexpr P CustomCheckBox[] = {{"Alignment", &types::LeftRight},
                                       {"AllowGrayed", &types::Boolean},
                                       {"Checked", &types::Boolean},
                                       {"State", &types::CheckBoxState}};
inline constexpr P RadioButton[] = {{"Alignment", &types::LeftRight}, {"Checked", &types::Boolean}};
inline constexpr P CustomCombo[] = {{"ItemIndex", &types::Integer}, {"Text", &types::String}};
inline constexpr P CustomComboBox[] = {{"Style", &types::ComboBoxStyle}};
inline constexpr P CustomComboBoxEx[] = {{"Style", &types::ComboBoxStyle},
                                         {"Images", &types::ImageList}};
inline constexpr P CustomListBox[] = {{"BorderStyle", &types::BorderStyle},
                                      {"ItemIndex", &types::Integer}};
inline constexpr P CustomListView[] = {{"BorderStyle", &types::BorderStyle},
                                       {"ViewStyle", &types::ViewStyle},
                                       {"SmallImages", &types::ImageList},
                                       {"ItemIndex", &types::Integer}};
inline constexpr P CustomTreeView[] = {{"BorderStyle", &types::BorderStyle},
                                       {"Images", &types::ImageList}};
inline constexpr P CustomMaskEdit[] = {{"EditMask", &types::String}};
inline constexpr P CustomPanel[] = {{"BorderStyle", &types::BorderStyle},
                                    {"BevelOuter", &types::PanelBevel},
                                    {"BevelInner", &types::PanelBevel},
                                    {"BevelWidth", &types::Integer}};
inline constexpr P Range[] = {{"Min", &types::Integer},
                              {"Max", &types::Integer},
                              {"Position", &types::Integer},
                              {"Orientation", &types::Orientation}};
inline constexpr P TrackBar[] = {{"Min", &types::Integer},
                                 {"Max", &types::Integer},
                                 {"Position", &types::Integer},
                                 {"Orientation", &types::Orientation},
                                 {"Frequency", &types::Integer}};
inline constexpr P ScrollBar[] = {
    {"Kind", &types::ScrollBarKind},  {"Min", &types::Integer},
    {"Max", &types::Integer},         {"Position", &types::Integer},
    {"SmallChange", &types::Integer}, {"LargeChange", &types::Integer}};
inline constexpr P CustomHotKey[] = {{"HotKey", &types::Integer}};
inline constexpr P CustomStatusBar[] = {{"SimplePanel", &types::Boolean},
                                        {"SizeGrip", &types::Boolean}};
inline constexpr P DateTimePicker[] = {{"Kind", &types::DateTimeKind},
                                       {"DateMode", &types::DateMode}};
inline constexpr P PageControl[] = {{"TabPosition", &types::TabPosition},
                                    {"MultiLine", &types::Boolean}};
inline constexpr P TabControl[] = {{"TabPosition", &types::TabPosition},
                                   {"MultiLine", &types::Boolean},
                                   {"TabIndex", &types::Integer}};
inline constexpr P StringGrid[] = {
    {"ColCount", &types::Integer},        {"RowCount", &types::Integer},
    {"FixedCols", &types::Integer},       {"FixedRows", &types::Integer},
    {"DefaultColWidth", &types::Integer}, {"DefaultRowHeight", &types::Integer}};
inline constexpr P Menu[] = {{"Images", &types::ImageList}};
}  // namespace props

using C = TWidgetClass;
inline constexpr C Component{"TComponent", nullptr, props::Component};
// Non-visual components.
inline constexpr C Menu{"TMenu", &Component, props::Menu};
inline constexpr C MainMenu{"TMainMenu", &Menu};
inline constexpr C PopupMenu{"TPopupMenu", &Menu};
inline constexpr C MenuItem{"TMenuItem", &Component};
inline constexpr C CustomImageList{"TCustomImageList", &Component};
inline constexpr C ImageList{"TImageList", &CustomImageList};
inline constexpr C Application{"TApplication", &Component};

inline constexpr C Control{"TControl", &Component, props::Control};
// Controls without a window of their own in the class sense; the toolkit
// still gives them one, see TWidget.
inline constexpr C GraphicControl{"TGraphicControl", &Control};
inline constexpr C CustomLabel{"TCustomLabel", &GraphicControl, props::CustomLabel};
inline constexpr C Label{"TLabel", &CustomLabel};
inline constexpr C Image{"TImage", &GraphicControl, props::Image};
inline constexpr C SpeedButton{"TSpeedButton", &GraphicControl, props::SpeedButton};
inline constexpr C Bevel{"TBevel", &GraphicControl};
inline constexpr C ZelForm{"TzelForm", &GraphicControl};        // marks a form's frame undrawn
inline constexpr C RollShadow{"TRollShadow", &GraphicControl};  // skipped by wrappers

inline constexpr C WinControl{"TWinControl", &Control, props::WinControl};
inline constexpr C ScrollingWinControl{"TScrollingWinControl", &WinControl,
                                       props::ScrollingWinControl};
inline constexpr C CustomForm{"TCustomForm", &ScrollingWinControl, props::CustomForm};
inline constexpr C Form{"TForm", &CustomForm};
inline constexpr C MessageForm{"TMessageForm", &CustomForm};  // (no widget yet)
inline constexpr C CustomFrame{"TCustomFrame", &ScrollingWinControl};
inline constexpr C Frame{"TFrame", &CustomFrame};
inline constexpr C ScrollBox{"TScrollBox", &ScrollingWinControl, props::BorderedControl};

inline constexpr C CustomControl{"TCustomControl", &WinControl};
inline constexpr C CustomPanel{"TCustomPanel", &CustomControl, props::CustomPanel};
inline constexpr C Panel{"TPanel", &CustomPanel};
inline constexpr C CustomGroupBox{"TCustomGroupBox", &CustomControl};
inline constexpr C GroupBox{"TGroupBox", &CustomGroupBox};
inline constexpr C CustomGrid{"TCustomGrid", &CustomControl, props::CustomGrid};
inline constexpr C DrawGrid{"TDrawGrid", &CustomGrid};  // (no widget yet)
inline constexpr C StringGrid{"TStringGrid", &DrawGrid, props::StringGrid};

inline constexpr C CustomListControl{"TCustomListControl", &WinControl};
inline constexpr C CustomListBox{"TCustomListBox", &CustomListControl, props::CustomListBox};
inline constexpr C ListBox{"TListBox", &CustomListBox};
inline constexpr C CustomCombo{"TCustomCombo", &CustomListControl, props::CustomCombo};
inline constexpr C CustomComboBox{"TCustomComboBox", &CustomCombo, props::CustomComboBox};
inline constexpr C ComboBox{"TComboBox", &CustomComboBox};
inline constexpr C CustomComboBoxEx{"TCustomComboBoxEx", &CustomCombo, props::CustomComboBoxEx};
inline constexpr C ComboBoxEx{"TComboBoxEx", &CustomComboBoxEx};
inline constexpr C CustomListView{"TCustomListView", &CustomListControl, props::CustomListView};
inline constexpr C ListView{"TListView", &CustomListView};
inline constexpr C CustomTreeView{"TCustomTreeView", &WinControl, props::CustomTreeView};
inline constexpr C TreeView{"TTreeView", &CustomTreeView};

inline constexpr C CustomEdit{"TCustomEdit", &WinControl, props::CustomEdit};
inline constexpr C Edit{"TEdit", &CustomEdit};
inline constexpr C CustomMemo{"TCustomMemo", &CustomEdit, props::Memo};
inline constexpr C Memo{"TMemo", &CustomMemo};
inline constexpr C CustomMaskEdit{"TCustomMaskEdit", &CustomEdit, props::CustomMaskEdit};
inline constexpr C MaskEdit{"TMaskEdit", &CustomMaskEdit};
inline constexpr C CustomLabeledEdit{"TCustomLabeledEdit", &CustomEdit};
inline constexpr C LabeledEdit{"TLabeledEdit", &CustomLabeledEdit};
inline constexpr C SpinEdit{"TSpinEdit", &CustomEdit};

inline constexpr C ButtonControl{"TButtonControl", &WinControl, props::ButtonControl};
inline constexpr C CustomButton{"TCustomButton", &ButtonControl, props::ImageButton};
inline constexpr C Button{"TButton", &CustomButton};
inline constexpr C BitBtn{"TBitBtn", &Button, props::GlyphButton};
inline constexpr C CustomCheckBox{"TCustomCheckBox", &ButtonControl, props::CustomCheckBox};
inline constexpr C CheckBox{"TCheckBox", &CustomCheckBox};
inline constexpr C RadioButton{"TRadioButton", &ButtonControl, props::RadioButton};

inline constexpr C CustomTabControl{"TCustomTabControl", &WinControl, props::CustomTabControl};
inline constexpr C TabControl{"TTabControl", &CustomTabControl, props::TabControl};
inline constexpr C PageControl{"TPageControl", &CustomTabControl, props::PageControl};
inline constexpr C TabSheet{"TTabSheet", &WinControl};
inline constexpr C TabPage{"TTabPage", &WinControl};  // (no widget yet)

inline constexpr C CustomUpDown{"TCustomUpDown", &WinControl};
inline constexpr C UpDown{"TUpDown", &CustomUpDown};
inline constexpr C ZelSkinInternalUpDown{"TzelSkinInternalUpDown", &CustomUpDown};  // skipped
inline constexpr C CustomHotKey{"TCustomHotKey", &WinControl, props::CustomHotKey};
inline constexpr C HotKey{"THotKey", &CustomHotKey};
inline constexpr C ProgressBar{"TProgressBar", &WinControl, props::Range};
inline constexpr C TrackBar{"TTrackBar", &WinControl, props::TrackBar};
inline constexpr C ScrollBar{"TScrollBar", &WinControl, props::ScrollBar};
inline constexpr C CustomStatusBar{"TCustomStatusBar", &WinControl, props::CustomStatusBar};
inline constexpr C StatusBar{"TStatusBar", &CustomStatusBar};
inline constexpr C CommonCalendar{"TCommonCalendar", &WinControl};
inline constexpr C DateTimePicker{"TDateTimePicker", &CommonCalendar, props::DateTimePicker};
inline constexpr C ToolWindow{"TToolWindow", &WinControl, props::ToolBar};
inline constexpr C ToolBar{"TToolBar", &ToolWindow};
inline constexpr C CoolBar{"TCoolBar", &ToolWindow};
inline constexpr C DBLookupComboBox{"TDBLookupComboBox", &CustomControl};  // skipped by wrappers
}  // namespace classes

}  // namespace ui

#endif  // QUILLORY_UI_WIDGET_CLASS_H_
