// The control wrappers on real windows under Wine: dispatch, the push
// button's clicks, the boxes of check boxes and radio buttons against our
// own skin's strips, and removal.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "skin/bitmap/image_routines.h"
#include "skin/controls/win32/skin_border.h"
#include "skin/controls/win32/skin_buttons.h"
#include "skin/controls/win32/skin_ctrl_defs.h"
#include "skin/controls/win32/skin_updown.h"
#include "skin/controls/win32/tests/wrapper_fixture.h"
#include "skin/draw/button_layout.h"
#include "skin/draw/state_frames.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/own/own_skin.h"
#include "skin/tests/test_files.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/tests/win32/probe.h"
#include "ui/widget_class.h"

namespace skin::test {
namespace {

using ui::test::PumpMessages;

// The sequence the tests send: keys, mouse, a char, an erase, a private one.
const std::vector<TLogged> kSequence = {
    {WM_KEYDOWN, VK_SPACE, 0x00390001},
    {WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001)},
    {WM_KEYDOWN, VK_RETURN, 0x001C0001},
    {WM_CHAR, VK_RETURN, 0x001C0001},
    {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)},
    {WM_LBUTTONUP, 0, MAKELPARAM(5, 5)},
    {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)},
    {WM_USER + 7, 1, 2},
    {WM_KILLFOCUS, 0, 0},
    {ui::CM_MOUSEENTER, 0, 0},
    {ui::CM_MOUSELEAVE, 0, 0},
};

using SkinControlsWin32Test = TWrapperTest;

