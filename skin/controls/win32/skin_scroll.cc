#include "skin/controls/win32/skin_scroll.h"

#include <stdexcept>
#include <vector>

#include "skin/controls/thumb_tracking.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"

namespace skin {
namespace {

// Gives AWindow WS_CLIPSIBLINGS; true when it did not have it.
bool AddClipSiblings(HWND AWindow) {
  const LONG_PTR style = GetWindowLongPtrW(AWindow, GWL_STYLE);
  if (style & WS_CLIPSIBLINGS) return false;
  SetWindowLongPtrW(AWindow, GWL_STYLE, style | WS_CLIPSIBLINGS);
  return true;
}

void RemoveClipSiblings(HWND AWindow, bool AAdded) {
  if (!AAdded || !IsWindow(AWindow)) return;
  SetWindowLongPtrW(AWindow, GWL_STYLE, GetWindowLongPtrW(AWindow, GWL_STYLE) & ~WS_CLIPSIBLINGS);
}

TRect ToRect(const RECT& ARect) {
  return {ARect.left, ARect.top, ARect.right, ARect.bottom};
}

// ARect in screen coordinates, in AWindow's client coordinates.
TRect ScreenToClientRect(HWND AWindow, RECT ARect) {
  MapWindowPoints(nullptr, AWindow, reinterpret_cast<POINT*>(&ARect), 2);
  return ToRect(ARect);
}

bool BarVisible(const SCROLLBARINFO& AInfo) {
  return (AInfo.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
}

bool BarEnabled(const SCROLLBARINFO& AInfo) {
  return (AInfo.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

}  // namespace

// --- TSkinOverlayWindow

TSkinOverlayWindow::TSkinOverlayWindow(HWND AParent, const wchar_t* AClassName) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  if (!GetClassInfoW(instance, AClassName, &wc)) {
    wc = {};
    wc.lpfnWndProc = &TSkinOverlayWindow::WndProc;
    wc.hInstance = instance;
    wc.lpszClassName = AClassName;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.style = CS_DBLCLKS;
    if (!RegisterClassW(&wc)) throw std::runtime_error("overlay window class not registered");
  }
  CreateWindowExW(0, AClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, AParent, nullptr,
                  instance, this);
  if (FHandle == nullptr) throw std::runtime_error("overlay window not made");
}

TSkinOverlayWindow::~TSkinOverlayWindow() {
  if (FHandle != nullptr) {
    HWND window = FHandle;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    FHandle = nullptr;
    DestroyWindow(window);
  }
}

RECT TSkinOverlayWindow::Bounds() const {
  RECT r{};
  if (FHandle == nullptr) return r;
  GetWindowRect(FHandle, &r);
  MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void TSkinOverlayWindow::Hide() {
  if (Visible()) ShowWindow(FHandle, SW_HIDE);
}

void TSkinOverlayWindow::ShowAt(const TRect& ABounds, const TScrollBarLook& ALook,
                                const TzelSkinSource& ASkin, const TzelSkinScrollBtnRes& ARes) {
  if (FHandle == nullptr) return;
  const int w = ABounds.Width(), h = ABounds.Height();
  if (!m_Buf || m_Buf->Width() != w || m_Buf->Height() != h) {
    m_Buf = std::make_unique<TDibSurface>(w, h);
  }
  if (!m_Buf->Valid()) return;
  THdcCanvas canvas(m_Buf->Dc());
  PaintScrollBar(canvas, ASkin, ARes, ALook);
  SetWindowPos(FHandle, HWND_TOP, ABounds.Left, ABounds.Top, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  if (HDC dc = GetDC(FHandle)) {
    m_Buf->CopyTo(dc, 0, 0);
    ReleaseDC(FHandle, dc);
  }
  ValidateRect(FHandle, nullptr);
}

LRESULT CALLBACK TSkinOverlayWindow::WndProc(HWND AWindow, UINT AMessage, WPARAM AWParam,
                                             LPARAM ALParam) {
  if (AMessage == WM_NCCREATE) {
    auto* self =
        static_cast<TSkinOverlayWindow*>(reinterpret_cast<CREATESTRUCTW*>(ALParam)->lpCreateParams);
    self->FHandle = AWindow;
    SetWindowLongPtrW(AWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TSkinOverlayWindow*>(GetWindowLongPtrW(AWindow, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
  if (AMessage == WM_NCDESTROY) {
    // Gone with its parent: the object stays without a window.
    self->FHandle = nullptr;
    SetWindowLongPtrW(AWindow, GWLP_USERDATA, 0);
    return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
  }
  return self->Message(AMessage, AWParam, ALParam);
}

LRESULT TSkinOverlayWindow::Message(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(FHandle, &ps);
      if (m_Buf && m_Buf->Valid()) m_Buf->CopyTo(dc, 0, 0);
      EndPaint(FHandle, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      ReleaseCapture();
      OnClick(AMessage, AWParam,
              {static_cast<short>(LOWORD(ALParam)), static_cast<short>(HIWORD(ALParam))});
      return 0;
    case kSkinMsgIsSkinned:
      return 1;
    default:
      return DefWindowProcW(FHandle, AMessage, AWParam, ALParam);
  }
}

// --- TzelSkinInternalScrollBar

TzelSkinInternalScrollBar::TzelSkinInternalScrollBar(ui::TWidget& ACtrl,
                                                     TzelSkinScrollWinControl& ASkinCtrl, int AType)
    : TSkinOverlayWindow(ACtrl.Parent()->Handle(), L"TzelSkinInternalScrollBar"),
      m_Ctrl(&ACtrl),
      m_SkinCtrl(&ASkinCtrl),
      m_Type(AType) {}

void TzelSkinInternalScrollBar::OnClick(UINT AMessage, WPARAM /*AWParam*/, POINT APoint) {
  HWND control = m_Ctrl->Handle();
  if (control == nullptr) return;
  ClientToScreen(Handle(), &APoint);
  const UINT nc = AMessage == WM_LBUTTONDOWN ? WM_NCLBUTTONDOWN
                  : AMessage == WM_LBUTTONUP ? WM_NCLBUTTONUP
                                             : WM_NCLBUTTONDBLCLK;
  SendMessageW(control, nc, m_Type == 0 ? HTVSCROLL : HTHSCROLL, MAKELPARAM(APoint.x, APoint.y));
}

// --- TzelSkinScrollWinControl

TzelSkinScrollWinControl::~TzelSkinScrollWinControl() {
  m_Destroying = true;
  m_VScroll.reset();
  m_HScroll.reset();
  RemoveClipSiblings(m_Control->Handle(), m_AddedClipSiblings);
}

void TzelSkinScrollWinControl::Init() {
  CreateScrollBars();
}

void TzelSkinScrollWinControl::CreateScrollBars() {
  m_VScroll.reset();
  m_HScroll.reset();
  HWND h = m_Control->Handle();
  ui::TWidget* parent = m_Control->Parent();
  if (h == nullptr || parent == nullptr || parent->Handle() == nullptr) return;
  std::vector<const ui::TWidgetClass*> ancestors;
  for (ui::TWidget* p = parent; p != nullptr; p = p->Parent()) ancestors.push_back(&p->Class());
  const bool multiLine = (GetWindowLongPtrW(h, GWL_STYLE) & ES_MULTILINE) != 0;
  if (!WantsOverlayScrollBars(m_Control->Class(), multiLine, ancestors)) return;
  try {
    m_VScroll = std::make_unique<TzelSkinInternalScrollBar>(*m_Control, *this, 0);
    m_HScroll = std::make_unique<TzelSkinInternalScrollBar>(*m_Control, *this, 1);
  } catch (...) {
    // The control goes without overlays.
    m_VScroll.reset();
    m_HScroll.reset();
    return;
  }
  m_AddedClipSiblings = AddClipSiblings(h) || m_AddedClipSiblings;
}

void TzelSkinScrollWinControl::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinBorderWinControl::AfterProcess(AMessage);
  switch (AMessage.Msg) {
    case ui::CM_RECREATEWND:
      // A parent made anew took the overlays' windows with its old one.
      if (m_VScroll && (m_VScroll->Handle() == nullptr ||
                        GetParent(m_VScroll->Handle()) != GetParent(m_Control->Handle()))) {
        CreateScrollBars();
      }
      Repaint();
      break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOVE:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CHAR:
      Repaint();
      break;
    case ui::CM_VISIBLECHANGED:
      if (AMessage.WParam) {
        Repaint();
      } else {
        HideScrollBars();
      }
      break;
    default:
      break;
  }
}

void TzelSkinScrollWinControl::Paint() {
  TzelSkinBorderWinControl::Paint();
  UpdateScrollBars();
}

void TzelSkinScrollWinControl::SkinStateChanged() {
  if (Engine().RealActive()) {
    Repaint();
  } else {
    HideScrollBars();
    // The control's own frame and bars again.
    if (HWND h = m_Control->Handle()) {
      RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
  }
}

void TzelSkinScrollWinControl::HideScrollBars() {
  if (m_VScroll) m_VScroll->Hide();
  if (m_HScroll) m_HScroll->Hide();
}

std::optional<TRect> TzelSkinScrollWinControl::UpdateScrollBar(TzelSkinInternalScrollBar& ABar) {
  HWND h = m_Control->Handle();
  const bool vertical = ABar.Type() == 0;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!GetScrollBarInfo(h, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) {
    ABar.Hide();
    return std::nullopt;
  }
  const TScrollDir dir = vertical ? TScrollDir::Vertical : TScrollDir::Horizontal;
  const std::optional<TRect> bounds =
      OverlayBounds(ScreenToClientRect(GetParent(h), info.rcScrollBar), BarVisible(info), dir);
  if (!bounds) {
    ABar.Hide();
    return std::nullopt;
  }
  TScrollBarLook look{dir,
                      {bounds->Width(), bounds->Height()},
                      BarEnabled(info),
                      info.xyThumbTop,
                      info.xyThumbBottom};
  // A thumb being dragged on this control is painted where it is dragged.
  const TThumbAxis& axis = vertical ? ThumbTracking().V : ThumbTracking().H;
  if (axis.Tracking && GetCapture() == h) {
    look.ThumbTop = axis.TrackTop;
    look.ThumbBottom = axis.TrackBottom;
  }
  ABar.ShowAt(*bounds, look, Engine(), m_Res);
  return bounds;
}

void TzelSkinScrollWinControl::UpdateScrollBars() {
  if (!m_VScroll || !m_HScroll || m_Updating) return;
  HWND h = m_Control->Handle();
  if (!Engine().DrawScrollBar() || !IsWindowVisible(h)) {
    HideScrollBars();
    return;
  }
  m_Updating = true;
  const std::optional<TRect> v = UpdateScrollBar(*m_VScroll);
  const std::optional<TRect> hz = UpdateScrollBar(*m_HScroll);
  m_Updating = false;
  if (!v || !hz) return;
  // The square between both bars, on the control's own window.
  RECT window{};
  GetWindowRect(h, &window);
  const TRect origin = ScreenToClientRect(GetParent(h), window);
  const TRect corner = ScrollCorner(*v, *hz).Moved(-origin.Left, -origin.Top);
  if (HDC dc = GetWindowDC(h)) {
    THdcCanvas(dc).FillRect(corner, Engine().FormColor());
    ReleaseDC(h, dc);
  }
}

// --- TzelSkinGrid

TzelSkinGrid::~TzelSkinGrid() {
  if (!m_Control->Destroying()) RestoreFixedColor();
}

void TzelSkinGrid::SkinStateChanged() {
  if (Engine().RealActive()) {
    if (!m_OldFixedColor) {
      if (const auto value = m_Control->GetProperty("FixedColor")) {
        m_OldFixedColor = std::get<int64_t>(*value);
      }
    }
    m_Control->SetProperty("FixedColor", static_cast<int64_t>(Engine().FormColor()));
  } else {
    RestoreFixedColor();
  }
  TzelSkinScrollWinControl::SkinStateChanged();
}

void TzelSkinGrid::RestoreFixedColor() {
  if (!m_OldFixedColor) return;
  m_Control->SetProperty("FixedColor", *m_OldFixedColor);
  m_OldFixedColor.reset();
}

// --- TzelSkinInternalScrollBar2

TzelSkinInternalScrollBar2::TzelSkinInternalScrollBar2(ui::TWidget& AControl)
    : TSkinOverlayWindow(AControl.Parent()->Handle(), L"TzelSkinInternalScrollBar2"),
      m_Control(&AControl) {}

void TzelSkinInternalScrollBar2::OnClick(UINT AMessage, WPARAM AWParam, POINT APoint) {
  if (HWND control = m_Control->Handle()) {
    SendMessageW(control, AMessage, AWParam, MAKELPARAM(APoint.x, APoint.y));
  }
}

// --- TzelSkinScrollBar

TzelSkinScrollBar::~TzelSkinScrollBar() {
  m_Destroying = true;
  m_Scroll.reset();
  RemoveClipSiblings(m_Control->Handle(), m_AddedClipSiblings);
}

void TzelSkinScrollBar::Init() {
  ui::TWidget* parent = m_Control->Parent();
  if (m_Control->Handle() == nullptr || parent == nullptr || parent->Handle() == nullptr) return;
  try {
    m_Scroll = std::make_unique<TzelSkinInternalScrollBar2>(*m_Control);
  } catch (...) {
    return;  // the scroll bar keeps its own look
  }
  m_AddedClipSiblings = AddClipSiblings(m_Control->Handle());
}

void TzelSkinScrollBar::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  switch (AMessage.Msg) {
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case ui::CM_GOTFOCUS:
    case ui::CM_LOSTFOCUS:
    case WM_MOVE:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case ui::CN_BASE + WM_HSCROLL:
    case ui::CN_BASE + WM_VSCROLL:
      Repaint();
      break;
    case ui::CM_VISIBLECHANGED:
      if (AMessage.WParam) {
        Repaint();
      } else if (m_Scroll) {
        m_Scroll->Hide();
      }
      break;
    default:
      break;
  }
}

void TzelSkinScrollBar::Paint() {
  if (!m_Scroll || m_Updating) return;
  HWND h = m_Control->Handle();
  RECT window{};
  GetWindowRect(h, &window);
  const bool vertical = (GetWindowLongPtrW(h, GWL_STYLE) & SBS_VERT) != 0;
  const TScrollDir dir = vertical ? TScrollDir::Vertical : TScrollDir::Horizontal;
  const std::optional<TRect> bounds =
      OverlayBounds(ScreenToClientRect(GetParent(h), window), IsWindowVisible(h) != FALSE, dir);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!bounds || !GetScrollBarInfo(h, OBJID_CLIENT, &info)) {
    m_Scroll->Hide();
    return;
  }
  const TScrollBarLook look{dir,
                            {bounds->Width(), bounds->Height()},
                            BarEnabled(info) && IsWindowEnabled(h),
                            info.xyThumbTop,
                            info.xyThumbBottom};
  m_Updating = true;
  m_Scroll->ShowAt(*bounds, look, Engine(), m_Res);
  m_Updating = false;
}

void TzelSkinScrollBar::SkinStateChanged() {
  if (Engine().RealActive()) {
    Repaint();
  } else if (m_Scroll) {
    m_Scroll->Hide();
  }
}

}  // namespace skin
