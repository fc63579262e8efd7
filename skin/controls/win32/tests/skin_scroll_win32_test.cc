// The scroll family of wrappers on real windows under Wine: which controls
// get overlay scroll bars, where they sit, what they show against our own
// skin's scroll images, that a click on them scrolls the control, what
// reaches each control's own procedure, and the engine switched off.
#include <gtest/gtest.h>

#include <windows.h>

// after windows.h
#include <commctrl.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "skin/bitmap/image_routines.h"
#include "skin/controls/thumb_tracking.h"
#include "skin/controls/win32/skin_ctrl_defs.h"
#include "skin/controls/win32/skin_list_view.h"
#include "skin/controls/win32/skin_scroll.h"
#include "skin/controls/win32/tests/control_test_util.h"
#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/own/own_skin.h"
#include "skin/tests/test_files.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/memo.h"
#include "ui/panel.h"
#include "ui/scroll_bar.h"
#include "ui/scroll_box.h"
#include "ui/string_grid.h"
#include "ui/tests/win32/probe.h"
#include "ui/tree_view.h"

namespace skin::test {
namespace {

using ui::test::PumpMessages;

TColor WindowPixel(HWND AWindow, int AX, int AY) {
  HDC dc = GetWindowDC(AWindow);
  const TColor c = GetPixel(dc, AX, AY);
  ReleaseDC(AWindow, dc);
  return c;
}

void RedrawAll(HWND AWindow) {
  RedrawWindow(AWindow, nullptr, nullptr,
               RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages();
}

RECT BarInParent(HWND AControl, LONG AObject) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  GetScrollBarInfo(AControl, AObject, &info);
  MapWindowPoints(nullptr, GetParent(AControl), reinterpret_cast<POINT*>(&info.rcScrollBar), 2);
  return info.rcScrollBar;
}

bool SameRect(const RECT& A, const RECT& B) {
  return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}

std::vector<std::string> ManyLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < 60; ++i) lines.push_back("Zeile " + std::to_string(i));
  lines.push_back(std::string(200, 'W'));  // wider than the field
  return lines;
}

class SkinScrollWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadOwnSkin(FDir, FReader);
    Res.SetReader(&FReader);
    Form = std::make_unique<ui::TForm>(ui::TFormArgs{&Application, "Test", 420, 320});
    Form->Show();
    PumpMessages();
  }
  void TearDown() override { Form.reset(); }

  std::unique_ptr<ui::TMemo> MakeMemo(int ALeft = 10) {
    ui::TMemoArgs args;
    args.Widget = {Form.get(), ALeft, 10, 200, 120, "", 0};
    args.Lines = ManyLines();
    args.ScrollBars = ui::TScrollStyle::Both;
    args.WordWrap = false;
    auto memo = std::make_unique<ui::TMemo>(args);
    PumpMessages();
    return memo;
  }

  TScratchDir FDir;
  TzelSkinReader FReader;
  ui::TApplication Application{"Konfigurator"};
  std::unique_ptr<ui::TForm> Form;

 public:
  TReaderSkinHost Host{FReader};
  TzelSkinScrollBtnRes Res;
};