TEST_F(SkinControlsWin32Test, DisabledTagAndInactiveEnginePassEveryMessageUnchanged) {
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "DisabledTag" : "inactive engine");
    ui::TButton button(ui::TButtonArgs{{Form.get(), 10, 10, 80, 25, "OK", 0}});
    PumpMessages();
    const TBitmap own = Snapshot(button.Handle());
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    TOuterLog log(button, MessagesOf(kSequence));
    auto wrapper = MakeSkinControl<TzelSkinButton>(button, Host);
    if (round == 0) {
      button.SetTag(9999);
    } else {
      Host.Active = false;
    }
    Send(button.Handle(), kSequence);
    EXPECT_EQ(log.Seen, kSequence);
    // It keeps its own look.
    const TBitmap kept = Snapshot(button.Handle());
    EXPECT_TRUE(kept.Width() == own.Width() && kept.Height() == own.Height());
    int differing = 0;
    for (int y = 0; y < own.Height(); ++y) {
      for (int x = 0; x < own.Width(); ++x) differing += own.Pixel(x, y) != kept.Pixel(x, y);
    }
    EXPECT_EQ(differing, 0);

    // The wrapper stayed installed: with the engine on again, Space is its.
    button.SetTag(0);
    Host.Active = true;
    log.Seen.clear();
    SendMessageW(button.Handle(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(log.Seen.empty());
    wrapper.reset();
    SendMessageW(button.Handle(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(log.Seen.size(), 1u);  // removed: the button gets it again
    SendMessageW(button.Handle(), WM_KEYUP, VK_SPACE, 0);
  }
}

TEST_F(SkinControlsWin32Test, PushButtonClicksByKeyboardAndMouse) {
  ui::TButton button(ui::TButtonArgs{{Form.get(), 10, 10, 80, 25, "OK", 0}});
  int clicks = 0;
  button.OnClick = [&] { ++clicks; };
  auto wrapper = MakeSkinControl<TzelSkinButton>(button, Host);
  const HWND h = button.Handle();
  button.SetFocus();
  PumpMessages();
  ASSERT_EQ(GetFocus(), h);
  const struct {
    const char* Name;
    std::vector<TLogged> Steps;
    int Clicks;
  } cases[] = {
      {"space down and up", {{WM_KEYDOWN, VK_SPACE, 0}, {WM_KEYUP, VK_SPACE, 0}}, 1},
      {"space up alone", {{WM_KEYUP, VK_SPACE, 0}}, 0},
      {"enter", {{WM_KEYDOWN, VK_RETURN, 0}, {WM_CHAR, VK_RETURN, 0}, {WM_KEYUP, VK_RETURN, 0}}, 1},
      {"press, leave, release",
       {{WM_LBUTTONDOWN, MK_LBUTTON, 0}, {ui::CM_MOUSELEAVE, 0, 0}, {WM_LBUTTONUP, 0, 0}},
       1},
      {"release without press", {{WM_LBUTTONUP, 0, 0}}, 0},
      {"double click",
       {{WM_LBUTTONDOWN, MK_LBUTTON, 0},
        {WM_LBUTTONUP, 0, 0},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, 0},
        {WM_LBUTTONUP, 0, 0}},
       2},
  };
  for (const auto& c : cases) {
    clicks = 0;
    Send(h, c.Steps);
    PumpMessages();
    EXPECT_EQ(clicks, c.Clicks) << c.Name;
    EXPECT_FALSE(wrapper->Downed()) << c.Name;
  }
}

TEST_F(SkinControlsWin32Test, PushButtonShowsTheSkinFrameOnTheScreen) {
  ui::TButton button(ui::TButtonArgs{{Form.get(), 10, 10, 80, 25, "", 0}});
  auto wrapper = MakeSkinControl<TzelSkinButton>(button, Host);
  const TBitmap shot = Snapshot(button.Handle());
  const TBitmap frame = Frame(TSkinBitmapKey::Button, 1, kButtonFrames);
  const TColor behind =
      ui::TColor::Decode(std::get<int64_t>(*Form->GetProperty("Color"))).Resolve();
  const bool trans = Host.GetBool(TSkinBoolKey::ButtonTrans);
  int checked = 0;
  for (int y = 0; y < frame.Height() / 2; ++y) {
    for (int x = 0; x < frame.Width() / 2; ++x) {
      const TColor c = frame.Pixel(x, y);
      const TColor want = trans && c == Host.TransColor() ? behind : c;
      ASSERT_EQ(shot.Pixel(x, y), want) << x << "," << y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 4);
}

TEST_F(SkinControlsWin32Test, CheckBoxGrayedShowsFrameTwoDisabledFive) {
  HWND box = CreateWindowExW(0, L"BUTTON", L"Grau", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, 10, 60,
                             120, 21, Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(box, nullptr);
  auto wrapper = MakeSkinControl<TzelSkinWndCheckBox>(box, Host);
  SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  const bool trans = Host.GetBool(TSkinBoolKey::CheckBoxTrans);
  for (const auto& [enabled, index] : {std::pair{true, 2}, std::pair{false, 5}}) {
    EnableWindow(box, enabled);
    const TBitmap shot = Snapshot(box);
    const TBitmap frame = Frame(TSkinBitmapKey::CheckBox, index, kCheckBoxFrames);
    const TCheckBoxPlacement at =
        PlaceCheckBox({0, 0, 120, 21}, {frame.Width(), frame.Height()}, true, false);
    for (int y = 0; y < frame.Height(); ++y) {
      for (int x = 0; x < frame.Width(); ++x) {
        const TColor c = frame.Pixel(x, y);
        const TColor want = trans && c == Host.TransColor() ? Host.FormColor() : c;
        ASSERT_EQ(shot.Pixel(at.Box.X + x, at.Box.Y + y), want)
            << "frame " << index << " at " << x << "," << y;
      }
    }
  }
  // Removed: the window has its own procedure again.
  const LONG_PTR skinned = GetWindowLongPtrW(box, GWLP_WNDPROC);
  wrapper.reset();
  EXPECT_NE(GetWindowLongPtrW(box, GWLP_WNDPROC), skinned);
  HWND plain = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_AUTO3STATE, 0, 0, 10, 10,
                               Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_EQ(GetWindowLongPtrW(box, GWLP_WNDPROC), GetWindowLongPtrW(plain, GWLP_WNDPROC));
  DestroyWindow(plain);
  DestroyWindow(box);
}

TEST_F(SkinControlsWin32Test, RadioButtonFrameAndWindowDestroyedUnderTheWrapper) {
  HWND radio =
      CreateWindowExW(0, L"BUTTON", L"Eins", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 10, 90,
                      120, 21, Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  auto wrapper = MakeSkinControl<TzelSkinWndRadioButton>(radio, Host);
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageW(radio, kSkinMsgIsSkinned, 0, 0), 1);
  const TBitmap shot = Snapshot(radio);
  const TBitmap frame = Frame(TSkinBitmapKey::RadioButton, 1, kRadioButtonFrames);
  const TCheckBoxPlacement at =
      PlaceCheckBox({0, 0, 120, 21}, {frame.Width(), frame.Height()}, true, false);
  const bool trans = Host.GetBool(TSkinBoolKey::RadioButtonTrans);
  for (int y = 0; y < frame.Height(); ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      const TColor c = frame.Pixel(x, y);
      const TColor want = trans && c == Host.TransColor() ? Host.FormColor() : c;
      ASSERT_EQ(shot.Pixel(at.Box.X + x, at.Box.Y + y), want) << x << "," << y;
    }
  }
  DestroyWindow(radio);  // the wrapper lets go on WM_NCDESTROY
  wrapper.reset();
}

TEST_F(SkinControlsWin32Test, LabelFontColourComesBack) {
  ui::TLabel label(ui::TLabelArgs{{Form.get(), 10, 130, 80, 15, "Port", 0}});
  const ui::TColor own = label.Font().Color;
  auto wrapper = MakeSkinControl<TzelSkinLabel>(label, Host);
  EXPECT_TRUE(label.ParentColor());
  wrapper->SkinStateChanged();
  const TColor skin = Host.GetColor(TSkinColorKey::ControlFontColor);
  EXPECT_EQ(label.Font().Color.Resolve(), skin);
  Host.Active = false;
  wrapper->SkinStateChanged();
  EXPECT_EQ(label.Font().Color, own);
  Host.Active = true;
  wrapper->SkinStateChanged();
  EXPECT_EQ(label.Font().Color.Resolve(), skin);
  wrapper.reset();
  EXPECT_EQ(label.Font().Color, own);
}

TEST_F(SkinControlsWin32Test, EditGetsTheSkinnedBorderUnlessItHasNone) {
  const TColor border = Host.GetColor(TSkinColorKey::ControlBorderColor);
  for (int style : {1, 0}) {
    SCOPED_TRACE(style);
    ui::TEdit edit(ui::TEditArgs{{Form.get(), 10, 150, 100, 21, "8080", 0}});
    edit.SetBorderStyle(style);
    auto wrapper = MakeSkinControl<TzelSkinBorderWinControl>(edit, Host);
    EXPECT_EQ(WantsSkinnedBorder(edit, Host), style == 1);
    RedrawWindow(edit.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();
    const TBitmap shot = WindowPixels(edit.Handle());
    const TColor inner =
        ui::TColor::Decode(std::get<int64_t>(*edit.GetProperty("Color"))).Resolve();
    const int w = shot.Width(), h = shot.Height();
    int outer = 0, innerCount = 0;
    for (int x = 0; x < w; ++x) {
      outer += (shot.Pixel(x, 0) == border) + (shot.Pixel(x, h - 1) == border);
      if (x > 0 && x < w - 1) innerCount += shot.Pixel(x, 1) == inner;
    }
    if (style == 1) {
      EXPECT_EQ(outer, 2 * w);
      EXPECT_EQ(innerCount, w - 2);
      EXPECT_EQ(shot.Pixel(0, h / 2), border);
      EXPECT_EQ(shot.Pixel(1, h / 2), inner);
    } else {
      EXPECT_LT(outer, 2 * w);  // the edit's own look
    }
    // The skin list of classes without a border.
    Host.NoBorderClasses = {"TEdit"};
    EXPECT_FALSE(WantsSkinnedBorder(edit, Host));
    Host.NoBorderClasses.clear();
  }
}

// A plain native parent that counts the clicks its buttons report.
int g_Clicks = 0;
LRESULT CALLBACK CountingParent(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_COMMAND && HIWORD(AWParam) == BN_CLICKED) ++g_Clicks;
  return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
}

HWND CountingParentWindow() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingParent;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkinTestParent";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return RegisterClassW(&wc);
  }();
  EXPECT_NE(atom, 0);
  HWND parent = CreateWindowExW(0, L"SkinTestParent", L"Dialog", WS_POPUP | WS_VISIBLE, 300, 300,
                                240, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_NE(parent, nullptr);
  return parent;
}

TEST_F(SkinControlsWin32Test, NativeButtonClicksOnceAndShowsTheSkinFrame) {
  SetCursorPos(0, 0);
  HWND parent = CountingParentWindow();
  HWND button =
      CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 25,
                      parent, reinterpret_cast<HMENU>(7), GetModuleHandleW(nullptr), nullptr);
  std::vector<UINT> reached;
  ui::TForeignSubclass log(
      button, [&](const ui::TWindowMessage& AMessage, const ui::TWindowChain::TNext& ANext) {
        reached.push_back(AMessage.Message);
        return ANext(AMessage);
      });
  auto wrapper = MakeSkinControl<TzelSkinWndButton>(button, Host);
  EXPECT_TRUE(wrapper->HasTimer());
  SetFocus(button);
  PumpMessages();
  const struct {
    const char* Name;
    std::vector<TLogged> Steps;
    int Clicks;
  } cases[] = {
      {"space",
       {{WM_KEYDOWN, VK_SPACE, 0x00390001}, {WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001)}},
       1},
      {"enter is withheld", {{WM_KEYDOWN, VK_RETURN, 0}}, 0},
      {"press and release",
       {{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)}, {WM_LBUTTONUP, 0, MAKELPARAM(5, 5)}},
       1},
      {"release alone", {{WM_LBUTTONUP, 0, MAKELPARAM(5, 5)}}, 0},
  };
  for (const auto& c : cases) {
    g_Clicks = 0;
    reached.clear();
    Send(button, c.Steps);
    PumpMessages();
    EXPECT_EQ(g_Clicks, c.Clicks) << c.Name;
    const bool enterReached =
        std::find(reached.begin(), reached.end(), UINT{WM_KEYDOWN}) != reached.end() &&
        c.Steps[0].WParam == VK_RETURN;
    EXPECT_FALSE(enterReached) << c.Name;
  }

  // Hot while the pointer moves over it; the timer ends it once the
  // pointer is elsewhere.
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(wrapper->Hot());
  SetFocus(parent);
  const TBitmap hot = Snapshot(button);
  const TBitmap frame2 = Frame(TSkinBitmapKey::Button, 2, kButtonFrames);
  EXPECT_EQ(hot.Pixel(frame2.Width() / 4, frame2.Height() / 4),
            frame2.Pixel(frame2.Width() / 4, frame2.Height() / 4));
  for (int i = 0; i < 40 && wrapper->Hot(); ++i) {
    Sleep(20);
    PumpMessages();
  }
  EXPECT_FALSE(wrapper->Hot());
  ASSERT_NE(GetFocus(), button);  // no focus rectangle
  const TBitmap normal = Snapshot(button);
  const TBitmap frame1 = Frame(TSkinBitmapKey::Button, 1, kButtonFrames);
  const bool trans = Host.GetBool(TSkinBoolKey::ButtonTrans);
  // The corner left of the caption.
  for (int y = 0; y < frame1.Height() / 2; ++y) {
    for (int x = 0; x < std::min(frame1.Width() / 2, 25); ++x) {
      const TColor c = frame1.Pixel(x, y);
      if (trans && c == Host.TransColor()) continue;
      ASSERT_EQ(normal.Pixel(x, y), c) << x << "," << y;
    }
  }
  wrapper.reset();
  DestroyWindow(parent);
}

