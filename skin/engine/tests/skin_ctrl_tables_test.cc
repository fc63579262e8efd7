// The wrapper tables: lookup from the last entry to the first, inheritance
// for toolkit classes, exact names for native ones; the class-name lists.
#include <gtest/gtest.h>

#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

std::unique_ptr<TzelSkinCtrlObject> MakeA(ui::TComponent&, TzelSkinEngine&) {
  return nullptr;
}
std::unique_ptr<TzelSkinCtrlObject> MakeB(ui::TComponent&, TzelSkinEngine&) {
  return nullptr;
}
std::unique_ptr<TzelSkinCtrlObject> MakeW(TWndHandle, TzelSkinEngine&) {
  return nullptr;
}
std::unique_ptr<TzelSkinCtrlObject> MakeV(TWndHandle, TzelSkinEngine&) {
  return nullptr;
}

class SkinCtrlTables : public ::testing::Test {
 protected:
  void SetUp() override { ClearSkinCtrlDefs(); }
  void TearDown() override { ClearSkinCtrlDefs(); }
};

TEST_F(SkinCtrlTables, EmptyTablesFindNothing) {
  EXPECT_EQ(FindSkinCtrlVCLDef(ui::classes::Label), nullptr);
  EXPECT_EQ(FindSkinCtrlWndDef("BUTTON"), nullptr);
}

TEST_F(SkinCtrlTables, LaterEntriesWinOverGeneralOnes) {
  const TzelSkinCtrlVCLDef defs[] = {{&ui::classes::WinControl, MakeA, false},
                                     {&ui::classes::CustomLabel, MakeB, true}};
  RegisterSkinCtrlVCLDefs(defs);
  // A label is no windowed control: only the label entry matches.
  const TzelSkinCtrlVCLDef* label = FindSkinCtrlVCLDef(ui::classes::Label);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->SkinCtrlClass, &MakeB);
  EXPECT_TRUE(label->ParentColor);
  // A form is a windowed control: the general entry.
  const TzelSkinCtrlVCLDef* form = FindSkinCtrlVCLDef(ui::classes::Form);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->SkinCtrlClass, &MakeA);
  // A general entry registered after a specific one wins over it.
  const TzelSkinCtrlVCLDef later[] = {{&ui::classes::Control, MakeA, false}};
  RegisterSkinCtrlVCLDefs(later);
  EXPECT_EQ(FindSkinCtrlVCLDef(ui::classes::Label)->SkinCtrlClass, &MakeA);
  EXPECT_EQ(SkinCtrlVCLDefCount(), 3u);
  EXPECT_EQ(FindSkinCtrlVCLDef(ui::classes::Menu), nullptr);
}

TEST_F(SkinCtrlTables, NativeNamesMatchExactlyAndLastWins) {
  std::string name = "COMBOBOX";  // the table keeps its own copy
  const TzelSkinCtrlWndDef defs[] = {{name, MakeW}, {"BUTTON", MakeW}, {"BUTTON", MakeV}};
  RegisterSkinCtrlWndDefs(defs);
  name = "XXXXXXXX";
  ASSERT_NE(FindSkinCtrlWndDef("COMBOBOX"), nullptr);
  EXPECT_EQ(FindSkinCtrlWndDef("COMBOBOX")->CtrlClass, "COMBOBOX");
  EXPECT_EQ(FindSkinCtrlWndDef("BUTTON")->SkinCtrlClass, &MakeV);
  EXPECT_EQ(FindSkinCtrlWndDef("button"), nullptr);
  EXPECT_EQ(FindSkinCtrlWndDef("COMBOBOXEX32"), nullptr);
  // Names are kept to 63 characters.
  std::string longName(70, 'A');
  const TzelSkinCtrlWndDef more[] = {{longName, MakeW}};
  RegisterSkinCtrlWndDefs(more);
  EXPECT_NE(FindSkinCtrlWndDef(std::string(63, 'A')), nullptr);
  EXPECT_EQ(FindSkinCtrlWndDef(longName), nullptr);
  EXPECT_EQ(FindSkinCtrlWndDef("COMBOBOX")->CtrlClass, "COMBOBOX");
}

TEST(SkinClassLists, StartValuesAndNoDuplicates) {
  EXPECT_TRUE(InNoBorderClassList("TJamShellTree"));
  EXPECT_TRUE(InNoBorderClassList("TJamShellList"));
  EXPECT_FALSE(InNoBorderClassList("TEdit"));
  const auto& list = AutoSkinClassList();
  ASSERT_GE(list.size(), 5u);
  EXPECT_EQ(list[0], "TSelectDirDlg");
  EXPECT_EQ(list[1], "TForm");
  size_t before = list.size();
  AddAutoSkinClass("TForm");
  AddAutoSkinClass("TMyForm");
  AddAutoSkinClass("TMyForm");
  EXPECT_EQ(list.size(), before + 1);
  EXPECT_EQ(list.back(), "TMyForm");
}

}  // namespace
}  // namespace skin
