// The combo box, date-time picker and tab control wrappers on real windows
// under Wine: their pixels against our own skin, the overlay drop-down and
// up-down panels, the native tab control's tab height, which messages
// reach each control's own procedure, and removal.
#include <gtest/gtest.h>

#include <windows.h>

// after windows.h
#include <commctrl.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "skin/controls/paint_combo.h"
#include "skin/controls/paint_tabs.h"
#include "skin/controls/win32/skin_combo.h"
#include "skin/controls/win32/skin_ctrl_defs.h"
#include "skin/controls/win32/skin_tabs.h"
#include "skin/controls/win32/tests/control_test_util.h"
#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/fills.h"
#include "skin/draw/state_frames.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/own/own_skin.h"
#include "skin/tests/own_skin_fixture.h"
#include "skin/tests/test_files.h"
#include "ui/application.h"
#include "ui/combo_box.h"
#include "ui/combo_box_ex.h"
#include "ui/date_time_picker.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/subclass.h"
#include "ui/tab_control.h"
#include "ui/tests/win32/probe.h"

namespace skin::test {
namespace {

using ui::test::PumpMessages;

ui::TWidgetArgs At(ui::TWidget* AParent, int ALeft, int ATop, int AWidth, int AHeight) {
  ui::TWidgetArgs args;
  args.Parent = AParent;
  args.Left = ALeft;
  args.Top = ATop;
  args.Width = AWidth;
  args.Height = AHeight;
  return args;
}

template <class A>
A ArgsAt(ui::TWidgetArgs AWidget) {
  A args{};
  args.Widget = AWidget;
  return args;
}

class SkinComboTabWin32Test : public ::testing::Test {
 public:
  void SetUp() override {
    LoadOwnSkin(FDir, FReader);
    Form = std::make_unique<ui::TForm>(ui::TFormArgs{&Application, "Test", 420, 320});
    Form->Show();
    PumpMessages();
    SetCursorPos(0, 0);
    FMemoryDc = CreateCompatibleDC(nullptr);
  }
  void TearDown() override {
    Form.reset();
    DeleteDC(FMemoryDc);
  }

  // The messages the log tests send: paint and erase, mouse and keys, one
  // of no meaning and the engine's own.
  std::vector<TLogged> Sequence() const {
    return {{WM_PAINT, 0, 0},
            {WM_ERASEBKGND, reinterpret_cast<WPARAM>(FMemoryDc), 0},
            {WM_KEYDOWN, VK_SHIFT, 0x002A0001},
            {WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC02A0001)},
            {WM_USER + 7, 1, 2},
            {kSkinMsgRepaintControl, 0, 0},
            {kSkinMsgIsSkinned, 0, 0},
            {ui::CM_MOUSEENTER, 0, 0},
            {ui::CM_MOUSELEAVE, 0, 0}};
  }
  static std::set<UINT> MessagesOf(const std::vector<TLogged>& ASequence) {
    std::set<UINT> out;
    for (const auto& m : ASequence) out.insert(m.Msg);
    return out;
  }
  // Sends ASequence to AWindow, logged from scratch once nothing is left
  // to paint.
  static void Send(HWND AWindow, TOwnLog& ALog, const std::vector<TLogged>& ASequence) {
    UpdateWindow(AWindow);
    PumpMessages();
    ALog.Seen.clear();
    for (const auto& m : ASequence) SendMessageW(AWindow, m.Msg, m.WParam, m.LParam);
  }

  TColor FormColour() const {
    return ui::TColor::Decode(std::get<int64_t>(*Form->GetProperty("Color"))).Resolve();
  }

  TScratchDir FDir;
  TzelSkinReader FReader;
  ui::TApplication Application{"Konfigurator"};
  std::unique_ptr<ui::TForm> Form;
  HDC FMemoryDc = nullptr;

