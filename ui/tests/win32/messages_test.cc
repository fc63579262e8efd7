// Message routing of the toolkit under Wine: reflection, stacking hooks,
// notifications once per change, hooks on windows the toolkit did not make.
#include <gtest/gtest.h>

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/tests/win32/probe.h"

namespace ui {
namespace {

using test::PumpMessages;
using test::TProbe;

struct MessagesTest : ::testing::Test {
  TApplication Application{"Konfigurator"};
  std::unique_ptr<TForm> Form;
  void SetUp() override {
    Form = std::make_unique<TForm>(TFormArgs{&Application, "Test", 300, 200});
    Form->Show();
    PumpMessages();
  }
};

TEST_F(MessagesTest, ProbeSeesTheReflectedDrawItemAndMayWithholdTheFocus) {
  TButton button(TButtonArgs{{Form.get(), 10, 10, 80, 25, "OK", 0, "btnOk"}});
  TProbe probe(button.Handle(), {WM_SETFOCUS});
  RedrawWindow(button.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GE(probe.Count(CN_BASE + WM_DRAWITEM), 1u);
  EXPECT_EQ(probe.Count(WM_DRAWITEM), 0u);  // the parent's message, not the button's

  button.SetFocus();
  EXPECT_EQ(probe.Count(WM_SETFOCUS), 1u);
  EXPECT_EQ(probe.Count(CM_GOTFOCUS), 0u);  // withheld: the toolkit's handling did not run
  EXPECT_NE(Form->ActiveControl(), &button);
  ASSERT_TRUE(probe.Unhook());
  Form->SetFocus();
  button.SetFocus();
  EXPECT_EQ(Form->ActiveControl(), &button);
}

TEST_F(MessagesTest, TwoHooksUnhookInEitherOrderAndBothStopSeeingMessages) {
  for (bool first_goes_first : {true, false}) {
    TEdit edit(TEditArgs{{Form.get(), 10, 40, 100, 21, "", 0}});
    const auto toolkit_proc = GetWindowLongPtrW(edit.Handle(), GWLP_WNDPROC);
    auto first = std::make_unique<TProbe>(edit.Handle());
    auto second = std::make_unique<TProbe>(edit.Handle());
    SendMessageW(edit.Handle(), WM_USER + 5, 0, 0);
    EXPECT_EQ(first->Count(WM_USER + 5), 1u);
    EXPECT_EQ(second->Count(WM_USER + 5), 1u);
    ASSERT_TRUE(first_goes_first ? first->Unhook() : second->Unhook());
    ASSERT_TRUE(first_goes_first ? second->Unhook() : first->Unhook());
    SendMessageW(edit.Handle(), WM_USER + 5, 0, 0);
    EXPECT_EQ(first->Count(WM_USER + 5), 1u);
    EXPECT_EQ(second->Count(WM_USER + 5), 1u);
    // The toolkit's own link is still there and working.
    EXPECT_EQ(GetWindowLongPtrW(edit.Handle(), GWLP_WNDPROC), toolkit_proc);
    int changes = 0;
    edit.OnChange = [&changes] { ++changes; };
    edit.SetText("abc");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(TWidget::FromHandle(edit.Handle()), &edit);
  }
}

TEST_F(MessagesTest, WindowIsMappedByPropertyNotByTheUserDataSlot) {
  TEdit edit(TEditArgs{{Form.get(), 10, 40, 100, 21, "", 0}});
  EXPECT_EQ(GetWindowLongPtrW(edit.Handle(), GWLP_USERDATA), 0);
  SetWindowLongPtrW(edit.Handle(), GWLP_USERDATA, 12345);  // someone else's use of the slot
  EXPECT_EQ(TWidget::FromHandle(edit.Handle()), &edit);
  EXPECT_EQ(TWidget::FromHandle(Application.Handle()), nullptr);  // not a widget
}

// Each notification is sent once per real change: doing the same twice
// sends it once.
TEST_F(MessagesTest, EachNotificationOncePerRealChange) {
  TLabeledEdit edit(TLabeledEditArgs{{{Form.get(), 10, 60, 100, 21, "", 0}}, "&Verzeichnis"});
  TButton other(TButtonArgs{{Form.get(), 10, 100, 80, 25, "Andere", 0}});
  TProbe probe(edit.Handle());
  TFont bold = edit.Font();
  bold.Bold = true;
  const struct {
    const char* What;
    std::function<void()> Action;
    UINT Message;
  } cases[] = {
      {"text", [&] { edit.SetText("neu"); }, CM_TEXTCHANGED},
      {"enabled", [&] { edit.SetEnabled(false); }, CM_ENABLEDCHANGED},
      {"re-enabled", [&] { edit.SetEnabled(true); }, CM_ENABLEDCHANGED},
      {"font", [&] { edit.SetFont(bold); }, CM_FONTCHANGED},
      {"colour", [&] { edit.SetColor(TColor::Rgb(1, 2, 3)); }, CM_COLORCHANGED},
      {"hidden", [&] { edit.SetVisible(false); }, CM_VISIBLECHANGED},
      {"shown", [&] { edit.SetVisible(true); }, CM_VISIBLECHANGED},
      {"hidden by the system", [&] { ShowWindow(edit.Handle(), SW_HIDE); }, CM_VISIBLECHANGED},
      {"shown by the system",
       [&] {
         SetWindowPos(edit.Handle(), nullptr, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
       },
       CM_VISIBLECHANGED},
      {"border", [&] { edit.SetBorderStyle(0); }, CM_BORDERCHANGED},
      {"mouse enter", [&] { SendMessageW(edit.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); },
       CM_MOUSEENTER},
      {"mouse leave", [&] { SendMessageW(edit.Handle(), WM_MOUSELEAVE, 0, 0); }, CM_MOUSELEAVE},
      {"got focus", [&] { edit.SetFocus(); }, CM_GOTFOCUS},
      {"lost focus", [&] { other.SetFocus(); }, CM_LOSTFOCUS},
  };
  for (const auto& c : cases) {
    probe.Seen.clear();
    c.Action();
    c.Action();
    PumpMessages();
    EXPECT_EQ(probe.Count(c.Message), 1u) << c.What;
  }
  // Typing changes the text once per key; the access key of the label
  // reaches the field it labels through the form.
  probe.Seen.clear();
  SendMessageW(edit.Handle(), WM_CHAR, 'x', 0);
  EXPECT_EQ(probe.Count(CM_TEXTCHANGED), 1u);
  other.SetFocus();
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'V'), 1);
  EXPECT_EQ(GetFocus(), edit.Handle());
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'Q'), 0);
}

