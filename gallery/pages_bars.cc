// The gallery's later pages: ranges, bars, tabs, and the grid page.
#include "gallery/gallery_form.h"
#include "gallery/pictures.h"
#include "gallery/report.h"
#include "ui/bevel.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/cool_bar.h"
#include "ui/edit.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/progress_bar.h"
#include "ui/scroll_bar.h"
#include "ui/scroll_box.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/tab_control.h"
#include "ui/tool_bar.h"
#include "ui/track_bar.h"

namespace gallery {

using ui::TWidgetArgs;

void TGalleryForm::BuildRangesPage() {
  ui::TTabSheet& page = AddPage("Ranges");
  using ui::TOrientation;
  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 10, 8, 0, 0, "Track bars"}});
  Add<ui::TTrackBar>(
      ui::TTrackBarArgs{{&page, 10, 28, 300, 40, "", 0, "tbHorizontal"}, 0, 10, 3, 1});
  Add<ui::TTrackBar>(ui::TTrackBarArgs{{&page, 10, 72, 300, 40, ""}, 0, 20, 12, 5})
      .SetEnabled(false);
  Add<ui::TTrackBar>(
      ui::TTrackBarArgs{{&page, 330, 28, 40, 220, ""}, 0, 10, 7, 1, TOrientation::Vertical});

  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 10, 124, 0, 0, "Progress bars"}});
  Add<ui::TProgressBar>(
      ui::TProgressBarArgs{{&page, 10, 144, 300, 20, "", 0, "pbHorizontal"}, 0, 100, 40});
  Add<ui::TProgressBar>(
      ui::TProgressBarArgs{{&page, 390, 28, 20, 220, ""}, 0, 100, 65, TOrientation::Vertical});

  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 10, 176, 0, 0, "Scroll bars"}});
  Add<ui::TScrollBar>(ui::TScrollBarArgs{
      {&page, 10, 196, 300, 17, ""}, ui::TScrollBarKind::Horizontal, 0, 100, 30});
  Add<ui::TScrollBar>(
      ui::TScrollBarArgs{{&page, 430, 28, 17, 220, ""}, ui::TScrollBarKind::Vertical, 0, 100, 70});

  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 10, 230, 0, 0, "Up-down with a buddy field"}});
  Add<ui::TSpinEdit>(ui::TSpinEditArgs{{&page, 10, 250, 100, 22, "", 0, "seBuddy"}, 0, 50, 1, 5});

  // A plain field with a stand-alone up-down as its buddy.
  Add<ui::TLabel>(
      ui::TLabelArgs{.Widget = {&page, 10, 284, 0, 0, "Stand-alone up-down on a plain field"}});
  auto& field = Add<ui::TEdit>(ui::TEditArgs{{&page, 10, 304, 100, 22, "", 0, "edStepped"}});
  Add<ui::TUpDown>(ui::TUpDownArgs{.Widget = {&page, 0, 0, 17, 22, "", 0, "udStandAlone"},
                                   .MinValue = 0,
                                   .MaxValue = 20,
                                   .Position = 10,
                                   .Increment = 2,
                                   .Associate = &field});
}

void TGalleryForm::BuildBarsPage() {
  ui::TTabSheet& page = AddPage("Bars");
  using ui::TToolButtonStyle;
  std::vector<ui::TToolButton> buttons = {
      {"New", "New", 0},
      {"Open", "Open", 1},
      {"Save", "Save (disabled)", 2, TToolButtonStyle::Button, false, false},
      {"", "", -1, TToolButtonStyle::Separator},
      {"Bold", "Bold (down)", 3, TToolButtonStyle::Check, true},
      {"Italic", "Italic", 4, TToolButtonStyle::Check},
      {"", "", -1, TToolButtonStyle::Separator},
      {"Help", "Help", 5}};
  for (ui::TToolButton& button : buttons) {
    if (button.Style == TToolButtonStyle::Separator) continue;
    button.OnClick = [caption = button.Caption] { Report("Tool button " + caption); };
  }
  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 10, 8, 0, 0, "Flat tool bar"}});
  Add<ui::TToolBar>(
      ui::TToolBarArgs{{&page, 10, 26, 400, 28, "", 0, "tbFlat"}, &FSmallImages, buttons, true});
  Add<ui::TLabel>(
      ui::TLabelArgs{.Widget = {&page, 10, 62, 0, 0, "Tool bar with captions, not flat"}});
  Add<ui::TToolBar>(
      ui::TToolBarArgs{{&page, 10, 80, 500, 44, ""}, &FSmallImages, buttons, false, true});

  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 10, 134, 0, 0, "Cool bar"}});
  auto& cool = Add<ui::TCoolBar>(TWidgetArgs{&page, 10, 152, 600, 64, ""});
  auto& band_bar = Add<ui::TToolBar>(ui::TToolBarArgs{
      {&cool, 0, 0, 200, 24, ""}, &FSmallImages, {buttons[0], buttons[1], buttons[4]}, true});
  auto& band_combo = Add<ui::TComboBox>(ui::TComboBoxArgs{
      {&cool, 0, 0, 160, 24, ""}, ui::TComboBoxStyle::DropDown, {"100 %", "150 %", "200 %"}, 0});
  cool.AddBand(band_bar, "Tools", 220, false);
  cool.AddBand(band_combo, "Zoom", 260, false);

  Add<ui::TLabel>(
      ui::TLabelArgs{.Widget = {&page, 10, 228, 0, 0, "Status bar with panels and a size grip"}});
  auto& frame = Add<ui::TPanel>(
      ui::TPanelArgs{{&page, 10, 246, 600, 120, "A window area"}, ui::TPanelBevel::Lowered});
  Add<ui::TStatusBar>(ui::TStatusBarArgs{{&frame, 0, 0, 0, 0, "", 0, "sbStatus"},
                                         {{"Ready", 120}, {"Line 1, Column 1", 160}, {"INS", 0}},
                                         true});
}