TEST_F(SkinScrollWin32Test, SingleLineEditHasTheBorderOnlyAMultiLineEditBothBars) {
  const TColor border = Host.GetColor(TSkinColorKey::ControlBorderColor);
  ui::TEdit edit(ui::TEditArgs{{Form.get(), 10, 150, 100, 21, "6666", 0}});
  auto editWrapper = MakeSkinControl<TzelSkinScrollWinControl>(edit, Host, Res);
  EXPECT_EQ(editWrapper->VScroll(), nullptr);
  EXPECT_EQ(editWrapper->HScroll(), nullptr);

  auto memo = MakeMemo();
  memo->SetParentColor(false);
  auto memoWrapper = MakeSkinControl<TzelSkinScrollWinControl>(*memo, Host, Res);
  RedrawAll(Form->Handle());
  // The family paints on the control's own colour.
  EXPECT_FALSE(memoWrapper->ParentColor());
  EXPECT_FALSE(memo->ParentColor());
  ASSERT_NE(memoWrapper->VScroll(), nullptr);
  ASSERT_NE(memoWrapper->HScroll(), nullptr);
  EXPECT_TRUE(memoWrapper->VScroll()->Visible());
  EXPECT_TRUE(memoWrapper->HScroll()->Visible());
  // Right over the system's bars.
  EXPECT_TRUE(
      SameRect(memoWrapper->VScroll()->Bounds(), BarInParent(memo->Handle(), OBJID_VSCROLL)));
  EXPECT_TRUE(
      SameRect(memoWrapper->HScroll()->Bounds(), BarInParent(memo->Handle(), OBJID_HSCROLL)));
  // Both have the skinned border.
  for (HWND h : {edit.Handle(), memo->Handle()}) {
    RECT rc{};
    GetWindowRect(h, &rc);
    EXPECT_EQ(WindowPixel(h, 0, 0), border);
    EXPECT_EQ(WindowPixel(h, (rc.right - rc.left) / 2, rc.bottom - rc.top - 1), border);
  }
  // The corner between the bars in the form colour.
  const RECT v = memoWrapper->VScroll()->Bounds();
  const RECT hz = memoWrapper->HScroll()->Bounds();
  RECT window{};
  GetWindowRect(memo->Handle(), &window);
  MapWindowPoints(nullptr, Form->Handle(), reinterpret_cast<POINT*>(&window), 2);
  EXPECT_EQ(WindowPixel(memo->Handle(), v.left - window.left + 2, hz.top - window.top + 2),
            Host.FormColor());
}

TEST_F(SkinScrollWin32Test, OverlaysFollowMovesVisibilityAndDrawScrollBar) {
  auto memo = MakeMemo();
  auto wrapper = MakeSkinControl<TzelSkinScrollWinControl>(*memo, Host, Res);
  RedrawAll(Form->Handle());
  TzelSkinInternalScrollBar& v = *wrapper->VScroll();
  memo->SetBounds(40, 30, 180, 150);
  PumpMessages();
  EXPECT_TRUE(SameRect(v.Bounds(), BarInParent(memo->Handle(), OBJID_VSCROLL)));
  EXPECT_TRUE(SameRect(wrapper->HScroll()->Bounds(), BarInParent(memo->Handle(), OBJID_HSCROLL)));
  memo->SetVisible(false);
  PumpMessages();
  EXPECT_FALSE(v.Visible());
  memo->SetVisible(true);
  RedrawAll(Form->Handle());
  EXPECT_TRUE(v.Visible());
  Host.ScrollBars = false;  // the engine's DrawScrollBar
  SendMessageW(memo->Handle(), kSkinMsgRepaintControl, 0, 0);
  EXPECT_FALSE(v.Visible());
  Host.ScrollBars = true;
  SendMessageW(memo->Handle(), kSkinMsgRepaintControl, 0, 0);
  EXPECT_TRUE(v.Visible());
}