 public:
  TReaderSkinHost Host{FReader};
};

// Checks the skinned look of a combo box (ACombo: its COMBOBOX window).
void ExpectComboLook(HWND ACombo, const TzelSkinHost& AHost, TColor AInner) {
  const TBitmap shot = Snapshot(ACombo);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(ACombo, &info));
  const TColor border = AHost.GetColor(TSkinColorKey::ControlBorderColor);
  const TColor control = AHost.GetColor(TSkinColorKey::ControlColor);
  const int w = shot.Width(), h = shot.Height();
  for (int x = 0; x < w; ++x) {
    ASSERT_EQ(shot.Pixel(x, 0), border) << x;
    ASSERT_EQ(shot.Pixel(x, h - 1), border) << x;
  }
  EXPECT_EQ(shot.Pixel(1, h / 2), AInner);
  const RECT& b = info.rcButton;
  EXPECT_EQ(shot.Pixel(b.left, (b.top + b.bottom) / 2), border);  // the inner line
  EXPECT_EQ(shot.Pixel(b.left + 1, b.top + 1), control);
  const TPoint arrow = DropArrowOrigin({b.left, b.top, b.right, b.bottom});
  for (int x = 0; x < kDropArrowSize.Width; ++x) {
    EXPECT_EQ(shot.Pixel(arrow.X + x, arrow.Y), 0u) << x;
  }
  EXPECT_EQ(shot.Pixel(arrow.X + 3, arrow.Y + 3), 0u);
  EXPECT_EQ(shot.Pixel(arrow.X, arrow.Y + 1), control);
}

TEST_F(SkinComboTabWin32Test, ComboBoxInEveryStyleAndRemoval) {
  using S = ui::TComboBoxStyle;
  for (S style : {S::DropDownList, S::DropDown, S::Simple}) {
    SCOPED_TRACE(static_cast<int>(style));
    ui::TComboBox combo(ui::TComboBoxArgs{At(Form.get(), 10, 10, 150, style == S::Simple ? 80 : 23),
                                          style,
                                          {"Eins", "Zwei", "Drei"},
                                          1,
                                          8});
    PumpMessages();
    const TBitmap own = Snapshot(combo.Handle());
    auto wrapper = MakeSkinControl<TzelSkinComboBox>(combo, Host);
    if (style == S::Simple) {
      EXPECT_EQ(Differing(Snapshot(combo.Handle()), own), 0);  // the simple style keeps its look
    } else {
      const TColor inner =
          ui::TColor::Decode(std::get<int64_t>(*combo.GetProperty("Color"))).Resolve();
      ExpectComboLook(combo.Handle(), Host, inner);
      // The dropped list is framed in the border colour.
      SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
      PumpMessages();
      COMBOBOXINFO info{};
      info.cbSize = sizeof(info);
      GetComboBoxInfo(combo.Handle(), &info);
      ASSERT_TRUE(IsWindowVisible(info.hwndList));
      HDC dc = GetWindowDC(info.hwndList);
      EXPECT_EQ(GetPixel(dc, 0, 0), Host.GetColor(TSkinColorKey::ControlBorderColor));
      ReleaseDC(info.hwndList, dc);
      SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
      PumpMessages();
    }
    wrapper.reset();
    EXPECT_EQ(Differing(Snapshot(combo.Handle()), own), 0);
  }
}

TEST_F(SkinComboTabWin32Test, ExtendedAndNativeComboBoxes) {
  ui::TComboBoxEx ex(ui::TComboBoxExArgs{At(Form.get(), 10, 10, 150, 23),
                                         ui::TComboBoxStyle::DropDownList,
                                         nullptr,
                                         {{"Eins", -1, 0}, {"Zwei", -1, 0}},
                                         0});
  PumpMessages();
  auto exWrapper = MakeSkinControl<TzelSkinComboBoxEx>(ex, Host);
  HWND inner = reinterpret_cast<HWND>(SendMessageW(ex.Handle(), CBEM_GETCOMBOCONTROL, 0, 0));
  ASSERT_NE(inner, nullptr);
  ExpectComboLook(inner, Host,
                  ui::TColor::Decode(std::get<int64_t>(*ex.GetProperty("Color"))).Resolve());

  for (const wchar_t* cls : {L"COMBOBOX", WC_COMBOBOXEXW}) {
    const bool extended = lstrcmpW(cls, WC_COMBOBOXEXW) == 0;
    SCOPED_TRACE(extended ? "ComboBoxEx32" : "COMBOBOX");
    HWND box =
        CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 10, 60,
                        150, 200, Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(box, nullptr);
    HWND combo =
        extended ? reinterpret_cast<HWND>(SendMessageW(box, CBEM_GETCOMBOCONTROL, 0, 0)) : box;
    PumpMessages();
    const TBitmap own = Snapshot(combo);
    auto wrapper = MakeSkinControl<TzelSkinWndComboBox>(box, Host);
    ExpectComboLook(combo, Host, GetSysColor(COLOR_WINDOW));
    wrapper.reset();
    EXPECT_EQ(Differing(Snapshot(combo), own), 0);
    DestroyWindow(box);
  }
}

