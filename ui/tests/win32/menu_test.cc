// Menus under Wine: item state, owner drawing with per-item handlers,
// merging by group index, and shortcuts while the menu bar is off.
#include <gtest/gtest.h>

#include <memory>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/tests/win32/probe.h"

namespace ui {
namespace {

struct MenuTest : ::testing::Test {
  TApplication Application{"Konfigurator"};
  TForm Form{TFormArgs{&Application, "Test", 300, 200}};
  int Clicks = 0;

  std::unique_ptr<TMainMenu> MakeMenu() {
    TMenuItem exit{"MI_Exit", "Be&enden", {VK_F2}, [this] { ++Clicks; }, {}, 0};
    TMenuItem check{"MI_Check", "&Angehakt", {}, nullptr, {}, 0};
    check.Checked = true;
    check.RadioItem = true;
    TMenuItem off{"MI_Off", "&Aus", {}, nullptr, {}, 0};
    off.Enabled = false;
    off.Default = true;
    TMenuItem file{"MI_File", "&Datei", {}, nullptr, {exit, check, off}, 0};
    file.GroupIndex = 0;
    TMenuItem help{"MI_Help", "&Hilfe", {}, nullptr, {}, 0};
    help.GroupIndex = 9;
    return std::make_unique<TMainMenu>(std::vector<TMenuItem>{file, help});
  }
};

TEST_F(MenuTest, ItemStateReachesTheMenuAndCanChange) {
  Form.SetMenu(MakeMenu());
  HMENU file = GetSubMenu(Form.Menu()->Handle(), 0);
  EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(GetMenuDefaultItem(file, TRUE, GMDI_USEDISABLED), 2u);
  TMenuItem* check = Form.Menu()->Find("MI_Check");
  ASSERT_NE(check, nullptr);
  check->Checked = false;
  Form.Menu()->Update(*check);
  EXPECT_EQ(GetMenu(Form.Handle()), Form.Menu()->Handle());  // the form shows the new build
  file = GetSubMenu(Form.Menu()->Handle(), 0);
  EXPECT_FALSE(GetMenuState(file, 1, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_EQ(Form.Menu()->Class().Name, "TMainMenu");
  EXPECT_TRUE(Form.Menu()->HasProperty("Images"));
}

TEST_F(MenuTest, OwnerDrawnItemsUseTheirOwnMeasureAndDrawHandlers) {
  auto menu = MakeMenu();
  int drawn = 0;
  TMenuItem* exit = menu->Find("MI_Exit");
  exit->OnMeasureItem = [](const TMenuItem&, HDC, int& AWidth, int& AHeight) {
    AWidth = 123;
    AHeight = 21;
  };
  exit->OnDrawItem = [&drawn](const TMenuItem& AItem, HDC, const RECT&, bool) {
    if (AItem.Name == "MI_Exit") ++drawn;
  };
  menu->SetOwnerDraw(true);
  Form.SetMenu(std::move(menu));
  HMENU file = GetSubMenu(Form.Menu()->Handle(), 0);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
  ASSERT_TRUE(GetMenuItemInfoW(file, 0, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  MEASUREITEMSTRUCT measure{ODT_MENU, 0, info.wID, 0, 0, info.dwItemData};
  EXPECT_EQ(SendMessageW(Form.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)),
            TRUE);
  EXPECT_EQ(measure.itemWidth, 123u);
  EXPECT_EQ(measure.itemHeight, 21u);
  HDC dc = GetDC(Form.Handle());
  DRAWITEMSTRUCT draw{ODT_MENU,
                      0,
                      info.wID,
                      ODA_DRAWENTIRE,
                      0,
                      reinterpret_cast<HWND>(file),
                      dc,
                      {0, 0, 123, 21},
                      info.dwItemData};
  SendMessageW(Form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  ReleaseDC(Form.Handle(), dc);
  EXPECT_EQ(drawn, 1);
}

TEST_F(MenuTest, ChildMenuMergesByGroupIndex) {
  Form.SetMenu(MakeMenu());
  TMenuItem edit{"MI_Edit", "&Bearbeiten", {}, nullptr, {}, 0};
  edit.GroupIndex = 1;
  TMenuItem child_help{"MI_ChildHelp", "&Hilfe zum Dokument", {}, nullptr, {}, 0};
  child_help.GroupIndex = 9;
  TMainMenu child({edit, child_help});
  Form.Menu()->Merge(&child);
  HMENU bar = GetMenu(Form.Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  wchar_t text[64];
  GetMenuStringW(bar, 1, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Bearbeiten");
  GetMenuStringW(bar, 2, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Hilfe zum Dokument");
  Form.Menu()->Merge(nullptr);
  EXPECT_EQ(GetMenuItemCount(GetMenu(Form.Handle())), 2);
}

// An MDI parent shows its active child's menu merged in by group index,
// and its own again when the child goes.
TEST_F(MenuTest, MdiParentMergesTheActiveChildsMenu) {
  TFormArgs parent_args{&Application, "Rahmen", 400, 300};
  parent_args.FormStyle = TFormStyle::MDIForm;
  parent_args.BorderStyle = TFormBorderStyle::Sizeable;
  TForm parent(parent_args);
  parent.SetMenu(MakeMenu());
  parent.Show();
  EXPECT_EQ(parent.FormStyle(), TFormStyle::MDIForm);
  EXPECT_EQ(parent.GetProperty("FormStyle"), TPropertyValue(int64_t{2}));
  ASSERT_NE(parent.ClientHandle(), nullptr);

  TFormArgs child_args{&Application, "Dokument", 200, 100};
  child_args.FormStyle = TFormStyle::MDIChild;
  child_args.MDIParent = &parent;
  child_args.BorderStyle = TFormBorderStyle::Sizeable;
  auto child = std::make_unique<TForm>(child_args);
  TMenuItem edit{"MI_Edit", "&Bearbeiten", {}, nullptr, {}, 0};
  edit.GroupIndex = 1;
  child->SetMenu(std::make_unique<TMainMenu>(std::vector<TMenuItem>{edit}));
  child->Show();
  test::PumpMessages();
  EXPECT_EQ(GetParent(child->Handle()), parent.ClientHandle());
  SendMessageW(parent.ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->Handle()), 0);
  EXPECT_EQ(parent.ActiveMDIChild(), child.get());
  HMENU bar = GetMenu(parent.Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  wchar_t text[64];
  GetMenuStringW(bar, 1, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Bearbeiten");
  child.reset();
  EXPECT_EQ(GetMenuItemCount(GetMenu(parent.Handle())), 2);
}

TEST_F(MenuTest, ShortcutsWorkWhileTheMenuBarIsOff) {
  Form.SetMenu(MakeMenu());
  Form.SetMenuShown(false);
  ASSERT_EQ(GetMenu(Form.Handle()), nullptr);
  Form.Show();
  SetTimer(Form.Handle(), 1, 10, nullptr);  // keeps the loop turning
  PostMessageW(Form.Handle(), WM_KEYDOWN, VK_F2, 0);
  int turns = 0;
  Application.RunUntil([&] { return Clicks > 0 || ++turns > 200; }, &Form);
  KillTimer(Form.Handle(), 1);
  EXPECT_EQ(Clicks, 1);
}

}  // namespace
}  // namespace ui
