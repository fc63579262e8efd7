#include "skin/window/skin_window.h"

#include <algorithm>
#include <string>

#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/gdi_census.h"
#include "skin/draw/win32/hdc_canvas.h"
#include "skin/engine/user32_functions.h"
#include "skin/frame/frame_region.h"
#include "skin/frame/paint_frame.h"
#include "skin/frame/skin_metrics.h"
#include "skin/frame/win32/frame_region_win32.h"
#include "skin/menu/system_menu.h"
#include "ui/menu.h"

namespace skin {
namespace {

// The id of the wrapper's handler in a window's subclass chain.
uintptr_t NextSubclassId() {
  static uintptr_t next = 0x5A454C00;
  return ++next;
}

TRect ToRect(const RECT& ARect) {
  return {ARect.left, ARect.top, ARect.right, ARect.bottom};
}

RECT WindowRectOf(HWND AWindow) {
  RECT r{};
  GetWindowRect(AWindow, &r);
  return r;
}

TRect WorkAreaOf(HWND AWindow) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(AWindow, MONITOR_DEFAULTTONEAREST), &info);
  return ToRect(info.rcWork);
}

LRESULT HitValue(THitTest AHit) {
  switch (AHit) {
    case THitTest::Nowhere:
      return HTNOWHERE;
    case THitTest::Client:
      return HTCLIENT;
    case THitTest::Caption:
      return HTCAPTION;
    case THitTest::SysMenu:
      return HTSYSMENU;
    case THitTest::MinButton:
      return HTMINBUTTON;
    case THitTest::MaxButton:
      return HTMAXBUTTON;
    case THitTest::Close:
      return HTCLOSE;
    case THitTest::Help:
      return HTHELP;
    case THitTest::Menu:
      return HTMENU;
    case THitTest::Left:
      return HTLEFT;
    case THitTest::Right:
      return HTRIGHT;
    case THitTest::Top:
      return HTTOP;
    case THitTest::TopLeft:
      return HTTOPLEFT;
    case THitTest::TopRight:
      return HTTOPRIGHT;
    case THitTest::Bottom:
      return HTBOTTOM;
    case THitTest::BottomLeft:
      return HTBOTTOMLEFT;
    case THitTest::BottomRight:
      return HTBOTTOMRIGHT;
    case THitTest::Border:
      return HTBORDER;
  }
  return HTNOWHERE;
}

THitTest HitOf(WPARAM AHit) {
  switch (AHit) {
    case HTCAPTION:
      return THitTest::Caption;
    case HTSYSMENU:
      return THitTest::SysMenu;
    case HTMINBUTTON:
      return THitTest::MinButton;
    case HTMAXBUTTON:
      return THitTest::MaxButton;
    case HTCLOSE:
      return THitTest::Close;
    case HTHELP:
      return THitTest::Help;
    case HTCLIENT:
      return THitTest::Client;
    default:
      return THitTest::Border;
  }
}

std::u16string CaptionOf(HWND AWindow) {
  int length = GetWindowTextLengthW(AWindow);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(AWindow, text.data(), length + 1);
  return std::u16string(text.begin(), text.begin() + std::max(got, 0));
}

// The system's caption font, for the time of one paint.
class TCaptionFont {
 public:
  TCaptionFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
      FFont = CreateFontIndirectW(&metrics.lfCaptionFont);
    }
  }
  ~TCaptionFont() {
    if (FFont) DeleteObject(FFont);
  }
  TCaptionFont(const TCaptionFont&) = delete;
  TCaptionFont& operator=(const TCaptionFont&) = delete;
  HGDIOBJ Get() const { return FFont ? FFont : GetStockObject(DEFAULT_GUI_FONT); }

 private:
  HFONT FFont = nullptr;
};

