#include "ui/widget_class.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ui {
namespace {

TEST(WidgetClass, AncestryFollowsTheClassTree) {
  EXPECT_TRUE(classes::LabeledEdit.InheritsFrom(classes::CustomEdit));
  EXPECT_TRUE(classes::BitBtn.InheritsFrom(classes::CustomButton));
  EXPECT_TRUE(classes::PageControl.InheritsFrom(classes::CustomTabControl));
  EXPECT_TRUE(classes::Label.InheritsFrom(classes::GraphicControl));
  EXPECT_TRUE(classes::Image.InheritsFrom(classes::GraphicControl));
  EXPECT_TRUE(classes::ComboBox.InheritsFrom(classes::CustomListControl));
  EXPECT_TRUE(classes::Form.InheritsFrom("TScrollingWinControl"));
  EXPECT_FALSE(classes::CustomEdit.InheritsFrom(classes::LabeledEdit));
  EXPECT_FALSE(classes::Label.InheritsFrom(classes::WinControl));
  EXPECT_FALSE(classes::Button.InheritsFrom(classes::BitBtn));
  EXPECT_GT(classes::LabeledEdit.Depth(), classes::Edit.Depth());
  EXPECT_EQ(classes::Component.Depth(), 0);
}

TEST(WidgetClass, FindClassKnowsEveryClassOnceWithItsAncestorsFirst) {
  std::set<std::string_view> seen;
  for (const TWidgetClass* c : AllClasses()) {
    EXPECT_TRUE(seen.insert(c->Name).second) << c->Name;
    if (c->Parent) {
      EXPECT_TRUE(seen.count(c->Parent->Name)) << c->Name;
    }
    EXPECT_EQ(FindClass(c->Name), c);
  }
  EXPECT_EQ(FindClass("TNoSuchControl"), nullptr);
  EXPECT_EQ(FindClass("tbutton"), nullptr);  // names compare exactly
}

// Every control class of the skin engine's wrapper table, and the classes
// its skip rules ask about, is in the tree with the right kind.
TEST(WidgetClass, TreeNamesEveryClassTheSkinEngineAsksAbout) {
  const struct {
    const char* Name;
    const char* Kind;
  } cases[] = {
      {"TCustomControl", "TWinControl"},
      {"TCustomFrame", "TScrollingWinControl"},
      {"TScrollBox", "TScrollingWinControl"},
      {"TCoolBar", "TWinControl"},
      {"TToolBar", "TWinControl"},
      {"TCustomStatusBar", "TWinControl"},
      {"TDateTimePicker", "TWinControl"},
      {"TCustomTreeView", "TWinControl"},
      {"TCustomUpDown", "TWinControl"},
      {"TCustomHotKey", "TWinControl"},
      {"TProgressBar", "TWinControl"},
      {"TTrackBar", "TWinControl"},
      {"TCustomTabControl", "TWinControl"},
      {"TCustomGrid", "TCustomControl"},
      {"TSpeedButton", "TGraphicControl"},
      {"TCustomPanel", "TCustomControl"},
      {"TCustomGroupBox", "TCustomControl"},
      {"TScrollBar", "TWinControl"},
      {"TCustomListControl", "TWinControl"},
      {"TCustomListView", "TCustomListControl"},
      {"TRadioButton", "TButtonControl"},
      {"TCustomComboBox", "TCustomListControl"},
      {"TCustomComboBoxEx", "TCustomListControl"},
      {"TCustomCheckBox", "TButtonControl"},
      {"TCustomEdit", "TWinControl"},
      {"TCustomButton", "TButtonControl"},
      {"TCustomLabel", "TGraphicControl"},
      {"TzelForm", "TControl"},
      {"TzelSkinInternalUpDown", "TCustomUpDown"},
      {"TRollShadow", "TControl"},
      {"TDBLookupComboBox", "TWinControl"},
      {"TForm", "TCustomForm"},
      {"TMessageForm", "TCustomForm"},
      {"TTabPage", "TWinControl"},
      {"TSpinEdit", "TCustomEdit"},
      {"TMemo", "TCustomEdit"},
  };
  for (const auto& c : cases) {
    const TWidgetClass* found = FindClass(c.Name);
    ASSERT_NE(found, nullptr) << c.Name;
    EXPECT_TRUE(found->InheritsFrom(c.Kind)) << c.Name << " is no " << c.Kind;
  }
  // A combo box is a list control, but the more specific class wins: it is
  // deeper than TCustomListControl.
  EXPECT_GT(FindClass("TCustomComboBox")->Depth(), FindClass("TCustomListControl")->Depth());
}

// Class x property: presence and type, as the skin engine asks.
TEST(WidgetClass, PropertiesByNameWithTheirTypes) {
  const struct {
    const TWidgetClass* Class;
    const char* Property;
    const char* Type;  // nullptr: the class has no such property
  } cases[] = {
      {&classes::Edit, "BorderStyle", "TBorderStyle"},
      {&classes::Form, "BorderStyle", "TFormBorderStyle"},
      {&classes::Button, "BorderStyle", nullptr},
      {&classes::Label, "Color", "TColor"},
      {&classes::Label, "ParentColor", "Boolean"},
      {&classes::Label, "Transparent", "Boolean"},
      {&classes::Label, "WordWrap", "Boolean"},
      {&classes::Label, "Layout", "TTextLayout"},
      {&classes::BitBtn, "Layout", "TButtonLayout"},
      {&classes::BitBtn, "Margin", "Integer"},
      {&classes::BitBtn, "Spacing", "Integer"},
      {&classes::BitBtn, "NumGlyphs", "TNumGlyphs"},
      {&classes::BitBtn, "Glyph", "TBitmap"},
      {&classes::Button, "Glyph", nullptr},
      {&classes::Button, "Images", "TCustomImageList"},
      {&classes::Button, "ImageIndex", "TImageIndex"},
      {&classes::Button, "ImageVisible", "Boolean"},
      {&classes::Button, "Font", "TFont"},
      {&classes::Button, "Caption", "TCaption"},
      {&classes::Edit, "Text", "string"},
      {&classes::Edit, "ReadOnly", "Boolean"},
      {&classes::Memo, "WordWrap", "Boolean"},
      {&classes::CustomPanel, "BevelEdges", "TBevelEdges"},
      {&classes::ToolBar, "EdgeBorders", "TEdgeBorders"},
      {&classes::ToolBar, "Flat", "Boolean"},
      {&classes::SpeedButton, "Flat", "Boolean"},
      {&classes::StringGrid, "FixedColor", "TColor"},
      {&classes::ScrollBox, "AutoScroll", "Boolean"},
      {&classes::Form, "AutoScroll", "Boolean"},
      {&classes::Form, "BorderIcons", "TBorderIcons"},
      {&classes::Form, "Menu", "TMainMenu"},
      {&classes::Edit, "Anchors", "TAnchors"},
      {&classes::Edit, "Constraints", "TSizeConstraints"},
      {&classes::Edit, "TabStop", "Boolean"},
      {&classes::TabSheet, "DoubleBuffered", "Boolean"},
      {&classes::Label, "TabStop", nullptr},  // graphic controls take no focus
      {&classes::Image, "Name", "string"},
      {&classes::Image, "Tag", "Integer"},
      {&classes::ImageList, "Color", nullptr},
      {&classes::MainMenu, "Images", "TCustomImageList"},
  };
  for (const auto& c : cases) {
    const TPropertyInfo* info = c.Class->FindProperty(c.Property);
    if (!c.Type) {
      EXPECT_EQ(info, nullptr) << c.Class->Name << "." << c.Property;
      continue;
    }
    ASSERT_NE(info, nullptr) << c.Class->Name << "." << c.Property;
    EXPECT_EQ(info->Type->Name, c.Type) << c.Class->Name << "." << c.Property;
  }
  EXPECT_NE(classes::Edit.FindProperty("BorderStyle")->Type,
            classes::Form.FindProperty("BorderStyle")->Type);
}

}  // namespace
}  // namespace ui
