// The bar, speed button, group box and toolkit check box wrappers on real
// windows under Wine: their pixels against our own skin's images, the
// speed button's hot timer, which messages still reach each control, the
// DisabledTag and the inactive engine, and what removal gives back.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "skin/bitmap/image_routines.h"
#include "skin/controls/paint_bars.h"
#include "skin/controls/win32/skin_bars.h"
#include "skin/controls/win32/skin_checks.h"
#include "skin/controls/win32/skin_containers.h"
#include "skin/controls/win32/skin_ctrl_defs.h"
#include "skin/controls/win32/tests/wrapper_fixture.h"
#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/button_layout.h"
#include "skin/draw/state_frames.h"
#include "ui/check_box.h"
#include "ui/cool_bar.h"
#include "ui/group_box.h"
#include "ui/progress_bar.h"
#include "ui/radio_button.h"
#include "ui/speed_button.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/track_bar.h"

namespace skin::test {
namespace {

using SkinBarsWin32Test = TWrapperTest;

ui::TToolButton ToolButton(const char* ACaption,
                           ui::TToolButtonStyle AStyle = ui::TToolButtonStyle::Button) {
  ui::TToolButton button;
  button.Caption = ACaption;
  button.Style = AStyle;
  return button;
}

// Arguments of a widget whose geometry follows its parent.
ui::TWidgetArgs Along(ui::TWidget* AParent) {
  ui::TWidgetArgs args;
  args.Parent = AParent;
  return args;
}

TColor ColorOf(const ui::TWidget& AWidget) {
  return AWidget.Color().Resolve();
}

// The box of a check box or radio button against frame AIndex of its strip.
void ExpectBox(const TBitmap& AShot, const TBitmap& AFrame, TSize AClient) {
  const TCheckBoxPlacement at = PlaceCheckBox({0, 0, AClient.Width, AClient.Height},
                                              {AFrame.Width(), AFrame.Height()}, true, false);
  for (int y = 0; y < AFrame.Height(); ++y) {
    for (int x = 0; x < AFrame.Width(); ++x) {
      ASSERT_EQ(AShot.Pixel(at.Box.X + x, at.Box.Y + y), AFrame.Pixel(x, y)) << x << "," << y;
    }
  }
}

TEST_F(SkinBarsWin32Test, ToolkitCheckBoxGrayedShowsFrameTwoDisabledFive) {
  ASSERT_FALSE(Host.GetBool(TSkinBoolKey::CheckBoxTrans));  // every pixel is the frame's
  ui::TCheckBox box(
      ui::TCheckBoxArgs{{Form.get(), 10, 10, 120, 21, "Grau"}, ui::TCheckBoxState::Grayed, true});
  const ui::TColor own = box.Font().Color;
  auto wrapper = MakeSkinControl<TzelSkinCheckBox>(box, Host);
  wrapper->SkinStateChanged();
  EXPECT_EQ(box.Font().Color.Resolve(), Host.GetColor(TSkinColorKey::ControlFontColor));
  for (const auto& [enabled, index] : {std::pair{true, 2}, std::pair{false, 5}}) {
    SCOPED_TRACE(index);
    box.SetEnabled(enabled);
    ExpectBox(Snapshot(box.Handle()), Frame(TSkinBitmapKey::CheckBox, index, kCheckBoxFrames),
              {120, 21});
  }
  // The colour comes back when the engine is off, and when the wrapper goes.
  Host.Active = false;
  wrapper->SkinStateChanged();
  EXPECT_EQ(box.Font().Color, own);
  Host.Active = true;
  wrapper->SkinStateChanged();
  EXPECT_NE(box.Font().Color, own);
  wrapper.reset();
  EXPECT_EQ(box.Font().Color, own);
}

TEST_F(SkinBarsWin32Test, ToolkitRadioButtonFrames) {
  ui::TRadioButton radio(ui::TRadioButtonArgs{{Form.get(), 10, 40, 120, 21, "Eins"}, true});
  auto wrapper = MakeSkinControl<TzelSkinRadioButton>(radio, Host);
  const bool trans = Host.GetBool(TSkinBoolKey::RadioButtonTrans);
  for (const auto& [checked, enabled, index] :
       {std::tuple{true, true, 1}, std::tuple{false, true, 2}, std::tuple{false, false, 4}}) {
    SCOPED_TRACE(index);
    radio.SetEnabled(enabled);
    SendMessageW(radio.Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    TBitmap frame = Frame(TSkinBitmapKey::RadioButton, index, kRadioButtonFrames);
    // Transparent pixels show the square of the control's colour.
    if (trans) ReplaceColor(frame, Host.TransColor(), ColorOf(radio));
    ExpectBox(Snapshot(radio.Handle()), frame, {120, 21});
  }
  // A double click runs OnDblClick once: by the wrapper while skinned, by
  // the control itself once the wrapper is gone.
  radio.SetEnabled(true);
  int doubles = 0;
  radio.OnDblClick = [&] { ++doubles; };
  for (int round = 0; round < 2; ++round) {
    SendMessageW(radio.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(radio.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    PumpMessages();
    EXPECT_EQ(doubles, round + 1) << round;
    wrapper.reset();
  }
}

// What the wrapper of a progress bar of ALook shows, painted portably.
TBitmap ExpectedProgress(const TzelSkinHost& AHost, const TProgressLook& ALook, TColor ABack) {
  TBitmap out(ALook.Size.Width, ALook.Size.Height, ABack);
  TBitmapCanvas canvas(out);
  PaintProgressBar(canvas, AHost, ALook);
  return out;
}

TEST_F(SkinBarsWin32Test, ProgressBarHorizontalAndVerticalOnThePixel) {
  for (const bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    const TSize size = vertical ? TSize{12, 120} : TSize{150, 12};
    ui::TProgressBar bar(
        ui::TProgressBarArgs{{Form.get(), 10, 10, size.Width, size.Height, ""},
                             0,
                             200,
                             70,
                             vertical ? ui::TOrientation::Vertical : ui::TOrientation::Horizontal});
    auto wrapper = MakeSkinControl<TzelSkinProgressBar>(bar, Host);
    TProgressLook look{size, vertical, 0, 200, 70};
    const TBitmap shot = Snapshot(bar.Handle());
    EXPECT_EQ(Differing(shot, ExpectedProgress(Host, look, ColorOf(*Form))), 0);
    // The start cap is the skin's first piece, unscaled across.
    TBitmap start;
    ASSERT_TRUE(Host.GetBitmap(TSkinBitmapKey::ProgressBar1, start, 0, 0));
    if (vertical) RotateLeft(start);
    EXPECT_EQ(shot.Pixel(0, size.Height - 1), start.Pixel(0, start.Height() - 1));
    if (!vertical) {
      // The fill is the second piece, the empty track the third.
      TBitmap fill, track;
      ASSERT_TRUE(Host.GetBitmap(TSkinBitmapKey::ProgressBar2, fill, 0, 0));
      ASSERT_TRUE(Host.GetBitmap(TSkinBitmapKey::ProgressBar3, track, 0, 0));
      const int border2 = 150 - start.Width();  // caps of equal width in our skin
      EXPECT_EQ(shot.Pixel(start.Width(), 5), fill.Pixel(0, 5));
      EXPECT_EQ(shot.Pixel(border2 - 1, 5), track.Pixel(track.Width() - 1, 5));
    }
    // The set-position message repaints at once.
    bar.SetPosition(150);
    look.Position = 150;
    HDC dc = GetDC(bar.Handle());
    const TBitmap now = PixelsOf(dc, size.Width, size.Height);
    ReleaseDC(bar.Handle(), dc);
    EXPECT_EQ(Differing(now, ExpectedProgress(Host, look, ColorOf(*Form))), 0);
  }
}

TEST_F(SkinBarsWin32Test, TrackBarThumbAndChannelFromTheSkin) {
  for (const bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    const TSize size = vertical ? TSize{34, 150} : TSize{150, 34};
    ui::TTrackBar track(
        ui::TTrackBarArgs{{Form.get(), 10, 10, size.Width, size.Height, ""},
                          0,
                          10,
                          4,
                          1,
                          vertical ? ui::TOrientation::Vertical : ui::TOrientation::Horizontal});
    auto wrapper = MakeSkinControl<TzelSkinTrackBar>(track, Host);
    TBitmap bar;
    ASSERT_TRUE(Host.GetBitmap(TSkinBitmapKey::TrackBar, bar, 0, 0));
    if (vertical) RotateLeft(bar);
    EXPECT_EQ(wrapper->BarImg(), bar);
    const TBitmap shot = Snapshot(track.Handle());
    RECT rc{}, ch{};
    SendMessageW(track.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&rc));
    SendMessageW(track.Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&ch));
    const TRect thumbRect{rc.left, rc.top, rc.right, rc.bottom};
    TBitmap thumb;
    ASSERT_TRUE(Host.GetBitmap(
        vertical ? TSkinBitmapKey::TrackBarVSlider : TSkinBitmapKey::TrackBarSlider, thumb, 0, 0));
    const TRect at = PlaceTrackThumb(thumbRect, {thumb.Width(), thumb.Height()});
    int checked = 0;
    for (int y = 0; y < thumb.Height(); ++y) {
      for (int x = 0; x < thumb.Width(); ++x) {
        if (thumb.Pixel(x, y) == Host.TransColor()) continue;
        ASSERT_EQ(shot.Pixel(at.Left + x, at.Top + y), thumb.Pixel(x, y)) << x << "," << y;
        ++checked;
      }
    }
    EXPECT_GT(checked, thumb.Width() * thumb.Height() / 2);
    // The channel's first end, unscaled, where the thumb is not.
    TRect channel{ch.left, ch.top, ch.right, ch.bottom};
    if (vertical && channel.Width() > channel.Height()) {
      channel = {ch.top, ch.left, ch.bottom, ch.right};
    }
    const TRect placed =
        PlaceTrackChannel(channel, thumbRect, {bar.Width(), bar.Height()}, vertical);
    for (int i = 0; i < kTrackBarChannelEnd; ++i) {
      for (int j = 0; j < (vertical ? bar.Width() : bar.Height()); ++j) {
        const int x = vertical ? placed.Left + j : placed.Left + i;
        const int y = vertical ? placed.Top + i : placed.Top + j;
        ASSERT_EQ(shot.Pixel(x, y), vertical ? bar.Pixel(j, i) : bar.Pixel(i, j)) << i << "," << j;
      }
    }
    EXPECT_EQ(shot.Pixel(0, 0), ColorOf(*Form));
  }
}

TEST_F(SkinBarsWin32Test, SpeedButtonHotStateComesAndGoesWithItsTimer) {
  SetCursorPos(0, 0);  // off the centred form
  ui::TSpeedButton button(ui::TSpeedButtonArgs{{Form.get(), 10, 10, 60, 25, ""}});
  auto wrapper = MakeSkinControl<TzelSkinSpeedButton>(button, Host);
  const TColor border = Host.GetColor(TSkinColorKey::ToolBarBorderColor);
  TBitmap shot = Snapshot(button.Handle());
  EXPECT_EQ(shot.Pixel(0, 0), border);
  EXPECT_EQ(shot.Pixel(5, 5), Host.FormColor());
  EXPECT_FALSE(wrapper->HasTimer());

  SendMessageW(button.Handle(), ui::CM_MOUSEENTER, 0, 0);
  const auto entered = std::chrono::steady_clock::now();
  EXPECT_TRUE(wrapper->Hot());
  EXPECT_TRUE(wrapper->HasTimer());
  HDC dc = GetDC(button.Handle());
  shot = PixelsOf(dc, 60, 25);
  ReleaseDC(button.Handle(), dc);
  EXPECT_EQ(shot.Pixel(5, 5), Host.GetColor(TSkinColorKey::ToolBarOnColor));
  EXPECT_EQ(shot.Pixel(59, 24), border);
  for (int i = 0; i < 100 && wrapper->Hot(); ++i) {
    Sleep(20);
    PumpMessages();
  }
  const auto held = std::chrono::steady_clock::now() - entered;
  EXPECT_FALSE(wrapper->Hot());
  EXPECT_FALSE(wrapper->HasTimer());
  EXPECT_GE(held, std::chrono::milliseconds(200));  // the timer, not the next message
  shot = Snapshot(button.Handle());
  EXPECT_EQ(shot.Pixel(5, 5), Host.FormColor());

  // Pressed: the down colour.
  SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  shot = Snapshot(button.Handle());
  EXPECT_EQ(shot.Pixel(5, 5), Host.GetColor(TSkinColorKey::ToolBarDownColor));
  SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(70, 5));  // released outside
  // Drawn as a push button: its state frame.
  Host.SpeedButtonAsBitBtn = true;
  shot = Snapshot(button.Handle());
  const TBitmap frame = Frame(TSkinBitmapKey::Button, 1, kButtonFrames);
  EXPECT_EQ(shot.Pixel(1, 1), frame.Pixel(1, 1));
  EXPECT_EQ(shot.Pixel(2, 3), frame.Pixel(2, 3));
}

TEST_F(SkinBarsWin32Test, SpeedButtonTaggedKeepsItsPaintingWithinAFrame) {
  ui::TSpeedButton button(ui::TSpeedButtonArgs{
      {Form.get(), 10, 10, 60, 25, "Los", int{TzelSkinSpeedButton::kOwnLookTag}}});
  const TBitmap own = Snapshot(button.Handle());
  TOuterLog log(button, {WM_PAINT});
  auto wrapper = MakeSkinControl<TzelSkinSpeedButton>(button, Host);
  const TBitmap shot = Snapshot(button.Handle());
  EXPECT_FALSE(log.Seen.empty());  // it painted itself
  const TColor face = GetSysColor(COLOR_BTNFACE);
  const TColor border = Host.GetColor(TSkinColorKey::ControlBorderColor);
  int inside = 0;
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 60; ++x) {
      const bool ring = x < 2 || y < 2 || x >= 58 || y >= 23;
      if (!ring) {
        inside += own.Pixel(x, y) != shot.Pixel(x, y);
      } else {
        ASSERT_EQ(shot.Pixel(x, y), x == 0 ? border : face) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(inside, 0);
}

TEST_F(SkinBarsWin32Test, ToolBarPaintsTheSkinAndGivesBackFlatAndColor) {
  ui::TToolBar bar(
      ui::TToolBarArgs{{Form.get(), 0, 0, 300, 30, ""},
                       nullptr,
                       {ToolButton("Eins"), ToolButton("", ui::TToolButtonStyle::Separator)},
                       false});
  const ui::TColor own = ui::TColor::Rgb(10, 20, 30);
  bar.SetColor(own);
  auto wrapper = MakeSkinControl<TzelSkinToolBar>(bar, Host);
  wrapper->SkinStateChanged();
  EXPECT_TRUE(bar.Flat());
  EXPECT_TRUE(bar.ParentColor());
  // Right of the buttons: the skin's tool bar image, stretched.
  TBitmap expected(300, 30);
  TBitmapCanvas canvas(expected);
  PaintToolBarBack(canvas, Host, {300, 30});
  const TBitmap shot = Snapshot(bar.Handle());
  for (int y = 0; y < 30; ++y) {
    for (int x = 200; x < 300; ++x)
      ASSERT_EQ(shot.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
  }
  for (int round = 0; round < 2; ++round) {
    Host.Active = false;
    wrapper->SkinStateChanged();
    EXPECT_FALSE(bar.Flat());
    EXPECT_FALSE(bar.ParentColor());
    EXPECT_EQ(bar.Color(), own);
    Host.Active = true;
    wrapper->SkinStateChanged();
    EXPECT_TRUE(bar.Flat());
  }
  wrapper.reset();
  EXPECT_FALSE(bar.Flat());
  EXPECT_EQ(bar.Color(), own);
  EXPECT_FALSE(bar.ParentColor());
}

TEST_F(SkinBarsWin32Test, StatusBarGripAndGroupBoxFrame) {
  ui::TStatusBar status(ui::TStatusBarArgs{Along(Form.get()), {{"Bereit", 100}, {"", 0}}, true});
  auto statusWrapper = MakeSkinControl<TzelSkinStatusBar>(status, Host);
  RECT rc{};
  GetClientRect(status.Handle(), &rc);
  const TRect grip = SizeGripRect({rc.right, rc.bottom}, GetSystemMetrics(SM_CXVSCROLL));
  ASSERT_FALSE(grip.Empty());
  TBitmap want(grip.Width(), grip.Height());
  TBitmapCanvas canvas(want);
  PaintSizeGrip(canvas, {0, 0, grip.Width(), grip.Height()}, ColorOf(status),
                Host.GetColor(TSkinColorKey::ControlBorderColor), 0x00FFFFFF);
  TBitmap shot = Snapshot(status.Handle());
  for (int y = 0; y < grip.Height(); ++y) {
    for (int x = 0; x < grip.Width(); ++x) {
      ASSERT_EQ(shot.Pixel(grip.Left + x, grip.Top + y), want.Pixel(x, y)) << x << "," << y;
    }
  }

  ui::TGroupBox group(ui::TWidgetArgs{Form.get(), 10, 10, 200, 100, "Dienst"});
  auto groupWrapper = MakeSkinControl<TzelSkinGroupBox>(group, Host);
  shot = Snapshot(group.Handle());
  const TColor border = Host.GetColor(TSkinColorKey::ControlBorderColor);
  EXPECT_EQ(shot.Pixel(0, 60), border);
  EXPECT_EQ(shot.Pixel(199, 99), border);
  EXPECT_EQ(shot.Pixel(100, 99), border);
  EXPECT_NE(shot.Pixel(0, 1), border);  // above the frame line
  int caption = 0;                      // the caption in the skin's font colour
  for (int x = 8; x < 60; ++x) {
    for (int y = 0; y < 15; ++y)
      caption += shot.Pixel(x, y) == Host.GetColor(TSkinColorKey::ControlFontColor);
  }
  EXPECT_GT(caption, 5);
}

// One toolkit wrapper kind: how to make its control and wrapper, and which
// messages of kProbe its wrapper keeps from the control while skinned.
struct TKind {
  const char* Name;
  std::function<std::unique_ptr<ui::TWidget>(ui::TWidget*)> MakeControl;
  std::function<std::unique_ptr<TzelSkinControl>(ui::TWidget&, TzelSkinHost&)> Wrap;
  std::set<UINT> Withheld;
};

template <class W>
std::unique_ptr<TzelSkinControl> Wrap(ui::TWidget& AControl, TzelSkinHost& AHost) {
  return MakeSkinControl<W>(AControl, AHost);
}

const std::set<UINT> kOwnerPainted = {WM_PAINT, WM_ERASEBKGND};

std::vector<TKind> Kinds() {
  auto at = [](ui::TWidget* AParent, int AW, int AH) {
    return ui::TWidgetArgs{AParent, 10, 10, AW, AH, "Test"};
  };
  return {
      {"progress bar",
       [=](ui::TWidget* P) {
         return std::make_unique<ui::TProgressBar>(
             ui::TProgressBarArgs{at(P, 150, 12), 0, 100, 30});
       },
       Wrap<TzelSkinProgressBar>, kOwnerPainted},
      {"track bar",
       [=](ui::TWidget* P) {
         return std::make_unique<ui::TTrackBar>(ui::TTrackBarArgs{at(P, 150, 30), 0, 10, 3});
       },
       Wrap<TzelSkinTrackBar>, kOwnerPainted},
      {"speed button",
       [=](ui::TWidget* P) {
         return std::make_unique<ui::TSpeedButton>(ui::TSpeedButtonArgs{at(P, 60, 25)});
       },
       Wrap<TzelSkinSpeedButton>,
       {WM_PAINT, WM_ERASEBKGND, WM_TIMER}},
      {"tool bar",
       [=](ui::TWidget* P) {
         return std::make_unique<ui::TToolBar>(
             ui::TToolBarArgs{at(P, 200, 30), nullptr, {ToolButton("A")}});
       },
       Wrap<TzelSkinToolBar>, kOwnerPainted},
      {"status bar",
       [=](ui::TWidget* P) {
         return std::make_unique<ui::TStatusBar>(ui::TStatusBarArgs{Along(P), {{"Bereit", 100}}});
       },
       Wrap<TzelSkinStatusBar>,
       {}},
      {"group box",
       [=](ui::TWidget* P) { return std::make_unique<ui::TGroupBox>(at(P, 150, 60)); },
       Wrap<TzelSkinGroupBox>,
       {}},
      {"cool bar",
       [=](ui::TWidget* P) { return std::make_unique<ui::TCoolBar>(at(P, 200, 30)); },
       Wrap<TzelSkinPanel>,
       {}},
      {"check box",
       [=](ui::TWidget* P) {
         return std::make_unique<ui::TCheckBox>(ui::TCheckBoxArgs{at(P, 120, 21)});
       },
       Wrap<TzelSkinCheckBox>,
       {}},
      {"radio button",
       [=](ui::TWidget* P) {
         return std::make_unique<ui::TRadioButton>(ui::TRadioButtonArgs{at(P, 120, 21)});
       },
       Wrap<TzelSkinRadioButton>,
       {WM_ERASEBKGND, WM_LBUTTONDBLCLK}},
  };
}

// Paint, erase, a double click, a key, the speed button's hot timer, a
// private message and the pointer's arrival and leaving.
std::vector<TLogged> Probe(HDC AEraseDc) {
  return {
      {WM_PAINT, 0, 0},
      {WM_ERASEBKGND, reinterpret_cast<WPARAM>(AEraseDc), 0},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3)},
      {WM_LBUTTONUP, 0, MAKELPARAM(3, 3)},
      {WM_KEYDOWN, VK_END, 0},
      {WM_TIMER, TzelSkinSpeedButton::kHotTimer, 0},
      {WM_APP + 7, 1, 2},  // WM_USER ones mean something to the common controls
      {ui::CM_MOUSEENTER, 0, 0},
      {ui::CM_MOUSELEAVE, 0, 0},
  };
}

class TEraseDc {
 public:
  TEraseDc() : FDc(CreateCompatibleDC(nullptr)), FBitmap(CreateCompatibleBitmap(FDc, 400, 200)) {
    FOld = SelectObject(FDc, FBitmap);
  }
  ~TEraseDc() {
    SelectObject(FDc, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDc);
  }
  HDC Get() const { return FDc; }

