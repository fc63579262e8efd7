// The gallery's first pages: buttons and boxes, lists, text fields.
#include "gallery/gallery_form.h"
#include "gallery/pictures.h"
#include "gallery/report.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/combo_box_ex.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/hot_key.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/mask_edit.h"
#include "ui/memo.h"
#include "ui/panel.h"
#include "ui/radio_button.h"
#include "ui/speed_button.h"
#include "ui/tree_view.h"

namespace gallery {
namespace {

// Each click tells whether the button is down afterwards.
void ReportSpeedButton(ui::TSpeedButton& AButton) {
  AButton.OnClick = [&AButton] {
    Report("Speed button " + AButton.Caption() + (AButton.Down() ? ": down" : ": up"));
  };
}

}  // namespace

using ui::TWidgetArgs;

void TGalleryForm::BuildButtonsPage() {
  ui::TTabSheet& page = AddPage("Buttons");
  auto& push = Add<ui::TGroupBox>(TWidgetArgs{&page, 10, 8, 240, 170, "Push buttons"});
  Add<ui::TButton>(ui::TButtonArgs{{&push, 16, 24, 200, 28, "&Enabled button"}});
  Add<ui::TButton>(ui::TButtonArgs{{&push, 16, 60, 200, 28, "Disabled button"}}).SetEnabled(false);
  Add<ui::TBitBtn>(
      ui::TButtonArgs{{&push, 16, 96, 200, 28, "Button with a picture"}, &FSmallImages, 1});

  auto& checks = Add<ui::TGroupBox>(TWidgetArgs{&page, 260, 8, 250, 170, "Check boxes"});
  Add<ui::TCheckBox>(ui::TCheckBoxArgs{{&checks, 16, 22, 220, 20, "&Unchecked"}});
  Add<ui::TCheckBox>(
      ui::TCheckBoxArgs{{&checks, 16, 44, 220, 20, "C&hecked"}, ui::TCheckBoxState::Checked});
  Add<ui::TCheckBox>(ui::TCheckBoxArgs{{&checks, 16, 66, 220, 20, "&Grayed allowed", 0, "cbGrayed"},
                                       ui::TCheckBoxState::Grayed,
                                       true});
  Add<ui::TCheckBox>(ui::TCheckBoxArgs{{&checks, 16, 88, 220, 20, "Disabled, checked"},
                                       ui::TCheckBoxState::Checked})
      .SetEnabled(false);
  Add<ui::TCheckBox>(ui::TCheckBoxArgs{{&checks, 16, 110, 220, 20, "Disabled, grayed"},
                                       ui::TCheckBoxState::Grayed,
                                       true})
      .SetEnabled(false);
  Add<ui::TCheckBox>(ui::TCheckBoxArgs{{&checks, 16, 132, 220, 20, "&Text on the left"},
                                       ui::TCheckBoxState::Checked,
                                       false,
                                       ui::TLeftRight::LeftJustify});

  auto& colours = Add<ui::TGroupBox>(TWidgetArgs{&page, 520, 8, 250, 110, "Colour (radio group)"});
  const char* colour_names[] = {"&Red", "Gree&n", "B&lue"};
  for (int i = 0; i < 3; ++i) {
    Add<ui::TRadioButton>(ui::TRadioButtonArgs{
        {&colours, 16, 22 + i * 24, 200, 20, colour_names[i]}, i == 0, i == 0});
  }
  auto& sizes = Add<ui::TGroupBox>(TWidgetArgs{&page, 520, 126, 250, 110, "Size (radio group)"});
  const char* size_names[] = {"&Small", "&Medium", "Large (disabled)"};
  for (int i = 0; i < 3; ++i) {
    auto& radio = Add<ui::TRadioButton>(
        ui::TRadioButtonArgs{{&sizes, 16, 22 + i * 24, 200, 20, size_names[i]},
                             i == 1,
                             i == 0,
                             ui::TLeftRight::RightJustify});
    if (i == 2) radio.SetEnabled(false);
  }

  using ui::TPanelBevel;
  struct {
    const char* Caption;
    TPanelBevel Outer;
    TPanelBevel Inner;
    bool Single;
  } panels[] = {{"Raised", TPanelBevel::Raised, TPanelBevel::None, false},
                {"Lowered", TPanelBevel::Lowered, TPanelBevel::None, false},
                {"Raised and lowered", TPanelBevel::Raised, TPanelBevel::Lowered, false},
                {"Single border", TPanelBevel::None, TPanelBevel::None, true}};
  for (int i = 0; i < 4; ++i) {
    Add<ui::TPanel>(ui::TPanelArgs{{&page, 10 + i * 190, 250, 180, 60, panels[i].Caption},
                                   panels[i].Outer,
                                   panels[i].Inner,
                                   2,
                                   panels[i].Single});
  }

  // Bit buttons: a strip of two glyphs (up, disabled), in each layout.
  FBitmaps.push_back(MakeGlyphStrip(16, 16, 2));
  HBITMAP strip = FBitmaps.back().Get();
  using ui::TButtonLayout;
  struct {
    const char* Caption;
    TButtonLayout Layout;
    int Margin, Spacing;
    bool Enabled;
  } bits[] = {{"Glyph left", TButtonLayout::GlyphLeft, -1, 4, true},
              {"Glyph right", TButtonLayout::GlyphRight, -1, 4, true},
              {"Glyph top", TButtonLayout::GlyphTop, -1, 2, true},
              {"Glyph bottom", TButtonLayout::GlyphBottom, -1, 2, true},
              {"Margin 4", TButtonLayout::GlyphLeft, 4, 4, true},
              {"Disabled", TButtonLayout::GlyphLeft, -1, 4, false}};
  for (int i = 0; i < 6; ++i) {
    auto& bit = Add<ui::TBitBtn>(ui::TButtonArgs{
        {&page, 10 + i * 128, 324, 120, i == 2 || i == 3 ? 48 : 30, bits[i].Caption}});
    bit.SetGlyph(strip, 2);
    bit.SetProperty("Layout", static_cast<int64_t>(bits[i].Layout));
    bit.SetProperty("Margin", int64_t{bits[i].Margin});
    bit.SetProperty("Spacing", int64_t{bits[i].Spacing});
    bit.SetEnabled(bits[i].Enabled);
  }

  // Speed buttons: a group (one down at a time), flat ones, one that may
  // come up again, a disabled one.
  FBitmaps.push_back(MakeGlyphStrip(16, 16, 4));
  HBITMAP four = FBitmaps.back().Get();
  const char* group[] = {"Left", "Centre", "Right"};
  for (int i = 0; i < 3; ++i) {
    auto& button = Add<ui::TSpeedButton>(
        ui::TSpeedButtonArgs{.Widget = {&page, 10 + i * 74, 390, 72, 26, group[i]},
                             .Glyph = four,
                             .NumGlyphs = 4,
                             .GroupIndex = 1,
                             .Down = i == 0});
    ReportSpeedButton(button);
  }
  for (int i = 0; i < 3; ++i) {
    Add<ui::TSpeedButton>(ui::TSpeedButtonArgs{.Widget = {&page, 250 + i * 30, 390, 26, 26, ""},
                                               .Glyph = four,
                                               .NumGlyphs = 4,
                                               .Flat = true});
  }
  ReportSpeedButton(Add<ui::TSpeedButton>(
      ui::TSpeedButtonArgs{.Widget = {&page, 350, 390, 110, 26, "All up allowed"},
                           .Flat = true,
                           .GroupIndex = 2,
                           .Down = true,
                           .AllowAllUp = true}));
  Add<ui::TSpeedButton>(ui::TSpeedButtonArgs{.Widget = {&page, 470, 390, 100, 26, "Disabled"},
                                             .Glyph = four,
                                             .NumGlyphs = 4})
      .SetEnabled(false);
}

void TGalleryForm::BuildListsPage() {
  ui::TTabSheet& page = AddPage("Lists");
  std::vector<std::string> rows;
  for (int i = 1; i <= 30; ++i) rows.push_back("List item " + std::to_string(i));
  Add<ui::TListBox>(ui::TListBoxArgs{{&page, 10, 8, 160, 220, "", 0, "lbItems"}, rows, 2});
  Add<ui::TListBox>(ui::TListBoxArgs{{&page, 10, 236, 160, 90, ""}, rows, 0}).SetEnabled(false);

  const std::vector<std::string> fruit = {"Apple", "Banana", "Cherry", "Damson", "Elderberry"};
  using ui::TComboBoxStyle;
  Add<ui::TComboBox>(
      ui::TComboBoxArgs{{&page, 180, 8, 170, 110, ""}, TComboBoxStyle::Simple, fruit, 0});
  Add<ui::TComboBox>(
      ui::TComboBoxArgs{{&page, 180, 126, 170, 24, ""}, TComboBoxStyle::DropDown, fruit, 1});
  Add<ui::TComboBox>(
      ui::TComboBoxArgs{{&page, 180, 158, 170, 24, ""}, TComboBoxStyle::DropDownList, fruit, 2});
  Add<ui::TComboBox>(
      ui::TComboBoxArgs{{&page, 180, 190, 170, 24, ""}, TComboBoxStyle::DropDownList, fruit, 3})
      .SetEnabled(false);
  std::vector<ui::TComboExItem> shapes;
  const char* shape_names[] = {"Circle", "Square", "Diamond", "Yellow circle", "Violet square"};
  for (int i = 0; i < 5; ++i) shapes.push_back({shape_names[i], i, i % 2});
  Add<ui::TComboBoxEx>(ui::TComboBoxExArgs{
      {&page, 180, 222, 170, 24, ""}, TComboBoxStyle::DropDownList, &FSmallImages, shapes, 0});

  std::vector<ui::TListRow> list_rows;
  for (int i = 1; i <= 30; ++i) {
    list_rows.push_back({{"File " + std::to_string(i) + ".txt", std::to_string(i * 3) + " KB",
                          i % 2 ? "Text" : "Document"},
                         i % 6});
  }
  Add<ui::TListView>(ui::TListViewArgs{{&page, 360, 8, 410, 240, "", 0, "lvFiles"},
                                       ui::TViewStyle::Report,
                                       {{"Name", 160}, {"Size", 80}, {"Kind", 120}},
                                       list_rows,
                                       &FSmallImages})
      .SetItemIndex(1);
  std::vector<ui::TListRow> icons;
  for (int i = 0; i < 6; ++i) icons.push_back({{"Shape " + std::to_string(i + 1)}, i});
  Add<ui::TListView>(ui::TListViewArgs{
      {&page, 570, 256, 200, 200, ""}, ui::TViewStyle::List, {}, icons, &FSmallImages});

  using ui::TTreeNode;
  std::vector<TTreeNode> nodes = {
      {"Documents", 0, true, {{"Letters", 1}, {"Invoices", 1, true, {{"2025", 2}, {"2026", 2}}}}},
      {"Pictures", 3, false, {{"Holiday", 4}}},
      {"Music", 5}};
  Add<ui::TTreeView>(ui::TTreeViewArgs{{&page, 360, 256, 200, 200, ""}, nodes, &FSmallImages});
}

void TGalleryForm::BuildTextPage() {
  ui::TTabSheet& page = AddPage("Text");
  Add<ui::TEdit>(ui::TEditArgs{{&page, 10, 8, 200, 22, "An edit field"}});
  Add<ui::TEdit>(ui::TEditArgs{{&page, 10, 38, 200, 22, "A disabled field"}}).SetEnabled(false);
  std::vector<std::string> lines;
  for (int i = 1; i <= 40; ++i) {
    lines.push_back("Line " + std::to_string(i) +
                    " of a memo whose lines are longer than the field");
  }
  Add<ui::TMemo>(ui::TMemoArgs{
      {&page, 10, 70, 300, 180, "", 0, "mmLines"}, lines, ui::TScrollStyle::Both, false});
  Add<ui::TMemo>(ui::TMemoArgs{{&page, 10, 260, 300, 100, ""},
                               {"A read-only memo that wraps its words and shows only a vertical "
                                "scroll bar, which it needs once the text is long enough to "
                                "reach below its bottom edge."},
                               ui::TScrollStyle::Vertical,
                               true,
                               true});
  Add<ui::TSpinEdit>(ui::TSpinEditArgs{{&page, 330, 8, 100, 22, "", 0, "seText"}, 0, 100, 1, 42});
  Add<ui::TMaskEdit>(
      ui::TMaskEditArgs{{&page, 330, 170, 180, 22, "10122026", 0, "meDate"}, "00.00.0000"});
  Add<ui::TMaskEdit>(ui::TMaskEditArgs{{&page, 330, 200, 180, 22, "", 0, "mePlate"}, "LL-0000"});
  Add<ui::THotKey>(
      ui::THotKeyArgs{{&page, 330, 40, 180, 22, ""}, 'K', HOTKEYF_CONTROL | HOTKEYF_ALT});
  SYSTEMTIME day{};
  day.wYear = 2026;
  day.wMonth = 12;
  day.wDay = 10;
  day.wHour = 14;
  day.wMinute = 30;
  Add<ui::TDateTimePicker>(ui::TDateTimePickerArgs{
      {&page, 330, 72, 180, 24, ""}, ui::TDateTimeKind::Date, ui::TDateMode::ComboBox, day});
  Add<ui::TDateTimePicker>(ui::TDateTimePickerArgs{
      {&page, 330, 104, 180, 24, ""}, ui::TDateTimeKind::Date, ui::TDateMode::UpDown, day});
  Add<ui::TDateTimePicker>(ui::TDateTimePickerArgs{
      {&page, 330, 136, 180, 24, ""}, ui::TDateTimeKind::Time, ui::TDateMode::UpDown, day});
}

}  // namespace gallery