TEST_F(SkinComboTabWin32Test, DateTimePickerOverlayButtonDropsTheCalendar) {
  ui::TDateTimePicker picker(ArgsAt<ui::TDateTimePickerArgs>(At(Form.get(), 10, 10, 140, 23)));
  PumpMessages();
  const TBitmap own = Snapshot(picker.Handle());
  auto wrapper = MakeSkinControl<TzelSkinDateTimePicker>(picker, Host);
  wrapper->SkinStateChanged();
  PumpMessages();
  ASSERT_NE(wrapper->DropButton(), nullptr);
  EXPECT_EQ(wrapper->Spin(), nullptr);
  const HWND button = wrapper->DropButton()->Handle();
  ASSERT_TRUE(IsWindowVisible(button));
  // Over the picker's own button, on top of it.
  RECT br{}, pr{};
  GetWindowRect(button, &br);
  GetClientRect(picker.Handle(), &pr);
  MapWindowPoints(picker.Handle(), nullptr, reinterpret_cast<POINT*>(&pr), 2);
  EXPECT_EQ(br.right, pr.right);
  EXPECT_EQ(br.top, pr.top);
  EXPECT_EQ(br.bottom, pr.bottom);
  EXPECT_EQ(br.right - br.left, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(WindowFromPoint({(br.left + br.right) / 2, (br.top + br.bottom) / 2}), button);
  const TBitmap face = Snapshot(button);
  TBitmap want(face.Width(), face.Height());
  TBitmapCanvas canvas(want);
  PaintDropButton(canvas, Host, {face.Width(), face.Height()}, TDropButtonState::Normal, false);
  EXPECT_EQ(Differing(face, want), 0);
  // The skinned border around the picker.
  Snapshot(picker.Handle());
  HDC dc = GetWindowDC(picker.Handle());
  EXPECT_EQ(GetPixel(dc, 0, 0), Host.GetColor(TSkinColorKey::ControlBorderColor));
  ReleaseDC(picker.Handle(), dc);

  auto dropped = [&picker] {
    const HWND calendar =
        reinterpret_cast<HWND>(SendMessageW(picker.Handle(), DTM_GETMONTHCAL, 0, 0));
    return calendar != nullptr && IsWindowVisible(calendar);
  };
  ASSERT_FALSE(dropped());
  // A real click on the panel's middle.
  SetCursorPos((br.left + br.right) / 2, (br.top + br.bottom) / 2);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
  for (int i = 0; i < 50 && !dropped(); ++i) {
    Sleep(20);
    PumpMessages();
  }
  EXPECT_TRUE(dropped());
  SetCursorPos(0, 0);
  SendMessageW(picker.Handle(), DTM_CLOSEMONTHCAL, 0, 0);
  PumpMessages();

  // Inactive: the panel goes away; removed: the window is gone and the
  // picker looks as before.
  Host.Active = false;
  wrapper->SkinStateChanged();
  EXPECT_FALSE(IsWindowVisible(button));
  Host.Active = true;
  wrapper.reset();
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(Differing(Snapshot(picker.Handle()), own), 0);
}

TEST_F(SkinComboTabWin32Test, DateTimePickerOverlayArrowsStepTheValue) {
  SYSTEMTIME start{};
  start.wYear = 2024;
  start.wMonth = 3;
  start.wDay = 10;
  ui::TDateTimePicker picker(ui::TDateTimePickerArgs{
      At(Form.get(), 10, 10, 140, 23), ui::TDateTimeKind::Date, ui::TDateMode::UpDown, start});
  PumpMessages();
  auto wrapper = MakeSkinControl<TzelSkinDateTimePicker>(picker, Host);
  wrapper->SkinStateChanged();
  PumpMessages();
  ASSERT_NE(wrapper->Spin(), nullptr);
  EXPECT_FALSE(wrapper->DropButton()->Visible());  // no drop-down in up-down mode
  const HWND spin = wrapper->Spin()->Handle();
  ASSERT_TRUE(IsWindowVisible(spin));
  RECT sr{}, ur{};
  GetWindowRect(spin, &sr);
  GetWindowRect(wrapper->Spin()->UpDown(), &ur);
  EXPECT_TRUE(EqualRect(&sr, &ur));
  const int height = sr.bottom - sr.top;
  // The arrows step the field the user picked (the month, first in the
  // short date).
  SendMessageW(picker.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 10));
  SendMessageW(picker.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(6, 10));
  PumpMessages();
  const SYSTEMTIME before = picker.Value();
  SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 2));
  EXPECT_EQ(wrapper->Spin()->PressedHalf(), -1);
  SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(3, 2));
  PumpMessages();
  const SYSTEMTIME up = picker.Value();
  EXPECT_EQ(up.wMonth, before.wMonth + 1) << "the upper arrow did not step";
  SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, height - 2));
  EXPECT_EQ(wrapper->Spin()->PressedHalf(), 1);
  SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(3, height - 2));
  PumpMessages();
  const SYSTEMTIME back = picker.Value();
  EXPECT_EQ(back.wYear, before.wYear);
  EXPECT_EQ(back.wMonth, before.wMonth);
  EXPECT_EQ(back.wDay, before.wDay);
  EXPECT_EQ(wrapper->Spin()->PressedHalf(), 0);
  const TBitmap face = Snapshot(spin);
  TBitmap want(face.Width(), face.Height());
  TBitmapCanvas canvas(want);
  PaintSpinButtons(canvas, Host, {face.Width(), face.Height()}, 0, true);
  EXPECT_EQ(Differing(face, want), 0);
  wrapper.reset();
  EXPECT_FALSE(IsWindow(spin));
}