 private:
  HDC FDc;
  HBITMAP FBitmap;
  HGDIOBJ FOld;
};

TEST_F(SkinBarsWin32Test, EachKindWhileSkinnedWithholdsOnlyWhatItPaintsItself) {
  SetCursorPos(0, 0);
  TEraseDc erase;
  const std::vector<TLogged> probe = Probe(erase.Get());
  for (const TKind& kind : Kinds()) {
    SCOPED_TRACE(kind.Name);
    auto control = kind.MakeControl(Form.get());
    TOuterLog log(*control, MessagesOf(probe));
    auto wrapper = kind.Wrap(*control, Host);
    Send(control->Handle(), probe);
    std::vector<TLogged> want;
    for (const auto& m : probe) {
      if (!kind.Withheld.count(m.Msg)) want.push_back(m);
    }
    EXPECT_EQ(log.Seen, want);
    EXPECT_EQ(SendMessageW(control->Handle(), kSkinMsgIsSkinned, 0, 0), 1);
    wrapper.reset();
    PumpMessages();
  }
}

TEST_F(SkinBarsWin32Test, DisabledTagAndInactiveEngineLeaveEveryKindAlone) {
  SetCursorPos(0, 0);
  TEraseDc erase;
  const std::vector<TLogged> probe = Probe(erase.Get());
  for (const TKind& kind : Kinds()) {
    for (int round = 0; round < 2; ++round) {
      SCOPED_TRACE(std::string(kind.Name) + (round == 0 ? ", DisabledTag" : ", inactive engine"));
      auto control = kind.MakeControl(Form.get());
      PumpMessages();
      const TBitmap own = Snapshot(control->Handle());
      if (round == 0) {
        control->SetTag(9999);
      } else {
        Host.Active = false;
      }
      TOuterLog log(*control, MessagesOf(probe));
      auto wrapper = kind.Wrap(*control, Host);
      wrapper->SkinStateChanged();
      EXPECT_EQ(Differing(own, Snapshot(control->Handle())), 0);
      log.Seen.clear();
      Send(control->Handle(), probe);
      EXPECT_EQ(log.Seen, probe);
      EXPECT_EQ(SendMessageW(control->Handle(), kSkinMsgIsSkinned, 0, 0), 0);
      Host.Active = true;
      wrapper.reset();
      PumpMessages();
    }
  }
}

TEST_F(SkinBarsWin32Test, NativeToolBarGetsEveryMessage) {
  HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NORESIZE, 0, 0,
                             200, 30, Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(bar, nullptr);
  const LONG_PTR style = GetWindowLongPtrW(bar, GWL_STYLE);
  TEraseDc erase;
  const std::vector<TLogged> probe = Probe(erase.Get());
  TMessageLog log(MessagesOf(probe));
  ui::TForeignSubclass spy(
      bar, [&](const ui::TWindowMessage& AMessage, const ui::TWindowChain::TNext& ANext) {
        return log.Pass(AMessage.Message, AMessage.WParam, AMessage.LParam,
                        [&] { return ANext(AMessage); });
      });
  auto wrapper = MakeSkinControl<TzelSkinWndToolbarWindow32>(bar, Host);
  EXPECT_EQ(GetWindowLongPtrW(bar, GWL_STYLE), style);  // not the 9x family
  for (const bool active : {true, false}) {
    SCOPED_TRACE(active);
    Host.Active = active;
    log.Seen.clear();
    Send(bar, probe);
    EXPECT_EQ(log.Seen, probe);
    EXPECT_EQ(SendMessageW(bar, kSkinMsgIsSkinned, 0, 0), active ? 1 : 0);
  }
  Host.Active = true;
  wrapper.reset();
  DestroyWindow(bar);
}

TEST_F(SkinBarsWin32Test, TheEngineWrapsEveryKindFromItsTables) {
  std::vector<std::unique_ptr<ui::TWidget>> controls;
  for (const TKind& kind : Kinds()) controls.push_back(kind.MakeControl(Form.get()));
  auto* bar = dynamic_cast<ui::TToolBar*>(controls[3].get());
  ASSERT_NE(bar, nullptr);
  bar->SetFlat(false);
  auto engine = StartEngine();
  ASSERT_TRUE(engine->RealActive());
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(SendMessageW(controls[i]->Handle(), kSkinMsgIsSkinned, 0, 0), 1) << Kinds()[i].Name;
  }
  EXPECT_TRUE(bar->Flat());
  engine.reset();
  PumpMessages();
  EXPECT_FALSE(bar->Flat());
  for (auto& control : controls) {
    EXPECT_EQ(SendMessageW(control->Handle(), kSkinMsgIsSkinned, 0, 0), 0);
  }
  ClearSkinCtrlDefs();
}

}  // namespace
}  // namespace skin::test