TEST_F(SkinScrollWin32Test, OverlayShowsTheSkinsScrollImages) {
  auto memo = MakeMemo();
  auto wrapper = MakeSkinControl<TzelSkinScrollWinControl>(*memo, Host, Res);
  RedrawAll(Form->Handle());
  ASSERT_NE(wrapper->VScroll(), nullptr);
  const HWND overlay = wrapper->VScroll()->Handle();
  const TBitmap shot = ClientPixels(overlay);
  const int w = shot.Width(), h = shot.Height();
  ASSERT_GT(h, 2 * w);

  // The arrows: the first frames of the skin's button strips, the skin's
  // transparent colour turned into the bar colour, resampled to the bar's
  // thickness.
  const TColor bar = Host.GetColor(TSkinColorKey::ScrollBarColor);
  for (const auto& [key, top] : {std::pair{TSkinBitmapKey::ScrollBarUpButton, 0},
                                 std::pair{TSkinBitmapKey::ScrollBarDownButton, h - w}}) {
    TBitmap frame;
    ASSERT_TRUE(Host.GetBitmap(key, frame, 1, 3));
    ReplaceColor(frame, Host.TransColor(), bar);
    for (int y = 0; y < w; ++y) {
      for (int x = 0; x < w; ++x) {
        const TColor want = frame.Pixel(StretchSource(x, w, frame.Width(), TAxis::Columns),
                                        StretchSource(y, w, frame.Height(), TAxis::Rows));
        ASSERT_EQ(shot.Pixel(x, top + y), want) << "arrow at " << top << ": " << x << "," << y;
      }
    }
  }

  // The whole bar as the portable painter paints it from the system's
  // thumb.
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetScrollBarInfo(memo->Handle(), OBJID_VSCROLL, &info));
  ASSERT_LT(info.xyThumbTop, info.xyThumbBottom);
  TBitmap want(w, h);
  TBitmapCanvas canvas(want);
  PaintScrollBar(canvas, Host, Res,
                 {TScrollDir::Vertical, {w, h}, true, info.xyThumbTop, info.xyThumbBottom});
  int differing = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) differing += shot.Pixel(x, y) != want.Pixel(x, y);
  }
  EXPECT_EQ(differing, 0);
  // The thumb's start cap is the skin's, cut from "SKIN2_SCROLLBAR".
  TBitmap thumb;
  ASSERT_TRUE(Host.GetBitmap(TSkinBitmapKey::ScrollBar, thumb, 0, 0));
  ReplaceColor(thumb, Host.TransColor(), bar);
  EXPECT_EQ(shot.Pixel(w / 2, info.xyThumbTop),
            thumb.Pixel(StretchSource(w / 2, w, thumb.Width(), TAxis::Columns), 0));
}