// The expected pixels of tab AIndex's face (no caption), turned to ASide,
// and which of them to compare: the first third of the upright face, where
// no caption goes.
struct TExpectedTab {
  TBitmap Face;
  TBitmap Compare;  // 1 where compared
};
TExpectedTab ExpectedTab(const TzelSkinHost& AHost, const TRect& ATab, TTabSide ASide,
                         bool ASelected, TColor AForm) {
  const TSize upright = UprightTabSize(ATab, ASide);
  TBitmap face(upright.Width, upright.Height, AForm);
  TBitmapCanvas canvas(face);
  PaintTabFace(canvas, AHost, upright, ASelected);
  TBitmap frame;
  AHost.GetBitmap(TSkinBitmapKey::TabControl, frame, 1, kTabFrames);
  TBitmap compare(upright.Width, upright.Height, 0);
  for (int y = 0; y < upright.Height; ++y) {
    for (int x = 0; x < frame.Width() / 3 && x < upright.Width; ++x) compare.SetPixel(x, y, 1);
  }
  return {TurnToSide(face, ASide), TurnToSide(compare, ASide)};
}

// Checks every tab of ATab against the skin's frames and the page outline.
void ExpectTabLook(HWND ATab, const TzelSkinHost& AHost, TColor AForm) {
  const TBitmap shot = Snapshot(ATab);
  RECT client{}, display{};
  GetClientRect(ATab, &client);
  display = client;
  TabCtrl_AdjustRect(ATab, FALSE, &display);
  const TRect page = TabPageRect({display.left, display.top, display.right, display.bottom});
  const TTabSide side = TabSideOf(ATab);
  const int selected = TabCtrl_GetCurSel(ATab);
  int compared = 0;
  for (int i = 0; i < TabCtrl_GetItemCount(ATab); ++i) {
    RECT r{};
    TabCtrl_GetItemRect(ATab, i, &r);
    const TRect tab{r.left, r.top, r.right, r.bottom};
    const TExpectedTab want = ExpectedTab(AHost, tab, side, i == selected, AForm);
    for (int y = 0; y < tab.Height(); ++y) {
      for (int x = 0; x < tab.Width(); ++x) {
        const int sx = tab.Left + x, sy = tab.Top + y;
        const bool onPage =
            sx >= page.Left && sx < page.Right && sy >= page.Top && sy < page.Bottom;
        if (want.Compare.Pixel(x, y) == 0 || onPage) continue;
        ASSERT_EQ(shot.Pixel(sx, sy), want.Face.Pixel(x, y))
            << "tab " << i << " at " << x << "," << y;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 40);
  // The page outline away from the tabs' side.
  const TColor border = AHost.GetColor(TSkinColorKey::ControlBorderColor);
  const int midX = (page.Left + page.Right) / 2, midY = (page.Top + page.Bottom) / 2;
  if (side != TTabSide::Bottom) {
    EXPECT_EQ(shot.Pixel(midX, page.Bottom - 1), border);
  }
  if (side != TTabSide::Top) {
    EXPECT_EQ(shot.Pixel(midX, page.Top), border);
  }
  if (side != TTabSide::Right) {
    EXPECT_EQ(shot.Pixel(page.Right - 1, midY), border);
  }
  if (side != TTabSide::Left) {
    EXPECT_EQ(shot.Pixel(page.Left, midY), border);
  }
}

TEST_F(SkinComboTabWin32Test, TabControlOnEverySideShowsTheSkinFrames) {
  using P = ui::TTabPosition;
  for (P position : {P::Top, P::Bottom, P::Left, P::Right}) {
    SCOPED_TRACE(static_cast<int>(position));
    ui::TTabControl tabs(ui::TTabControlArgs{
        At(Form.get(), 10, 10, 300, 200), {"Dienst", "Info", "Port"}, position, false, 1, nullptr});
    PumpMessages();
    const TBitmap own = Snapshot(tabs.Handle());
    auto wrapper = MakeSkinControl<TzelSkinTabControl>(tabs, Host);
    ExpectTabLook(tabs.Handle(), Host, Host.FormColor());
    wrapper.reset();
    EXPECT_EQ(Differing(Snapshot(tabs.Handle()), own), 0);
  }
}

TEST_F(SkinComboTabWin32Test, PageControlKeepsItsPagesPainting) {
  ui::TPageControl pages(At(Form.get(), 10, 10, 300, 200));
  ui::TTabSheet first(ui::TTabSheetArgs{&pages, "Dienst", 0});
  ui::TTabSheet second(ui::TTabSheetArgs{&pages, "Info", 0});
  pages.SetActivePage(&first);
  PumpMessages();
  RECT sheet{};
  GetWindowRect(first.Handle(), &sheet);
  MapWindowPoints(nullptr, pages.Handle(), reinterpret_cast<POINT*>(&sheet), 2);
  const TBitmap own = Snapshot(pages.Handle());
  auto wrapper = MakeSkinControl<TzelSkinTabControl>(pages, Host);
  ExpectTabLook(pages.Handle(), Host, Host.FormColor());
  // The page's own painting is left alone, also when the wrapper repaints
  // on its own.
  Snapshot(pages.Handle());
  SendMessageW(pages.Handle(), kSkinMsgRepaintControl, 0, 0);
  const TBitmap shot = Snapshot(pages.Handle(), false);
  int differing = 0;
  for (int y = sheet.top; y < sheet.bottom; ++y) {
    for (int x = sheet.left; x < sheet.right; ++x) differing += shot.Pixel(x, y) != own.Pixel(x, y);
  }
  EXPECT_EQ(differing, 0);
  wrapper.reset();
  EXPECT_EQ(Differing(Snapshot(pages.Handle()), own), 0);
}

TEST_F(SkinComboTabWin32Test, NativeTabControlTabHeightComesBack) {
  HWND tab =
      CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 10, 10, 300,
                      200, Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(tab, nullptr);
  SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  for (const wchar_t* caption : {L"Allgemein", L"Erweitert"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption);
    SendMessageW(tab, TCM_INSERTITEMW, TabCtrl_GetItemCount(tab), reinterpret_cast<LPARAM>(&item));
  }
  PumpMessages();
  auto height = [tab] {
    RECT r{};
    TabCtrl_GetItemRect(tab, 1, &r);
    return static_cast<int>(r.bottom - r.top);
  };
  const int own = height();
  const TBitmap ownLook = Snapshot(tab);
  TBitmap frame;
  ASSERT_TRUE(Host.GetBitmap(TSkinBitmapKey::TabControl, frame, 1, kTabFrames));
  ASSERT_NE(own, frame.Height()) << "the skin's tab height proves nothing here";
  auto wrapper = MakeSkinControl<TzelSkinWndTabControl>(tab, Host);
  wrapper->SkinStateChanged();
  EXPECT_EQ(height(), frame.Height());
  EXPECT_EQ(wrapper->OldTabHeight(), own);
  ExpectTabLook(tab, Host, Host.FormColor());
  Host.Active = false;
  wrapper->SkinStateChanged();
  EXPECT_EQ(height(), own);
  Host.Active = true;
  wrapper->SkinStateChanged();
  EXPECT_EQ(height(), frame.Height());
  wrapper.reset();
  EXPECT_EQ(height(), own);
  EXPECT_EQ(Differing(Snapshot(tab), ownLook), 0);
  DestroyWindow(tab);
}

// Each wrapper kind on its control, with what its own procedure is to
// miss while skinned.
struct TWrapperKind {
  const char* Name;
  // Makes the control (toolkit or native) and the wrapper; returns the
  // control's window.
  std::function<HWND(SkinComboTabWin32Test&, std::unique_ptr<TOwnLog>&,
                     std::unique_ptr<TzelSkinCtrlObject>&, const std::set<UINT>&)>
      Make;
  std::set<UINT> Withheld;
};

TEST_F(SkinComboTabWin32Test, MessagesReachingEachControlSkinnedAndInactive) {
  std::vector<std::unique_ptr<ui::TWidget>> keep;
  auto toolkit = [&keep](auto AMakeWidget, auto AMakeWrapper) {
    return [&keep, AMakeWidget, AMakeWrapper](
               SkinComboTabWin32Test& ATest, std::unique_ptr<TOwnLog>& ALog,
               std::unique_ptr<TzelSkinCtrlObject>& AWrapper, const std::set<UINT>& AWatch) {
      keep.push_back(AMakeWidget(ATest.Form.get()));
      ui::TWidget& widget = *keep.back();
      ALog = std::make_unique<TOwnLog>(widget, AWatch);
      AWrapper = AMakeWrapper(widget, ATest.Host);
      return widget.Handle();
    };
  };
  auto native = [](const wchar_t* AClass, DWORD AStyle, auto AMakeWrapper) {
    return [AClass, AStyle, AMakeWrapper](
               SkinComboTabWin32Test& ATest, std::unique_ptr<TOwnLog>& ALog,
               std::unique_ptr<TzelSkinCtrlObject>& AWrapper, const std::set<UINT>& AWatch) {
      HWND h = CreateWindowExW(0, AClass, L"", WS_CHILD | WS_VISIBLE | AStyle, 10, 10, 200, 100,
                               ATest.Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
      ALog = std::make_unique<TOwnLog>(h, AWatch);
      AWrapper = AMakeWrapper(h, ATest.Host);
      return h;
    };
  };
  const std::set<UINT> ownerPainted = {WM_PAINT, WM_ERASEBKGND};
  const TWrapperKind kinds[] = {
      {"combo box",
       toolkit(
           [](ui::TForm* AForm) {
             auto args = ArgsAt<ui::TComboBoxArgs>(At(AForm, 10, 10, 150, 23));
             args.Style = ui::TComboBoxStyle::DropDownList;
             return std::make_unique<ui::TComboBox>(args);
           },
           [](ui::TWidget& AW, TzelSkinHost& AH) {
             return MakeSkinControl<TzelSkinComboBox>(AW, AH);
           }),
       {}},
      {"extended combo box",
       toolkit(
           [](ui::TForm* AForm) {
             return std::make_unique<ui::TComboBoxEx>(
                 ArgsAt<ui::TComboBoxExArgs>(At(AForm, 10, 10, 150, 23)));
           },
           [](ui::TWidget& AW, TzelSkinHost& AH) {
             return MakeSkinControl<TzelSkinComboBoxEx>(AW, AH);
           }),
       {}},
      {"date-time picker",
       toolkit(
           [](ui::TForm* AForm) {
             return std::make_unique<ui::TDateTimePicker>(
                 ArgsAt<ui::TDateTimePickerArgs>(At(AForm, 10, 10, 140, 23)));
           },
           [](ui::TWidget& AW, TzelSkinHost& AH) {
             return MakeSkinControl<TzelSkinDateTimePicker>(AW, AH);
           }),
       {}},
      {"tab control",
       toolkit(
           [](ui::TForm* AForm) {
             return std::make_unique<ui::TTabControl>([&] {
               auto args = ArgsAt<ui::TTabControlArgs>(At(AForm, 10, 10, 200, 100));
               args.Tabs = {"Eins", "Zwei"};
               return args;
             }());
           },
           [](ui::TWidget& AW, TzelSkinHost& AH) {
             return MakeSkinControl<TzelSkinTabControl>(AW, AH);
           }),
       ownerPainted},
      {"native combo box",
       native(L"COMBOBOX", CBS_DROPDOWNLIST,
              [](HWND AH, TzelSkinHost& AHost) {
                return MakeSkinControl<TzelSkinWndComboBox>(AH, AHost);
              }),
       {}},
      {"native tab control",
       native(WC_TABCONTROLW, 0,
              [](HWND AH, TzelSkinHost& AHost) {
                return MakeSkinControl<TzelSkinWndTabControl>(AH, AHost);
              }),
       ownerPainted},
  };
  const std::vector<TLogged> sequence = Sequence();
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.Name);
    std::unique_ptr<TOwnLog> log;
    std::unique_ptr<TzelSkinCtrlObject> wrapper;
    const HWND h = kind.Make(*this, log, wrapper, MessagesOf(sequence));
    PumpMessages();
    // Skinned: all but the withheld ones, and the wrapper answers that it
    // is there.
    Send(h, *log, sequence);
    std::vector<TLogged> want;
    for (const auto& m : sequence) {
      if (!kind.Withheld.count(m.Msg)) want.push_back(m);
    }
    EXPECT_EQ(log->Seen, want);
    EXPECT_EQ(SendMessageW(h, kSkinMsgIsSkinned, 0, 0), 1);
    // Inactive: everything, unchanged, and the wrapper stays installed.
    Host.Active = false;
    Send(h, *log, sequence);
    EXPECT_EQ(log->Seen, sequence);
    EXPECT_EQ(SendMessageW(h, kSkinMsgIsSkinned, 0, 0), 0);
    Host.Active = true;
    EXPECT_EQ(SendMessageW(h, kSkinMsgIsSkinned, 0, 0), 1);
    wrapper.reset();
    log.reset();
    if (!keep.empty() && keep.back()->Handle() == h) {
      keep.pop_back();
    } else {
      DestroyWindow(h);
    }
  }
}

TEST_F(SkinComboTabWin32Test, TheEngineWrapsCombosPickersAndTabsFromTheTables) {
  ClearSkinCtrlDefs();
  RegisterSkinControlDefs();
  ui::TComboBox combo(ArgsAt<ui::TComboBoxArgs>(At(Form.get(), 10, 10, 150, 23)));
  ui::TComboBoxEx ex(ArgsAt<ui::TComboBoxExArgs>(At(Form.get(), 10, 40, 150, 23)));
  ui::TDateTimePicker picker(ArgsAt<ui::TDateTimePickerArgs>(At(Form.get(), 10, 70, 140, 23)));
  ui::TTabControl tabs(ui::TTabControlArgs{At(Form.get(), 170, 10, 200, 120),
                                           {"Eins", "Zwei"},
                                           ui::TTabPosition::Top,
                                           false,
                                           0,
                                           nullptr});
  auto engine = std::make_unique<TzelSkinEngine>(Form.get());
  engine->SetSkinData(OwnSkinData());
  engine->Loaded();
  engine->SetActive(true);
  PumpMessages();
  ASSERT_TRUE(engine->RealActive());
  for (HWND h : {combo.Handle(), ex.Handle(), picker.Handle(), tabs.Handle()}) {
    EXPECT_EQ(SendMessageW(h, kSkinMsgIsSkinned, 0, 0), 1);
  }
  // The picker's overlay button is on the form.
  HWND panel = FindWindowExW(Form->Handle(), nullptr, TzelSkinOverlayPanel::kClassName, nullptr);
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(IsWindowVisible(panel));
  engine->SetActive(false);
  PumpMessages();
  EXPECT_FALSE(IsWindowVisible(panel));
  engine.reset();
  PumpMessages();
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_EQ(SendMessageW(tabs.Handle(), kSkinMsgIsSkinned, 0, 0), 0);
  ClearSkinCtrlDefs();
}

}  // namespace
}  // namespace skin::test