void TGalleryForm::BuildTabsPage() {
  ui::TTabSheet& page = AddPage("Tabs");
  using ui::TTabPosition;
  const std::vector<std::string> few = {"First", "Second", "Third"};
  std::vector<std::string> many;
  for (int i = 1; i <= 10; ++i) many.push_back("Tab number " + std::to_string(i));
  struct {
    int Left, Top;
    TTabPosition Position;
    const std::vector<std::string>* Tabs;
    bool MultiLine;
    const char* Name;
  } controls[] = {{10, 8, TTabPosition::Top, &many, true, "tcTop"},
                  {400, 8, TTabPosition::Bottom, &few, false, "tcBottom"},
                  {10, 200, TTabPosition::Left, &few, true, "tcLeft"},
                  {400, 200, TTabPosition::Right, &few, true, "tcRight"}};
  for (const auto& c : controls) {
    Add<ui::TTabControl>(ui::TTabControlArgs{{&page, c.Left, c.Top, 370, 180, "", 0, c.Name},
                                             *c.Tabs,
                                             c.Position,
                                             c.MultiLine,
                                             1,
                                             &FSmallImages});
  }
  Add<ui::TTabControl>(
      ui::TTabControlArgs{{&page, 10, 392, 370, 60, ""}, few, TTabPosition::Top, false, 0})
      .SetEnabled(false);
}

void TGalleryForm::BuildGridPage() {
  ui::TTabSheet& page = AddPage("Grid and more");
  Add<ui::TLabel>(ui::TLabelArgs{
      .Widget = {&page, 10, 8, 0, 0, "String grid: fixed row and column, more cells than fit"}});
  auto& grid = Add<ui::TStringGrid>(ui::TStringGridArgs{{&page, 10, 26, 470, 220, "", 0, "sgCells"},
                                                        12,
                                                        20,
                                                        1,
                                                        1,
                                                        64,
                                                        22,
                                                        ui::TColor::Rgb(0xD8, 0xE4, 0xF0)});
  for (int col = 1; col < grid.ColCount(); ++col)
    grid.SetCell(col, 0, std::string(1, static_cast<char>('A' + col - 1)));
  for (int row = 1; row < grid.RowCount(); ++row) {
    grid.SetCell(0, row, std::to_string(row));
    for (int col = 1; col < grid.ColCount(); ++col)
      grid.SetCell(col, row, std::to_string(row * col));
  }
  grid.SetColWidth(0, 40);
  grid.OnSelectCell = [&grid] {
    Report("Grid cell " + std::to_string(grid.Col()) + "," + std::to_string(grid.Row()) + " = " +
           grid.Cell(grid.Col(), grid.Row()) + ", first column in view " +
           std::to_string(grid.LeftCol()));
  };

  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 500, 8, 0, 0, "Scroll box"}});
  auto& box = Add<ui::TScrollBox>(TWidgetArgs{&page, 500, 26, 270, 220, "", 0, "sbxBox"});
  for (int i = 0; i < 12; ++i) {
    Add<ui::TCheckBox>(
        ui::TCheckBoxArgs{{&box, 8, 8 + i * 26, 360, 20,
                           "Option " + std::to_string(i + 1) + " in a box wider than its view"}});
  }
  box.UpdateRange();

  Add<ui::TLabel>(
      ui::TLabelArgs{.Widget = {&page, 10, 258, 0, 0, "Frame (an embedded form-like container)"}});
  // Framed by a lowered panel, so that the frame's extent shows.
  auto& holder =
      Add<ui::TPanel>(ui::TPanelArgs{{&page, 10, 276, 304, 94, ""}, ui::TPanelBevel::Lowered});
  auto& frame = Add<ui::TFrame>(TWidgetArgs{&holder, 2, 2, 300, 90, "", 0, "frEmbedded"});
  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&frame, 12, 12, 0, 0, "&Name on the frame:"}});
  Add<ui::TEdit>(ui::TEditArgs{{&frame, 12, 32, 180, 22, "Frame field"}});
  Add<ui::TButton>(ui::TButtonArgs{{&frame, 200, 30, 84, 26, "Frame button"}});

  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 330, 258, 0, 0, "Labels and an image"}});
  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 330, 280, 200, 20, "Right-aligned label"},
                                 .Alignment = ui::TAlignment::Right,
                                 .AutoSize = false});
  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 330, 300, 200, 20, "Centred label"},
                                 .Alignment = ui::TAlignment::Center,
                                 .AutoSize = false});
  Add<ui::TLabel>(ui::TLabelArgs{.Widget = {&page, 330, 320, 200, 20, "Transparent label"},
                                 .Transparent = true});
  auto& wrapped = Add<ui::TLabel>(
      ui::TLabelArgs{.Widget = {&page, 570, 276, 200, 64,
                                "A label with WordWrap on breaks its caption into lines"},
                     .AutoSize = false});
  wrapped.SetProperty("WordWrap", true);
  auto& image = Add<ui::TImage>(ui::TImageArgs{{&page, 540, 280, 16, 16, ""}});
  image.SetImageListPicture(FSmallImages, 3);
  Add<ui::TBevel>(ui::TBevelArgs{{&page, 330, 350, 440, 2, ""}, ui::TBevelShape::TopLine});
}

}  // namespace gallery