// AIcon drawn at 16 x 16 over ATransColor, which then counts as
// transparent; empty without an icon.
TBitmap IconBitmap(HICON AIcon, TColor ATransColor, HDC AReference) {
  TBitmap out;
  if (!AIcon) return out;
  TDibSurface surface(16, 16, AReference);
  if (!surface.Valid()) return out;
  THdcCanvas canvas(surface.Dc());
  canvas.FillRect(TRect::Sized(0, 0, 16, 16), ATransColor);
  DrawIconEx(surface.Dc(), 0, 0, AIcon, 16, 16, 0, nullptr, DI_NORMAL);
  GdiFlush();
  out.SetSize(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) out.SetPixel(x, y, surface.Pixel(x, y));
  }
  out.SetTransparent(true, ATransColor);
  return out;
}

}  // namespace

HICON TzelSkinWindow::GetIconHandle() const {
  auto icon = reinterpret_cast<HICON>(SendMessageW(m_hWnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(m_hWnd, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(m_hWnd, GCLP_HICON));
  if (!icon) icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  return icon;
}

TzelSkinWindow::TzelSkinWindow(HWND AWindow, bool AForDialog, TzelSkinEngine& AEngine)
    : m_Engine(AEngine), m_hWnd(AWindow), m_ForDialog(AForDialog), m_SubclassId(NextSubclassId()) {
  m_CaptionXPos = AEngine.m_AllFormCaptionXPos;
  m_Active = AEngine.RealActive();
  m_HadSysMenu = (GetWindowLongPtrW(AWindow, GWL_STYLE) & WS_SYSMENU) != 0;
}

TzelSkinWindow::~TzelSkinWindow() {
  m_Destroying = true;
  // Subclasses switch skinning off in their destructors (they still know
  // their window); the handler leaves the chain here.
  if (m_Foreign) {
    m_Foreign->Detach();
  } else if (IsWindow(m_hWnd)) {
    ui::UnsubclassWindow(m_hWnd, m_SubclassId);
  }
}

void TzelSkinWindow::Start() {
  auto handler = [this](const ui::TWindowMessage& AMsg, const ui::TWindowChain::TNext& ANext) {
    return WindowProc(AMsg, ANext);
  };
  if (!ui::SubclassWindow(m_hWnd, m_SubclassId, handler)) {
    m_Foreign = std::make_unique<ui::TForeignSubclass>(m_hWnd, handler);
  }
  SkinControls();
  SetSkinActive(m_Active);
  if (!m_SavedWndStyle && (StartsAtOnce() || IsWindowVisible(m_hWnd))) StartSkinning();
}

void TzelSkinWindow::StartSkinning() {
  SaveMetrics();
  m_SavedWndStyle = true;
  SetSkinActive(m_Active);
  m_Creating = false;
}

void TzelSkinWindow::SetSkinActive(bool AValue) {
  m_Active = AValue && m_DrawForm;
  if (m_SavedWndStyle) {
    UpdateState();
    if (m_Active) UpdateRegion();
  }
}

void TzelSkinWindow::SkinChanged() {
  m_TitleNeedRegion = m_Engine.Metrics().TitleNeedRegion;
  m_BottomNeedRegion = m_Engine.Metrics().BottomNeedRegion;
  if (m_Engine.RealActive() && m_Active && m_SavedWndStyle) {
    PaintFrame();
    UpdateRegion();
  }
}

void TzelSkinWindow::SetTitleVisible(bool AValue) {
  if (m_TitleVisible == AValue) return;
  m_TitleVisible = AValue;
  if (m_Active && m_SavedWndStyle) {
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateRegion();
    PaintFrame();
  }
}

void TzelSkinWindow::SetBorderVisible(bool AValue) {
  if (m_BorderVisible == AValue) return;
  m_BorderVisible = AValue;
  if (m_Active && m_SavedWndStyle) {
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateRegion();
    PaintFrame();
  }
}

int TzelSkinWindow::TitleHeight() const {
  return m_TitleVisible && m_Active ? m_Engine.TitleHeight() : 0;
}

TFrameState TzelSkinWindow::FrameState() const {
  TFrameState state;
  LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  LONG_PTR exStyle = GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
  if ((style & WS_CAPTION) == 0 && (style & WS_THICKFRAME) == 0) {
    state.Style = TBorderStyle::None;
  } else if (exStyle & WS_EX_TOOLWINDOW) {
    state.Style = (style & WS_THICKFRAME) ? TBorderStyle::SizeToolWin : TBorderStyle::ToolWindow;
  } else if (style & WS_THICKFRAME) {
    state.Style = TBorderStyle::Sizeable;
  } else if (exStyle & WS_EX_DLGMODALFRAME) {
    state.Style = TBorderStyle::Dialog;
  } else {
    state.Style = TBorderStyle::Single;
  }
  state.Icons.SystemMenu = m_HadSysMenu;
  state.Icons.Minimize = (style & WS_MINIMIZEBOX) != 0;
  state.Icons.Maximize = (style & WS_MAXIMIZEBOX) != 0;
  state.Icons.Help = (exStyle & WS_EX_CONTEXTHELP) != 0;
  state.Show = IsIconic(m_hWnd)   ? TWindowShow::Minimized
               : IsZoomed(m_hWnd) ? TWindowShow::Maximized
                                  : TWindowShow::Normal;
  state.TitleVisible = m_TitleVisible;
  state.BorderVisible = m_BorderVisible;
  state.Active = m_FormActive;
  state.SystemTitleHeight = m_OldTitleHeight;
  state.CaptionXPos = m_CaptionXPos;
  return state;
}

std::optional<TPoint> TzelSkinWindow::PointerInWindow() const {
  POINT p{};
  if (!GetCursorPos(&p)) return std::nullopt;
  RECT r = WindowRectOf(m_hWnd);
  if (!PtInRect(&r, p)) return std::nullopt;
  return TPoint{p.x - r.left, p.y - r.top};
}

TFrameElement TzelSkinWindow::ElementUnderPointer() const {
  std::optional<TPoint> at = PointerInWindow();
  return at ? ElementAt(m_Layout, *at) : TFrameElement::None;
}

void TzelSkinWindow::PaintFrame() {
  if (!m_Engine.RealActive() || !m_Active || !m_SavedWndStyle) return;
  if (MaximizedMDIChild()) return;
  RECT wr = WindowRectOf(m_hWnd);
  const int width = wr.right - wr.left;
  const int height = wr.bottom - wr.top;
  if (width <= 0 || height <= 0) return;
  HDC windowDc = GetWindowDC(m_hWnd);
  if (!windowDc) return;
  {
    TDibSurface buffer(width, height, windowDc);
    if (buffer.Valid()) {
      TCaptionFont font;
      TSelection selected(buffer.Dc(), font.Get());
      THdcCanvas canvas(buffer.Dc());
      const TFrameState state = FrameState();
      const TBitmap icon = IconBitmap(GetIconHandle(), m_Engine.m_TransColor, windowDc);
      TFramePaint painted = skin::PaintFrame(
          canvas, m_Engine.Metrics(), ReadFrameImages(m_Engine.SkinReader()), state,
          {width, height}, CaptionOf(m_hWnd), m_Tracker.PaintPointer(PointerInWindow()),
          icon.Empty() ? nullptr : &icon);
      m_Layout = painted.Title;
      m_CaptionEnd = painted.Title.Caption.X + canvas.TextExtent(painted.Caption).Width;
      // The client area is the window's own: only the frame is copied.
      RECT client{};
      GetClientRect(m_hWnd, &client);
      POINT origin{0, 0};
      ClientToScreen(m_hWnd, &origin);
      const int cx = origin.x - wr.left;
      const int cy = origin.y - wr.top;
      if (!IsIconic(m_hWnd))
        ExcludeClipRect(windowDc, cx, cy, cx + client.right, cy + client.bottom);
      buffer.CopyTo(windowDc, 0, 0);
    }
  }
  ReleaseDC(m_hWnd, windowDc);
}

void TzelSkinWindow::NotifyMainForm() {
  // The MDI parent frame: the child's parent is the MDI client window.
  HWND frame = ZelGetAncestor(m_hWnd, GA_ROOT);
  if (frame && frame != m_hWnd) PostMessageW(frame, kSkinMsgMDIChildPainted, 0, 0);
}

void TzelSkinWindow::UpdateRegion() {
  if (!CanSetRegion()) return;
  if (!m_Engine.RealActive() || !m_Active) return;
  // A maximised MDI child shows its whole client area, no outline.
  if (MaximizedMDIChild()) {
    SetWindowRgn(m_hWnd, nullptr, TRUE);
    return;
  }
  RECT wr = WindowRectOf(m_hWnd);
  const TSize size{wr.right - wr.left, wr.bottom - wr.top};
  std::vector<TRect> rects = FrameRegion(m_Engine.Metrics(), ReadFrameImages(m_Engine.SkinReader()),
                                         FrameState(), size, m_CaptionEnd);
  TCountedObject region = RegionFromRects(rects);
  if (region.Get() && SetWindowRgn(m_hWnd, RegionHandle(region), TRUE)) region.Release();
}

void TzelSkinWindow::SwitchFrame(bool AOn) {
  LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  if (AOn) {
    style &= ~static_cast<LONG_PTR>(WS_SYSMENU);
  } else if (m_HadSysMenu) {
    style |= WS_SYSMENU;
  }
  SetWindowLongPtrW(m_hWnd, GWL_STYLE, style);
  if (!AOn) SetWindowRgn(m_hWnd, nullptr, TRUE);
  SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (AOn) {
    PaintFrame();
  } else {
    // The skinned frame answered WM_NCACTIVATE itself: the system learns the
    // window's activation again, or it would draw an inactive caption.
    SendMessageW(m_hWnd, WM_NCACTIVATE, m_FormActive ? TRUE : FALSE, 0);
    RedrawWindow(m_hWnd, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

void TzelSkinWindow::ControlsStateChanged() {
  if (m_Destroying) return;
  for (auto& control : m_SkinCtrlList) {
    try {
      control->SkinStateChanged();
    } catch (...) {
      // One failing control does not keep the others in the old state.
    }
  }
}

void TzelSkinWindow::ShowSystemMenu(POINT AAt) {
  // The engine's own system menu, its entries as the frame's buttons allow.
  const TFrameState state = FrameState();
  TSysMenuWindow window;
  window.Minimized = IsIconic(m_hWnd) != FALSE;
  window.Maximized = IsZoomed(m_hWnd) != FALSE;
  window.HasMinButton = ShowsMinButton(state);
  window.HasMaxButton = ShowsMaxButton(state);
  window.HasCloseButton = ShowsCloseButton(state);
  m_Engine.PopupSysMenu(m_hWnd, window, AAt.x, AAt.y);
}

bool TzelSkinWindow::MaximizedMDIChild() const {
  return IsMDIChild() && IsZoomed(m_hWnd);
}

void TzelSkinWindow::Act(TFrameAction AAction, std::optional<POINT> AAt) {
  switch (AAction) {
    case TFrameAction::None:
      return;
    case TFrameAction::SystemMenuBelowIcon: {
      POINT origin{0, 0};
      ClientToScreen(m_hWnd, &origin);
      TPoint at = SystemMenuPosition({origin.x, origin.y}, WorkAreaOf(m_hWnd),
                                     IsIconic(m_hWnd) != 0, m_Engine.TitleHeight());
      ShowSystemMenu({at.X, at.Y});
      return;
    }
    case TFrameAction::SystemMenuAtPointer: {
      POINT at{};
      if (AAt) {
        at = *AAt;
      } else {
        GetCursorPos(&at);
      }
      ShowSystemMenu(at);
      return;
    }
    case TFrameAction::Close:
      PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case TFrameAction::ContextHelp:
      PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      return;
    case TFrameAction::Maximize:
      PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      return;
    case TFrameAction::Minimize:
      PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      return;
    case TFrameAction::Restore:
      PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
      return;
  }
}

LRESULT TzelSkinWindow::WindowProc(const ui::TWindowMessage& AMsg,
                                   const ui::TWindowChain::TNext& ANext) {
  if (!m_SavedWndStyle && !StartsAtOnce() && AMsg.Message == WM_PAINT) StartSkinning();
  if (AMsg.Message == WM_NULL) return ANext(AMsg);
  if (AMsg.Message == WM_DESTROY) WindowDestroying();
  if (AMsg.Message == kSkinMsgIsSkinned) return 1;
  if (!m_Engine.RealActive() || !m_Active || !m_DrawForm || !m_SavedWndStyle) {
    LRESULT result = ANext(AMsg);
    if (AMsg.Message == WM_SIZE) AfterSize();
    return result;
  }
  // The owner-drawn items of the engine's menus opened for this window.
  if (AMsg.Message == WM_MEASUREITEM && AMsg.LParam &&
      ui::TMenu::MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(AMsg.LParam))) {
    return TRUE;
  }
  if (AMsg.Message == WM_DRAWITEM && AMsg.LParam &&
      ui::TMenu::DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(AMsg.LParam))) {
    return TRUE;
  }
  if (AMsg.Message == kSkinMsgMenuBarHeight) return GetMenuHeight();
  // A maximised MDI child's frame lies outside its parent's client area:
  // the system keeps it, the parent shows the child's buttons.
  if (MaximizedMDIChild()) {
    if (AMsg.Message == WM_NCPAINT) NotifyMainForm();
    LRESULT result = ANext(AMsg);
    if (AMsg.Message == WM_SIZE) {
      UpdateRegion();
      AfterSize();
    }
    return result;
  }
  const TFrameState state = FrameState();
  RECT wr = WindowRectOf(m_hWnd);
  const TSize size{wr.right - wr.left, wr.bottom - wr.top};
  switch (AMsg.Message) {
    case WM_NCPAINT:
      PaintFrame();
      return 0;
    case WM_NCACTIVATE:
      m_FormActive = AMsg.WParam != 0;
      PaintFrame();
      if (HandlesNCActivate()) return 1;
      break;
    case WM_NCLBUTTONDOWN: {
      const TFrameElement element = ElementUnderPointer();
      const bool filling = state.Show == TWindowShow::Maximized &&
                           MaximizedPlacement(ToRect(wr), WorkAreaOf(m_hWnd)) == std::nullopt;
      const bool nowhere = m_Tracker.Down(element, HitOf(AMsg.WParam), filling);
      PaintFrame();
      if (GetActiveWindow() != m_hWnd) SetActiveWindow(m_hWnd);
      if (nowhere) return ANext({AMsg.Window, AMsg.Message, HTNOWHERE, AMsg.LParam});
      break;
    }
    case WM_NCLBUTTONDBLCLK: {
      const TFrameElement element = ElementUnderPointer();
      TDoubleClick click = DoubleClickAction(HitOf(AMsg.WParam), element, state);
      m_Tracker.Forget();
      PaintFrame();
      if (click.PassAsNowhere) return ANext({AMsg.Window, AMsg.Message, HTNOWHERE, AMsg.LParam});
      Act(click.Action, std::nullopt);
      return 0;
    }
    case WM_CTLCOLORDLG:
      if (m_Engine.FormBrush()) return reinterpret_cast<LRESULT>(m_Engine.FormBrush());
      break;
    case WM_CONTEXTMENU: {
      // The frame's menu is the engine's, opened by the right button: the
      // system's own must not follow it. Keys (-1, -1) and the client area
      // keep the window's own handling.
      const POINT p{static_cast<short>(LOWORD(AMsg.LParam)),
                    static_cast<short>(HIWORD(AMsg.LParam))};
      if (p.x == -1 && p.y == -1) break;
      if (FrameHitTest(m_Engine.Metrics(), state, size, m_Layout, {p.x - wr.left, p.y - wr.top}) !=
          THitTest::Client) {
        return 0;
      }
      break;
    }
    default:
      break;
  }
  LRESULT result = 0;
  if (!PreProcess(AMsg, result)) return result;
  // The system's own processing changes the proposed rectangle: the frame
  // is computed from the window's rectangle as proposed.
  RECT proposed{};
  if (AMsg.Message == WM_NCCALCSIZE && AMsg.LParam) {
    proposed = AMsg.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(AMsg.LParam)->rgrc[0]
                           : *reinterpret_cast<RECT*>(AMsg.LParam);
  }
  result = ANext(AMsg);
  switch (AMsg.Message) {
    case WM_DESTROY:
    case WM_ACTIVATEAPP:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
      return result;
    default:
      break;
  }
  AfterProcess(AMsg, result);
  switch (AMsg.Message) {
    case WM_ACTIVATE:
      m_FormActive = LOWORD(AMsg.WParam) != WA_INACTIVE;
      PaintFrame();
      UpdateRegion();
      break;
    case WM_NCCALCSIZE: {
      if (AMsg.WParam) {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(AMsg.LParam);
        const TRect client = ClientRect(m_Engine.Metrics(), state, ToRect(proposed));
        params->rgrc[0] = {client.Left, client.Top, client.Right, client.Bottom};
        params->rgrc[1] = params->rgrc[0];
        params->rgrc[2] = params->rgrc[0];
        result = WVR_VALIDRECTS;
      } else {
        auto* rect = reinterpret_cast<RECT*>(AMsg.LParam);
        const TRect client = ClientRect(m_Engine.Metrics(), state, ToRect(proposed));
        *rect = {client.Left, client.Top, client.Right, client.Bottom};
        result = 0;
      }
      break;
    }
    case WM_NCMOUSEMOVE:
      if (m_Tracker.Move(ElementUnderPointer())) PaintFrame();
      break;
    case WM_NCLBUTTONUP: {
      const TFrameAction action = m_Tracker.Up(ElementUnderPointer(), state);
      PaintFrame();
      Act(action, std::nullopt);
      break;
    }
    case WM_NCRBUTTONDOWN: {
      PaintFrame();
      const TFrameAction action = RightButtonAction(HitOf(AMsg.WParam), ElementUnderPointer());
      Act(action,
          POINT{static_cast<short>(LOWORD(AMsg.LParam)), static_cast<short>(HIWORD(AMsg.LParam))});
      break;
    }
    case WM_SETTEXT:
      PaintFrame();
      UpdateRegion();
      break;
    case WM_NCHITTEST: {
      POINT p{static_cast<short>(LOWORD(AMsg.LParam)), static_cast<short>(HIWORD(AMsg.LParam))};
      result = HitValue(
          FrameHitTest(m_Engine.Metrics(), state, size, m_Layout, {p.x - wr.left, p.y - wr.top}));
      break;
    }
    case WM_SIZE:
      if (AMsg.WParam == SIZE_MAXIMIZED) {
        if (auto placed = MaximizedPlacement(ToRect(wr), WorkAreaOf(m_hWnd))) {
          SetWindowPos(m_hWnd, nullptr, placed->Left, placed->Top, placed->Width(),
                       placed->Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
      }
      PaintFrame();
      UpdateRegion();
      AfterSize();
      break;
    default:
      if (AMsg.Message == kSkinMsgIsFormActive) result = m_FormActive ? 1 : 2;
      break;
  }
  return result;
}

}  // namespace skin