TEST_F(SkinScrollWin32Test, ClickOnTheOverlayScrollsTheControl) {
  auto memo = MakeMemo();
  TOwnLog log(*memo, {WM_NCLBUTTONDOWN});
  auto wrapper = MakeSkinControl<TzelSkinScrollWinControl>(*memo, Host, Res);
  RedrawAll(Form->Handle());
  ASSERT_NE(wrapper->VScroll(), nullptr);
  const HWND overlay = wrapper->VScroll()->Handle();
  const HWND h = memo->Handle();
  ASSERT_EQ(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  RECT rc{};
  GetClientRect(overlay, &rc);
  const POINT down{rc.right / 2, rc.bottom - rc.right / 2};  // the down arrow
  // The system's tracking of the press ends at the release waiting for it.
  POINT at = down;
  ClientToScreen(overlay, &at);
  ScreenToClient(h, &at);
  PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
  PumpMessages();
  EXPECT_GT(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  ASSERT_EQ(log.Seen.size(), 1u);
  EXPECT_EQ(log.Seen[0].WParam, static_cast<WPARAM>(HTVSCROLL));
  POINT screen = down;
  ClientToScreen(overlay, &screen);
  EXPECT_EQ(log.Seen[0].LParam, MAKELPARAM(screen.x, screen.y));
}

// The overlay of AWrapper's vertical bar as the painter paints the thumb
// ATop..ABottom.
TBitmap PaintedBar(TzelSkinScrollWinControl& AWrapper, const TzelSkinSource& ASkin,
                   const TzelSkinScrollBtnRes& ARes, int ATop, int ABottom) {
  RECT rc{};
  GetClientRect(AWrapper.VScroll()->Handle(), &rc);
  TBitmap want(rc.right, rc.bottom);
  TBitmapCanvas canvas(want);
  PaintScrollBar(canvas, ASkin, ARes,
                 {TScrollDir::Vertical, {rc.right, rc.bottom}, true, ATop, ABottom});
  return want;
}

TEST_F(SkinScrollWin32Test, RealPointerClickOnTheOverlayScrollsTheControl) {
  auto memo = MakeMemo();
  auto wrapper = MakeSkinControl<TzelSkinScrollWinControl>(*memo, Host, Res);
  RedrawAll(Form->Handle());
  const HWND overlay = wrapper->VScroll()->Handle();
  RECT rc{};
  GetWindowRect(overlay, &rc);
  // The pointer on the down arrow, pressed and released by the input queue.
  SetCursorPos((rc.left + rc.right) / 2, rc.bottom - (rc.right - rc.left) / 2);
  PumpMessages();
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
  for (int i = 0; i < 20 && SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0) == 0; ++i) {
    Sleep(20);
    PumpMessages();
  }
  EXPECT_GT(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(GetCapture(), nullptr);  // the drag loop ended with the release
  SetCursorPos(0, 0);
}

TEST_F(SkinScrollWin32Test, DraggedThumbPaintedWhereItIsDraggedOnTheDraggedControlOnly) {
  auto memo = MakeMemo();
  auto other = MakeMemo(210);
  auto wrapper = MakeSkinControl<TzelSkinScrollWinControl>(*memo, Host, Res);
  auto otherWrapper = MakeSkinControl<TzelSkinScrollWinControl>(*other, Host, Res);
  RedrawAll(Form->Handle());
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetScrollBarInfo(memo->Handle(), OBJID_VSCROLL, &info));
  const int top = info.xyThumbTop, bottom = info.xyThumbBottom;

  // The press was at y 100; the pointer is 20 pixels lower now, and the
  // system's drag loop holds the capture on the memo.
  ThumbTracking().PressV = 100;
  SetCursorPos(100, 120);
  SetCapture(memo->Handle());
  SendMessageW(memo->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
  ASSERT_TRUE(ThumbTracking().V.Tracking);
  EXPECT_EQ(ThumbTracking().V.TrackTop, top + 20);
  EXPECT_EQ(ClientPixels(wrapper->VScroll()->Handle()),
            PaintedBar(*wrapper, Host, Res, top + 20, bottom + 20));
  // The other memo's overlay keeps its own thumb.
  SendMessageW(other->Handle(), kSkinMsgRepaintControl, 0, 0);
  EXPECT_EQ(ClientPixels(otherWrapper->VScroll()->Handle()),
            PaintedBar(*otherWrapper, Host, Res, top, bottom));

  // Dropped: the system's thumb again.
  SendMessageW(memo->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
  ReleaseCapture();
  EXPECT_FALSE(ThumbTracking().V.Tracking);
  EXPECT_EQ(ClientPixels(wrapper->VScroll()->Handle()), PaintedBar(*wrapper, Host, Res, top, bottom));
  SetCursorPos(0, 0);
}

TEST_F(SkinScrollWin32Test, ScrollBarOverlayUnlessThickerThan100) {
  ui::TScrollBar thin(ui::TScrollBarArgs{{Form.get(), 10, 150, 200, 17, "", 0}});
  ui::TScrollBar thick(ui::TScrollBarArgs{{Form.get(), 10, 180, 200, 101, "", 0}});
  auto thinWrapper = MakeSkinControl<TzelSkinScrollBar>(thin, Host, Res);
  auto thickWrapper = MakeSkinControl<TzelSkinScrollBar>(thick, Host, Res);
  thinWrapper->SkinStateChanged();
  thickWrapper->SkinStateChanged();
  RedrawAll(Form->Handle());
  ASSERT_NE(thinWrapper->Scroll(), nullptr);
  ASSERT_NE(thickWrapper->Scroll(), nullptr);
  EXPECT_TRUE(thinWrapper->Scroll()->Visible());
  EXPECT_FALSE(thickWrapper->Scroll()->Visible());
  const RECT bounds = thinWrapper->Scroll()->Bounds();
  EXPECT_TRUE(SameRect(bounds, thin.BoundsRect()));

  // The overlay shows the left arrow; a click on its right arrow reaches
  // the scroll bar, which steps.
  const TBitmap shot = ClientPixels(thinWrapper->Scroll()->Handle());
  const TBitmap& left = Res.GetHBtn(1);
  EXPECT_EQ(shot.Pixel(8, 8), left.Pixel(StretchSource(8, 17, left.Width(), TAxis::Columns),
                                         StretchSource(8, 17, left.Height(), TAxis::Rows)));
  PostMessageW(thin.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(195, 8));
  SendMessageW(thinWrapper->Scroll()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(195, 8));
  PumpMessages();
  EXPECT_GT(thin.Position(), 0);

  // The overlay follows the position.
  thin.SetPosition(50);
  PumpMessages();
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  GetScrollBarInfo(thin.Handle(), OBJID_CLIENT, &info);
  const TBitmap moved = ClientPixels(thinWrapper->Scroll()->Handle());
  TBitmap want(200, 17);
  TBitmapCanvas canvas(want);
  PaintScrollBar(canvas, Host, Res,
                 {TScrollDir::Horizontal, {200, 17}, true, info.xyThumbTop, info.xyThumbBottom});
  EXPECT_EQ(moved, want);
}

// Keys, mouse, scrolling, paint messages and a private one.
const std::vector<TLogged> kSequence = {
    {WM_KEYDOWN, VK_DOWN, 0x00500001},
    {WM_KEYUP, VK_DOWN, static_cast<LPARAM>(0xC0500001)},
    {WM_CHAR, 'a', 0x001E0001},
    {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)},
    {WM_LBUTTONUP, 0, MAKELPARAM(5, 5)},
    {WM_VSCROLL, SB_LINEDOWN, 0},
    {WM_HSCROLL, SB_LINERIGHT, 0},
    {WM_NCPAINT, 1, 0},
    {WM_ERASEBKGND, 0, 0},
    {WM_USER + 7, 1, 2},
    {ui::CM_MOUSEENTER, 0, 0},
    {ui::CM_MOUSELEAVE, 0, 0},
};

// APressLoops: the control follows a press in a loop of its own until a
// button message arrives (scroll bars, list views); one waits for it.
void Send(HWND AWindow, const std::vector<TLogged>& ASequence, bool APressLoops) {
  for (const auto& m : ASequence) {
    if (APressLoops && m.Msg == WM_LBUTTONDOWN) PostMessageW(AWindow, WM_LBUTTONUP, 0, m.LParam);
    // The erase needs a device context of the window.
    if (m.Msg == WM_ERASEBKGND) {
      HDC dc = GetDC(AWindow);
      SendMessageW(AWindow, m.Msg, reinterpret_cast<WPARAM>(dc), m.LParam);
      ReleaseDC(AWindow, dc);
    } else {
      SendMessageW(AWindow, m.Msg, m.WParam, m.LParam);
    }
  }
}

// Whether every message of ASent is in AReached, in order and unchanged
// (the erase's device context aside). A control may send itself more of
// the watched messages (a list view repaints its frame on a key).
bool ReachedInOrder(const std::vector<TLogged>& AReached, const std::vector<TLogged>& ASent) {
  size_t next = 0;
  for (TLogged m : AReached) {
    if (m.Msg == WM_ERASEBKGND) m.WParam = 0;
    if (next < ASent.size() && m == ASent[next]) ++next;
  }
  return next == ASent.size();
}

TEST_F(SkinScrollWin32Test, EveryWrapperKindLetsEveryMessageReachTheControl) {
  // The scroll family withholds nothing from the control itself; it only
  // paints after it. Engine on, then off (the wrappers stay installed).
  auto memo = MakeMemo();
  ui::TStringGridArgs gridArgs{{Form.get(), 220, 10, 180, 100, "", 0}};
  gridArgs.ColCount = 8;
  gridArgs.RowCount = 12;
  ui::TStringGrid grid(gridArgs);
  ui::TListViewArgs listArgs;
  listArgs.Widget = {Form.get(), 220, 120, 180, 90, "", 0};
  listArgs.Columns = {{"Name", 80}, {"Wert", 80}};
  for (int i = 0; i < 20; ++i) listArgs.Rows.push_back({{"Zeile", std::to_string(i)}});
  ui::TListView list(listArgs);
  ui::TScrollBar bar(ui::TScrollBarArgs{{Form.get(), 10, 260, 200, 17, "", 0}});
  PumpMessages();

  struct TKind {
    const char* Name;
    ui::TWidget* Control;
    std::unique_ptr<TOwnLog> Log;
    std::unique_ptr<TzelSkinControl> Wrapper;
    bool PressLoops;
  };
  std::vector<TKind> kinds;
  kinds.push_back({"scroll control", memo.get(), nullptr, nullptr, false});
  kinds.push_back({"grid", &grid, nullptr, nullptr, false});
  kinds.push_back({"list view", &list, nullptr, nullptr, true});
  kinds.push_back({"scroll bar", &bar, nullptr, nullptr, true});
  for (TKind& k : kinds) k.Log = std::make_unique<TOwnLog>(*k.Control, MessagesOf(kSequence));
  kinds[0].Wrapper = MakeSkinControl<TzelSkinScrollWinControl>(*memo, Host, Res);
  kinds[1].Wrapper = MakeSkinControl<TzelSkinGrid>(grid, Host, Res);
  kinds[2].Wrapper = MakeSkinControl<TzelSkinListView>(list, Host, Res);
  kinds[3].Wrapper = MakeSkinControl<TzelSkinScrollBar>(bar, Host, Res);

  for (bool active : {true, false}) {
    Host.Active = active;
    for (TKind& k : kinds) {
      SCOPED_TRACE(testing::Message() << k.Name << (active ? " active" : " inactive"));
      k.Wrapper->SkinStateChanged();
      k.Log->Seen.clear();
      Send(k.Control->Handle(), kSequence, k.PressLoops);
      EXPECT_TRUE(ReachedInOrder(k.Log->Seen, kSequence));
      // Skinned while active; passed through (the control answers 0) while not.
      EXPECT_EQ(SendMessageW(k.Control->Handle(), kSkinMsgIsSkinned, 0, 0), active ? 1 : 0);
    }
  }
  // Off: the overlays hidden, the fixed cells' own colour back.
  auto* memoWrapper = static_cast<TzelSkinScrollWinControl*>(kinds[0].Wrapper.get());
  EXPECT_FALSE(memoWrapper->VScroll()->Visible());
  EXPECT_FALSE(static_cast<TzelSkinScrollBar*>(kinds[3].Wrapper.get())->Scroll()->Visible());
  EXPECT_EQ(std::get<int64_t>(*grid.GetProperty("FixedColor")),
            ui::TColor::System(COLOR_BTNFACE).Encode());

  // On again: the same wrappers paint again.
  Host.Active = true;
  for (TKind& k : kinds) k.Wrapper->SkinStateChanged();
  RedrawAll(Form->Handle());
  EXPECT_TRUE(memoWrapper->VScroll()->Visible());
  EXPECT_EQ(std::get<int64_t>(*grid.GetProperty("FixedColor")),
            static_cast<int64_t>(Host.FormColor()));
  for (TKind& k : kinds) k.Wrapper.reset();
  EXPECT_EQ(std::get<int64_t>(*grid.GetProperty("FixedColor")),
            ui::TColor::System(COLOR_BTNFACE).Encode());
}

TEST_F(SkinScrollWin32Test, ListViewHeaderPaintedFromTheSkinAndGivenBack) {
  ui::TListViewArgs args;
  args.Widget = {Form.get(), 10, 10, 300, 150, "", 0};
  args.Columns = {{"Arbeitsplatz", 120}, {"Datei", 100}};
  args.Rows = {{{"PC-01", "pc-01.ini"}}};
  ui::TListView list(args);
  PumpMessages();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(list.Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  const LONG_PTR own = GetWindowLongPtrW(header, GWLP_WNDPROC);
  ui::test::TProbe probe(header);  // the header's own procedure, behind the wrapper
  const LONG_PTR probed = GetWindowLongPtrW(header, GWLP_WNDPROC);
  auto wrapper = MakeSkinControl<TzelSkinListView>(list, Host, Res);
  EXPECT_EQ(wrapper->Header(), header);

  const TColor fill = Host.GetColor(TSkinColorKey::ControlColor);
  const TColor border = Host.GetColor(TSkinColorKey::ControlBorderColor);
  RECT rc{};
  GetClientRect(header, &rc);
  auto check = [&](const char* AWhen) {
    const TBitmap shot = ClientPixels(header);
    EXPECT_EQ(shot.Pixel(119, 2), border) << AWhen;  // the first divider
    EXPECT_EQ(shot.Pixel(219, 2), border) << AWhen;
    EXPECT_EQ(shot.Pixel(2, 2), fill) << AWhen;
    EXPECT_EQ(shot.Pixel(260, rc.bottom / 2), fill) << AWhen;
    EXPECT_EQ(shot.Pixel(260, rc.bottom - 1), border) << AWhen;
  };
  probe.Seen.clear();
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  check("painted");
  // The header's procedure did not paint it.
  EXPECT_EQ(probe.Count(WM_PAINT), 0u);
  EXPECT_EQ(probe.Count(WM_ERASEBKGND), 0u);

  wchar_t text[] = L"Rechner";
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  SendMessageW(header, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(probe.Count(HDM_SETITEMW), 1u);  // it reaches the header
  check("after a new caption");

  // Inactive: the header paints itself again.
  Host.Active = false;
  wrapper->SkinStateChanged();
  probe.Seen.clear();
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_GE(probe.Count(WM_PAINT), 1u);
  Host.Active = true;

  wrapper.reset();
  EXPECT_EQ(GetWindowLongPtrW(header, GWLP_WNDPROC), probed);
  probe.Unhook();
  EXPECT_EQ(GetWindowLongPtrW(header, GWLP_WNDPROC), own);
}

TEST_F(SkinScrollWin32Test, WindowsMadeAnewKeepTheirOverlaysAndTheSkinnedHeader) {
  ui::TPanel panel(ui::TPanelArgs{{Form.get(), 10, 10, 220, 140, "", 0}});
  ui::TMemoArgs memoArgs;
  memoArgs.Widget = {&panel, 5, 5, 200, 120, "", 0};
  memoArgs.Lines = ManyLines();
  ui::TMemo memo(memoArgs);
  ui::TListViewArgs listArgs;
  listArgs.Widget = {Form.get(), 240, 10, 170, 140, "", 0};
  listArgs.Columns = {{"Name", 80}};
  ui::TListView list(listArgs);
  PumpMessages();
  auto memoWrapper = MakeSkinControl<TzelSkinScrollWinControl>(memo, Host, Res);
  auto listWrapper = MakeSkinControl<TzelSkinListView>(list, Host, Res);
  RedrawAll(Form->Handle());
  ASSERT_TRUE(memoWrapper->VScroll()->Visible());

  // The panel made anew takes the overlays' windows with its old window.
  panel.RecreateWnd();
  RedrawAll(Form->Handle());
  ASSERT_NE(memoWrapper->VScroll()->Handle(), nullptr);
  EXPECT_EQ(GetParent(memoWrapper->VScroll()->Handle()), panel.Handle());
  EXPECT_TRUE(memoWrapper->VScroll()->Visible());
  EXPECT_TRUE(
      SameRect(memoWrapper->VScroll()->Bounds(), BarInParent(memo.Handle(), OBJID_VSCROLL)));

  // The list view made anew has a new header, skinned again.
  const HWND oldHeader = listWrapper->Header();
  list.RecreateWnd();
  PumpMessages();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(list.Handle(), LVM_GETHEADER, 0, 0));
  EXPECT_NE(header, oldHeader);
  EXPECT_EQ(listWrapper->Header(), header);
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  RECT rc{};
  GetClientRect(header, &rc);
  const TBitmap shot = ClientPixels(header);
  EXPECT_EQ(shot.Pixel(2, 2), Host.GetColor(TSkinColorKey::ControlColor));
  EXPECT_EQ(shot.Pixel(2, rc.bottom - 1), Host.GetColor(TSkinColorKey::ControlBorderColor));
}

// The visible windows of class AClass among AParent's children.
int VisibleOverlays(HWND AParent, const wchar_t* AClass) {
  int count = 0;
  for (HWND c = GetWindow(AParent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(c, name, 64);
    if (std::wstring(name) == AClass && IsWindowVisible(c)) ++count;
  }
  return count;
}

// Whether a visible overlay of class AClass lies exactly over ABar (in
// AParent's client coordinates).
bool OverlayOver(HWND AParent, const wchar_t* AClass, const RECT& ABar) {
  for (HWND c = GetWindow(AParent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(c, name, 64);
    if (std::wstring(name) != AClass || !IsWindowVisible(c)) continue;
    RECT r{};
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, AParent, reinterpret_cast<POINT*>(&r), 2);
    if (SameRect(r, ABar)) return true;
  }
  return false;
}

TEST_F(SkinScrollWin32Test, TheEngineGivesTheScrollFamilyItsOverlays) {
  ClearSkinCtrlDefs();
  RegisterSkinControlDefs();
  ui::TEdit edit(ui::TEditArgs{{Form.get(), 10, 150, 100, 21, "6666", 0}});
  auto memo = MakeMemo();
  ui::TScrollBar bar(ui::TScrollBarArgs{{Form.get(), 10, 200, 200, 17, "", 0}});
  ui::TListBoxArgs listBoxArgs;
  listBoxArgs.Widget = {Form.get(), 220, 10, 90, 100, "", 0};
  for (int i = 0; i < 30; ++i) listBoxArgs.Items.push_back("Eintrag " + std::to_string(i));
  ui::TListBox listBox(listBoxArgs);
  ui::TTreeViewArgs treeArgs;
  treeArgs.Widget = {Form.get(), 320, 10, 90, 100, "", 0};
  treeArgs.Nodes = {{"Server", -1, true, {{"Dienst"}, {"Port"}}}};
  ui::TTreeView tree(treeArgs);
  ui::TScrollBox box(ui::TWidgetArgs{Form.get(), 220, 120, 90, 60, "", 0});
  ui::TStringGridArgs gridArgs;
  gridArgs.Widget = {Form.get(), 320, 120, 90, 60, "", 0};
  ui::TStringGrid grid(gridArgs);
  ui::TListViewArgs listArgs;
  listArgs.Widget = {Form.get(), 220, 190, 190, 90, "", 0};
  listArgs.Columns = {{"Name", 80}};
  ui::TListView list(listArgs);
  PumpMessages();

  auto engine = std::make_unique<TzelSkinEngine>(Form.get());
  engine->SetSkinData(OwnSkinData());
  engine->Loaded();
  engine->SetActive(true);
  RedrawAll(Form->Handle());
  ASSERT_TRUE(engine->RealActive());
  for (ui::TWidget* w : std::initializer_list<ui::TWidget*>{&edit, memo.get(), &bar, &listBox,
                                                            &tree, &box, &grid, &list}) {
    EXPECT_EQ(SendMessageW(w->Handle(), kSkinMsgIsSkinned, 0, 0), 1) << w->Class().Name;
  }
  const HWND form = Form->Handle();
  constexpr const wchar_t* kBar = L"TzelSkinInternalScrollBar";
  EXPECT_TRUE(OverlayOver(form, kBar, BarInParent(memo->Handle(), OBJID_VSCROLL)));
  EXPECT_TRUE(OverlayOver(form, kBar, BarInParent(memo->Handle(), OBJID_HSCROLL)));
  EXPECT_TRUE(OverlayOver(form, kBar, BarInParent(listBox.Handle(), OBJID_VSCROLL)));
  EXPECT_TRUE(OverlayOver(form, kBar, BarInParent(grid.Handle(), OBJID_VSCROLL)));
  EXPECT_TRUE(OverlayOver(form, L"TzelSkinInternalScrollBar2", bar.BoundsRect()));
  const int shown = VisibleOverlays(form, kBar);

  engine->SetActive(false);
  PumpMessages();
  EXPECT_EQ(VisibleOverlays(form, kBar), 0);
  EXPECT_EQ(VisibleOverlays(form, L"TzelSkinInternalScrollBar2"), 0);
  engine->SetActive(true);
  RedrawAll(form);
  EXPECT_EQ(VisibleOverlays(form, kBar), shown);
  engine.reset();
  PumpMessages();
  EXPECT_EQ(VisibleOverlays(form, kBar), 0);
  EXPECT_EQ(SendMessageW(memo->Handle(), kSkinMsgIsSkinned, 0, 0), 0);
  ClearSkinCtrlDefs();
}

}  // namespace
}  // namespace skin::test