// A window made anew keeps its widget, text, place and items; WindowProc
// stays and hears CM_RECREATEWND once, hooks on the old window see it go.
TEST_F(MessagesTest, RecreatedWindowsKeepTheirWidgetsAndAnnounceIt) {
  TPageControl pages(TWidgetArgs{Form.get(), 0, 0, 300, 200, "", 0});
  TTabSheet first(TTabSheetArgs{&pages, "Eins"});
  TTabSheet second(TTabSheetArgs{&pages, "Zwei"});
  TEdit edit(TEditArgs{{&first, 10, 10, 100, 21, "Text", 0}});
  pages.SetActivePage(&second);
  int recreated = 0;
  const TWidget::TWndProc previous = edit.WindowProc;
  edit.WindowProc = [&](UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
    if (AMessage == CM_RECREATEWND) ++recreated;
    return previous(AMessage, AWParam, ALParam);
  };
  const HWND old = edit.Handle();
  const RECT bounds = edit.BoundsRect();
  TProbe probe(old);
  pages.RecreateWnd();
  EXPECT_EQ(recreated, 1);
  EXPECT_EQ(probe.Count(WM_NCDESTROY), 1u);
  EXPECT_FALSE(IsWindow(old));
  ASSERT_TRUE(IsWindow(edit.Handle()));
  EXPECT_EQ(TWidget::FromHandle(edit.Handle()), &edit);
  EXPECT_EQ(GetParent(edit.Handle()), first.Handle());
  EXPECT_EQ(edit.Text(), "Text");
  const RECT now = edit.BoundsRect();
  EXPECT_TRUE(EqualRect(&bounds, &now));
  EXPECT_EQ(SendMessageW(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(pages.Handle(), TCM_GETCURSEL, 0, 0), 1);
  int changes = 0;
  edit.OnChange = [&changes] { ++changes; };
  edit.SetText("neu");  // the new window works as the old one did
  EXPECT_EQ(changes, 1);
}

TEST_F(MessagesTest, TransparentChildAsksItsParentForTheBackgroundByMessage) {
  TLabel label(TLabelArgs{{Form.get(), 10, 10, 0, 0, "Hallo", 0}, TAlignment::Left, true, true});
  TProbe parent(Form->Handle());
  RedrawWindow(label.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(parent.Count(CM_PAINTBACKGROUND), 1u);
}

// An error thrown while the focus moves (a refused registry write when a
// page is left, say) reaches the application's error box; the program goes
// on and the focus arrives.
TEST_F(MessagesTest, ErrorWhileTheFocusMovesReachesTheErrorBox) {
  TEdit first(TEditArgs{{Form.get(), 10, 10, 100, 21, "", 0}});
  TEdit second(TEditArgs{{Form.get(), 10, 40, 100, 21, "", 0}});
  first.OnExit = [] { throw std::runtime_error("Fehler beim Setzen der Daten für 'Port'"); };
  first.SetFocus();
  static std::wstring shown;
  shown.clear();
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR AId, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Konfigurator");
    if (!box) return;
    KillTimer(nullptr, AId);
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);  // the message's static control
    shown = text;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  second.SetFocus();
  EXPECT_EQ(shown, L"Fehler beim Setzen der Daten für 'Port'");
  EXPECT_EQ(GetFocus(), second.Handle());
  EXPECT_EQ(Form->ActiveControl(), &second);
}

// A modal form keeps the other forms disabled until it has its result.
TEST_F(MessagesTest, ModalFormDisablesTheOtherFormsUntilItHasAResult) {
  TForm dialog(TFormArgs{&Application, "Dialog", 200, 100, TFormBorderStyle::Dialog, biSystemMenu});
  EXPECT_EQ(Application.Forms().size(), 2u);
  EXPECT_EQ(Application.MainForm(), Form.get());
  static TForm* modal;
  static TForm* other;
  static bool other_disabled;
  modal = &dialog;
  other = Form.get();
  other_disabled = false;
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR AId, DWORD) {
    KillTimer(nullptr, AId);
    other_disabled = !IsWindowEnabled(other->Handle());
    modal->SetModalResult(IDOK);
  });
  EXPECT_EQ(dialog.ShowModal(), IDOK);
  EXPECT_TRUE(other_disabled);
  EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
  EXPECT_FALSE(dialog.Visible());
}