TEST_F(SkinControlsWin32Test, NoHotTimerBesideAProgressBar) {
  HWND parent = CountingParentWindow();
  CreateWindowExW(0, L"msctls_progress32", L"", WS_CHILD | WS_VISIBLE, 10, 60, 100, 16, parent,
                  nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 10, 10, 80, 25, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  auto wrapper = MakeSkinControl<TzelSkinWndButton>(button, Host);
  EXPECT_FALSE(wrapper->HasTimer());
  wrapper.reset();
  DestroyWindow(parent);
}

TEST_F(SkinControlsWin32Test, SpinEditArrowsShowThePressedHalf) {
  ui::TSpinEdit spin(ui::TSpinEditArgs{{Form.get(), 150, 10, 80, 21, "5", 0}});
  ui::TWidget* arrows = nullptr;  // the arrows sit on the form beside the field
  for (ui::TWidget* child : Form->Children()) {
    if (child->Class().InheritsFrom(ui::classes::UpDown)) arrows = child;
  }
  ASSERT_NE(arrows, nullptr);
  auto wrapper = MakeSkinControl<TzelSkinUpDown>(*arrows, Host);
  RECT rc{};
  GetClientRect(arrows->Handle(), &rc);
  const TColor border = Host.GetColor(TSkinColorKey::ToolBarBorderColor);
  const TColor down = Host.GetColor(TSkinColorKey::ToolBarDownColor);
  SendMessageW(arrows->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, rc.bottom - 2));
  EXPECT_EQ(wrapper->PressedHalf(), 1);
  TBitmap shot = Snapshot(arrows->Handle());
  EXPECT_EQ(shot.Pixel(0, 0), border);
  EXPECT_EQ(shot.Pixel(rc.right - 1, rc.bottom / 2), border);  // the second half's top
  EXPECT_EQ(shot.Pixel(1, rc.bottom - 2), down);
  EXPECT_NE(shot.Pixel(1, 1), down);
  SendMessageW(arrows->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, rc.bottom - 2));
  EXPECT_EQ(wrapper->PressedHalf(), 0);
  shot = Snapshot(arrows->Handle());
  EXPECT_NE(shot.Pixel(1, rc.bottom - 2), down);
}

