// Under Wine: a stand-alone up-down on a plain field, Enter and Escape on a
// form's default and cancel buttons, page controls with tabs on each side.
#include <gtest/gtest.h>

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <memory>
#include <string>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/tests/win32/probe.h"

namespace ui {
namespace {

using test::PumpMessages;

struct WidgetKeysTest : ::testing::Test {
  TApplication Application{"Konfigurator"};
  std::unique_ptr<TForm> Form;
  void SetUp() override {
    Form = std::make_unique<TForm>(TFormArgs{&Application, "Test", 400, 300});
    Form->Show();
    PumpMessages();
  }
  // The arrow key AKey pressed in AField, as the keyboard sends it.
  void Press(TWidget& AField, WPARAM AKey) {
    SendMessageW(AField.Handle(), WM_KEYDOWN, AKey, 1);
    SendMessageW(AField.Handle(), WM_KEYUP, AKey, 0xC0000001);
    PumpMessages();
  }
};

TEST_F(WidgetKeysTest, StandAloneUpDownStepsItsFieldAndMovesToAnother) {
  TEdit first(TEditArgs{{Form.get(), 10, 10, 100, 22, "", 0}});
  TEdit second(TEditArgs{{Form.get(), 10, 50, 100, 22, "", 0}});
  TUpDown arrows(TUpDownArgs{.Widget = {Form.get(), 0, 0, 17, 22, "", 0},
                             .MinValue = 0,
                             .MaxValue = 20,
                             .Position = 10,
                             .Increment = 2,
                             .Associate = &first});
  int changes = 0;
  arrows.OnChange = [&] { ++changes; };
  EXPECT_EQ(first.Text(), "10");
  // It sits at the field's right edge, inside the field's old width (the
  // control keeps a border's width or two of it).
  EXPECT_NEAR(arrows.BoundsRect().right, 110, 2);
  EXPECT_LE(first.BoundsRect().right, arrows.BoundsRect().left + 2);
  first.SetFocus();
  Press(first, VK_UP);
  EXPECT_EQ(first.Text(), "12");
  EXPECT_EQ(arrows.Position(), 12);
  Press(first, VK_DOWN);
  Press(first, VK_DOWN);
  EXPECT_EQ(first.Text(), "8");
  EXPECT_EQ(changes, 3);
  // At the limit a step changes nothing.
  arrows.SetPosition(20);
  Press(first, VK_UP);
  EXPECT_EQ(arrows.Position(), 20);

  arrows.SetAssociate(&second);
  EXPECT_EQ(arrows.Associate(), &second);
  EXPECT_EQ(second.Text(), "20");
  second.SetFocus();
  Press(second, VK_DOWN);
  EXPECT_EQ(second.Text(), "18");
  first.SetFocus();
  Press(first, VK_UP);  // no longer its buddy
  EXPECT_EQ(arrows.Position(), 18);
}

TEST_F(WidgetKeysTest, EnterAndEscapeClickTheDefaultAndTheCancelButton) {
  TEdit field(TEditArgs{{Form.get(), 10, 10, 100, 22, "", 0}});
  TButton ok(TButtonArgs{.Widget = {Form.get(), 10, 50, 80, 25, "OK", 0}, .Default = true});
  TButton cancel(TButtonArgs{.Widget = {Form.get(), 100, 50, 80, 25, "Cancel", 0}, .Cancel = true});
  TButton other(TButtonArgs{.Widget = {Form.get(), 190, 50, 80, 25, "Other", 0}});
  std::string clicked;
  ok.OnClick = [&] { clicked += "ok "; };
  cancel.OnClick = [&] { clicked += "cancel "; };
  other.OnClick = [&] { clicked += "other "; };
  // What the dialog keyboard handling sends for Enter and Escape.
  auto key = [&](WPARAM ACommand) { SendMessageW(Form->Handle(), WM_COMMAND, ACommand, 0); };

  field.SetFocus();
  key(IDOK);
  key(IDCANCEL);
  EXPECT_EQ(clicked, "ok cancel ");
  clicked.clear();
  other.SetFocus();  // Enter clicks the focused button; Escape still cancels
  key(IDOK);
  key(IDCANCEL);
  EXPECT_EQ(clicked, "other cancel ");
  clicked.clear();
  field.SetFocus();
  ok.SetEnabled(false);
  cancel.SetVisible(false);
  key(IDOK);
  key(IDCANCEL);
  EXPECT_EQ(clicked, "");
}

TEST_F(WidgetKeysTest, PageControlTabsOnEachSide) {
  const struct {
    TTabPosition Position;
    LONG_PTR Style;
  } cases[] = {{TTabPosition::Top, 0},
               {TTabPosition::Bottom, TCS_BOTTOM},
               {TTabPosition::Left, TCS_VERTICAL},
               {TTabPosition::Right, TCS_VERTICAL | TCS_RIGHT}};
  for (const auto& c : cases) {
    TPageControl pages(TPageControlArgs{{Form.get(), 0, 0, 300, 200, "", 0}, c.Position, true});
    TTabSheet one(TTabSheetArgs{&pages, "One"});
    TTabSheet two(TTabSheetArgs{&pages, "Two"});
    pages.SetActivePage(&one);
    const LONG_PTR style = GetWindowLongPtrW(pages.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (TCS_BOTTOM | TCS_VERTICAL | TCS_RIGHT), c.Style);
    EXPECT_TRUE(pages.MultiLine());
    EXPECT_EQ(std::get<int64_t>(*pages.GetProperty("TabPosition")),
              static_cast<int64_t>(c.Position));
    // The page lies beside the tabs, on the far side from them.
    const RECT page = one.BoundsRect();
    const RECT tab = [&] {
      RECT r{};
      TabCtrl_GetItemRect(pages.Handle(), 0, &r);
      return r;
    }();
    switch (c.Position) {
      case TTabPosition::Top:
        EXPECT_GE(page.top, tab.bottom);
        break;
      case TTabPosition::Bottom:
        EXPECT_LE(page.bottom, tab.top);
        break;
      case TTabPosition::Left:
        EXPECT_GE(page.left, tab.right);
        break;
      case TTabPosition::Right:
        EXPECT_LE(page.right, tab.left);
        break;
    }
  }
}

}  // namespace
}  // namespace ui