// A hooked foreign window that goes: the hook lets go of it, and so does
// the window's chain; freeing the hook afterwards is harmless.
TEST_F(MessagesTest, ForeignHookLetsGoWhenTheWindowGoes) {
  HWND window = CreateWindowExW(0, L"STATIC", L"fremd", WS_CHILD, 0, 0, 10, 10, Form->Handle(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  const auto original = GetWindowLongPtrW(window, GWLP_WNDPROC);
  int destroys = 0;
  const TSubclassHandler count = [&destroys](const TWindowMessage& AMessage,
                                             const TWindowChain::TNext& ANext) {
    if (AMessage.Message == WM_NCDESTROY) ++destroys;
    return ANext(AMessage);
  };
  auto hook = std::make_unique<TForeignSubclass>(window, count);
  ASSERT_TRUE(hook->Attached());
  EXPECT_NE(GetWindowLongPtrW(window, GWLP_WNDPROC), original);
  hook->Detach();
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), original);
  hook = std::make_unique<TForeignSubclass>(window, count);
  DestroyWindow(window);
  EXPECT_EQ(destroys, 1);
  EXPECT_FALSE(hook->Attached());
  hook.reset();
}

// A message box the toolkit did not make: its window and controls are
// hooked while it is open, and get their procedures back when unhooked.
TEST_F(MessagesTest, ForeignMessageBoxControlsAreHookedAndRestored) {
  struct TState {
    int Windows = 0;
    int Hooked = 0;
    int Restored = 0;
    size_t Seen = 0;
  };
  static TState state;
  state = {};
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR AId, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Fremd");
    if (!box) return;
    KillTimer(nullptr, AId);
    std::vector<std::pair<HWND, LONG_PTR>> before;
    before.emplace_back(box, GetWindowLongPtrW(box, GWLP_WNDPROC));
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      before.emplace_back(child, GetWindowLongPtrW(child, GWLP_WNDPROC));
    }
    state.Windows = static_cast<int>(before.size());
    {
      auto hooks = SubclassWindowTree(
          box, [](const TWindowMessage& AMessage, const TWindowChain::TNext& ANext) {
            ++state.Seen;
            return ANext(AMessage);
          });
      for (const auto& [window, proc] : before) {
        if (GetWindowLongPtrW(window, GWLP_WNDPROC) != proc) ++state.Hooked;
      }
      for (const auto& [window, proc] : before) SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    }
    for (const auto& [window, proc] : before) {
      if (GetWindowLongPtrW(window, GWLP_WNDPROC) == proc) ++state.Restored;
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxW(Form->Handle(), L"Ein fremdes Fenster", L"Fremd", MB_OK);
  EXPECT_GE(state.Windows, 2);  // the box and at least its button
  EXPECT_EQ(state.Hooked, state.Windows);
  EXPECT_EQ(state.Restored, state.Windows);
  EXPECT_GE(state.Seen, static_cast<size_t>(state.Windows));
}

}  // namespace
}  // namespace ui