TEST_F(SkinControlsWin32Test, TheEngineWrapsTheFormsControlsFromTheTablesAndLetsGo) {
  ui::TButton button(ui::TButtonArgs{{Form.get(), 10, 10, 80, 25, "OK", 0}});
  ui::TLabel label(ui::TLabelArgs{{Form.get(), 10, 50, 80, 15, "Port", 0}});
  ui::TEdit edit(ui::TEditArgs{{Form.get(), 10, 80, 100, 21, "6666", 0}});
  int clicks = 0;
  button.OnClick = [&] { ++clicks; };
  const ui::TColor ownColour = label.Font().Color;
  auto engine = StartEngine();
  ASSERT_TRUE(engine->RealActive());
  for (HWND h : {button.Handle(), label.Handle(), edit.Handle()}) {
    EXPECT_EQ(SendMessageW(h, kSkinMsgIsSkinned, 0, 0), 1);
  }
  EXPECT_EQ(label.Font().Color.Resolve(),
            static_cast<TColor>(engine->GetColor(TSkinColorKey::ControlFontColor)));
  button.SetFocus();
  SendMessageW(button.Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(button.Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 1);

  engine->SetActive(false);
  PumpMessages();
  EXPECT_EQ(label.Font().Color, ownColour);
  EXPECT_EQ(SendMessageW(button.Handle(), kSkinMsgIsSkinned, 0, 0), 0);  // passed through

  engine->SetActive(true);
  PumpMessages();
  engine.reset();
  PumpMessages();
  EXPECT_EQ(label.Font().Color, ownColour);
  EXPECT_EQ(SendMessageW(button.Handle(), kSkinMsgIsSkinned, 0, 0), 0);
  ClearSkinCtrlDefs();
}

}  // namespace
}  // namespace skin::test
