// The widget family under Wine: every widget is of its class over its
// window class, publishes readable values for every property its class
// table lists, and keeps its states as a user of such a toolkit expects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/bevel.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/combo_box_ex.h"
#include "ui/cool_bar.h"
#include "ui/date_time_picker.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/group_box.h"
#include "ui/hot_key.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/mask_edit.h"
#include "ui/memo.h"
#include "ui/panel.h"
#include "ui/progress_bar.h"
#include "ui/radio_button.h"
#include "ui/scroll_bar.h"
#include "ui/scroll_box.h"
#include "ui/speed_button.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/tab_control.h"
#include "ui/tool_bar.h"
#include "ui/track_bar.h"
#include "ui/tree_view.h"

namespace ui {
namespace {

std::wstring WindowClass(const TWidget& AWidget) {
  wchar_t name[64] = {};
  GetClassNameW(AWidget.Handle(), name, 64);
  return name;
}

struct WidgetFamilyTest : ::testing::Test {
  TApplication Application{"Test"};
  TForm Form{TFormArgs{&Application, "Test", 600, 400}};
  TImageList Images{16, 16};
  TCheckBox Check{TCheckBoxArgs{{&Form, 0, 0, 100, 20, "&Check"}, TCheckBoxState::Grayed, true}};
  TCheckBox TwoState{TCheckBoxArgs{{&Form, 0, 20, 100, 20, "Two"}, TCheckBoxState::Grayed}};
  TRadioButton Red{TRadioButtonArgs{{&Form, 0, 40, 100, 20, "Red"}, true, true}};
  TRadioButton Green{TRadioButtonArgs{{&Form, 0, 60, 100, 20, "Green"}}};
  TRadioButton Other{TRadioButtonArgs{{&Form, 0, 80, 100, 20, "Other"}, true, true}};
  TComboBox Combo{
      TComboBoxArgs{{&Form, 100, 0, 100, 24, ""}, TComboBoxStyle::DropDownList, {"a", "b"}, 1}};
  TComboBoxEx ComboEx{TComboBoxExArgs{
      {&Form, 100, 30, 100, 24, ""}, TComboBoxStyle::DropDownList, &Images, {{"x", 0}}, 0}};
  TListBox List{TListBoxArgs{{&Form, 100, 60, 100, 60, ""}, {"1", "2", "3"}, 2}};
  TListView View{
      TListViewArgs{{&Form, 200, 0, 100, 60, ""}, TViewStyle::Report, {{"Name", 50}}, {{{"row"}}}}};
  TTreeView Tree{TTreeViewArgs{{&Form, 200, 60, 100, 60, ""}, {{"root", -1, true, {{"leaf"}}}}}};
  TMemo Memo{TMemoArgs{{&Form, 300, 0, 100, 60, ""}, {"one", "two"}, TScrollStyle::Both, false}};
  TMaskEdit Mask{TMaskEditArgs{{&Form, 300, 60, 100, 22, "1234"}, "00-00"}};
  THotKey Hot{THotKeyArgs{{&Form, 300, 90, 100, 22, ""}, 'K', HOTKEYF_CONTROL}};
  TDateTimePicker Date{
      TDateTimePickerArgs{{&Form, 400, 0, 100, 22, ""}, TDateTimeKind::Date, TDateMode::UpDown}};
  TTrackBar Track{TTrackBarArgs{{&Form, 400, 30, 100, 30, ""}, 0, 10, 4}};
  TProgressBar Progress{
      TProgressBarArgs{{&Form, 400, 60, 100, 20, ""}, 0, 100, 140, TOrientation::Vertical}};
  TScrollBar Scroll{
      TScrollBarArgs{{&Form, 400, 90, 100, 17, ""}, TScrollBarKind::Horizontal, 0, 50, 10}};
  TStatusBar Status{TStatusBarArgs{{&Form, 0, 0, 0, 0, ""}, {{"a", 50}, {"b", 0}}}};
  TToolBar Tools{TToolBarArgs{{&Form, 0, 120, 200, 28, ""},
                              &Images,
                              {{"x", "", 0}, {"y", "", -1, TToolButtonStyle::Check, true}}}};
  TCoolBar Cool{TWidgetArgs{&Form, 0, 150, 300, 40, ""}};
  TTabControl Tabs{
      TTabControlArgs{{&Form, 0, 200, 200, 80, ""}, {"a", "b", "c"}, TTabPosition::Right, true, 2}};
  TGroupBox Group{TWidgetArgs{&Form, 200, 200, 100, 80, "Group"}};
  TPanel Panel{TPanelArgs{{&Form, 300, 200, 100, 80, "Panel"}}};
  TBevel Bevel{TBevelArgs{{&Form, 400, 200, 100, 2, ""}, TBevelShape::TopLine}};
  TFrame Frame{TWidgetArgs{&Form, 400, 220, 100, 60, ""}};
  TScrollBox Box{TWidgetArgs{&Form, 500, 0, 100, 100, ""}};
  TSpeedButton SpeedA{
      TSpeedButtonArgs{.Widget = {&Form, 500, 120, 40, 24, "A"}, .GroupIndex = 1, .Down = true}};
  TSpeedButton SpeedB{TSpeedButtonArgs{.Widget = {&Form, 540, 120, 40, 24, "B"}, .GroupIndex = 1}};
  TStringGrid Grid{TStringGridArgs{{&Form, 0, 290, 300, 100, ""}, 6, 10, 1, 1}};
};

TEST_F(WidgetFamilyTest, ClassesOverTheirWindowClassesWithEveryPropertyReadable) {
  const struct {
    TWidget* Widget;
    const TWidgetClass* Class;
    const wchar_t* WindowClass;
  } cases[] = {
      {&Check, &classes::CheckBox, L"Button"},
      {&Red, &classes::RadioButton, L"Button"},
      {&Combo, &classes::ComboBox, L"ComboBox"},
      {&ComboEx, &classes::ComboBoxEx, L"ComboBoxEx32"},
      {&List, &classes::ListBox, L"ListBox"},
      {&View, &classes::ListView, L"SysListView32"},
      {&Tree, &classes::TreeView, L"SysTreeView32"},
      {&Memo, &classes::Memo, L"Edit"},
      {&Mask, &classes::MaskEdit, L"Edit"},
      {&Hot, &classes::HotKey, L"msctls_hotkey32"},
      {&Date, &classes::DateTimePicker, L"SysDateTimePick32"},
      {&Track, &classes::TrackBar, L"msctls_trackbar32"},
      {&Progress, &classes::ProgressBar, L"msctls_progress32"},
      {&Scroll, &classes::ScrollBar, L"ScrollBar"},
      {&Status, &classes::StatusBar, L"msctls_statusbar32"},
      {&Tools, &classes::ToolBar, L"ToolbarWindow32"},
      {&Cool, &classes::CoolBar, L"ReBarWindow32"},
      {&Tabs, &classes::TabControl, L"SysTabControl32"},
      {&Group, &classes::GroupBox, L"TGroupBox"},
      {&Panel, &classes::Panel, L"TPanel"},
      {&Bevel, &classes::Bevel, L"Static"},
      {&Frame, &classes::Frame, L"TFrame"},
      {&Box, &classes::ScrollBox, L"TScrollBox"},
      {&SpeedA, &classes::SpeedButton, L"TSpeedButton"},
      {&Grid, &classes::StringGrid, L"TStringGrid"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(&c.Widget->Class(), c.Class) << c.Class->Name;
    EXPECT_EQ(WindowClass(*c.Widget), c.WindowClass) << c.Class->Name;
    for (const TWidgetClass* k = c.Class; k; k = k->Parent) {
      for (const TPropertyInfo& p : k->Properties) {
        const auto value = c.Widget->GetProperty(p.Name);
        ASSERT_TRUE(value) << c.Class->Name << "." << p.Name;
        EXPECT_EQ(value->index(), ValueIndexOf(p.Type->Kind)) << c.Class->Name << "." << p.Name;
      }
    }
  }
}

TEST_F(WidgetFamilyTest, ValuesByNameFollowTheWidgets) {
  EXPECT_EQ(std::get<int64_t>(*Check.GetProperty("State")), 2);
  EXPECT_EQ(TwoState.State(), TCheckBoxState::Unchecked);  // grayed needs AllowGrayed
  EXPECT_TRUE(Check.SetProperty("AllowGrayed", false));
  EXPECT_EQ(Check.State(), TCheckBoxState::Unchecked);
  EXPECT_FALSE(Check.SetProperty("State", int64_t{3}));
  EXPECT_EQ(std::get<int64_t>(*Check.GetProperty("Alignment")), 1);

  EXPECT_EQ(std::get<int64_t>(*Combo.GetProperty("ItemIndex")), 1);
  EXPECT_EQ(Combo.Text(), "b");
  EXPECT_EQ(std::get<int64_t>(*List.GetProperty("ItemIndex")), 2);
  EXPECT_EQ(Memo.Lines(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(Mask.Text(), "12-34");
  EXPECT_TRUE(Mask.IsComplete());
  EXPECT_EQ(std::get<int64_t>(*Hot.GetProperty("HotKey")), MAKEWORD('K', HOTKEYF_CONTROL));
  EXPECT_EQ(std::get<int64_t>(*Track.GetProperty("Position")), 4);
  EXPECT_EQ(Progress.Position(), 100);  // limited to Max
  EXPECT_EQ(std::get<int64_t>(*Progress.GetProperty("Orientation")), 1);
  EXPECT_EQ(std::get<int64_t>(*Scroll.GetProperty("Position")), 10);
  EXPECT_EQ(std::get<int64_t>(*Tabs.GetProperty("TabPosition")), 3);
  EXPECT_EQ(Tabs.TabIndex(), 2);
  EXPECT_TRUE(std::get<bool>(*Tabs.GetProperty("MultiLine")));
  EXPECT_TRUE(Tools.ButtonDown(1));
  EXPECT_FALSE(Tools.ButtonDown(0));
  EXPECT_TRUE(std::get<bool>(*Status.GetProperty("SizeGrip")));
  EXPECT_EQ(std::get<int64_t>(*Grid.GetProperty("FixedRows")), 1);
  EXPECT_EQ(std::get<int64_t>(*Grid.GetProperty("RowCount")), 10);
}

TEST_F(WidgetFamilyTest, GroupsKeepOneChoice) {
  Green.SetChecked(true);
  EXPECT_FALSE(Red.Checked());
  EXPECT_TRUE(Other.Checked());  // another group
  SpeedB.Click();
  EXPECT_TRUE(SpeedB.Down());
  EXPECT_FALSE(SpeedA.Down());
  SpeedB.Click();  // without AllowAllUp it stays down
  EXPECT_TRUE(SpeedB.Down());
  EXPECT_TRUE(SpeedA.SetProperty("Down", true));
  EXPECT_FALSE(SpeedB.Down());
}

TEST_F(WidgetFamilyTest, GridSelectionStaysOffTheFixedCells) {
  Grid.Select(0, 0);
  EXPECT_EQ(Grid.Col(), 1);
  EXPECT_EQ(Grid.Row(), 1);
  Grid.Select(5, 9);  // the last cell: the view scrolls to it
  EXPECT_EQ(Grid.Col(), 5);
  EXPECT_EQ(Grid.Row(), 9);
  EXPECT_GT(Grid.TopRow(), 1);
  Grid.Select(99, 99);
  EXPECT_EQ(Grid.Col(), 5);
  EXPECT_EQ(Grid.Row(), 9);
}

}  // namespace
}  // namespace ui
