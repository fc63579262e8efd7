#include "skin/controls/win32/skin_overlay_panel.h"

#include <stdexcept>

#include "skin/draw/win32/dib_surface.h"

namespace skin {
namespace {

void RegisterPanelClass(WNDPROC AProc) {
  static const ATOM atom = [AProc] {
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = AProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = TzelSkinOverlayPanel::kClassName;
    return RegisterClassW(&wc);
  }();
  if (atom == 0) throw std::runtime_error("the overlay panel's window class was refused");
}

}  // namespace

TzelSkinOverlayPanel::TzelSkinOverlayPanel(HWND AParent) {
  RegisterPanelClass(&Proc);
  FHandle = CreateWindowExW(WS_EX_NOPARENTNOTIFY, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                            0, 0, AParent, nullptr, GetModuleHandleW(nullptr), this);
  if (FHandle == nullptr) throw std::runtime_error("no overlay panel window");
}

TzelSkinOverlayPanel::~TzelSkinOverlayPanel() {
  if (FHandle != nullptr && IsWindow(FHandle)) {
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
  }
}

void TzelSkinOverlayPanel::PlaceOver(HWND AOver, const RECT& ARect) {
  RECT r = ARect;
  MapWindowPoints(AOver, GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
  SetWindowPos(FHandle, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Redraw();
}

void TzelSkinOverlayPanel::Hide() {
  if (Visible()) ShowWindow(FHandle, SW_HIDE);
}

void TzelSkinOverlayPanel::Redraw() {
  if (Visible()) RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CALLBACK TzelSkinOverlayPanel::Proc(HWND AWindow, UINT AMessage, WPARAM AWParam,
                                            LPARAM ALParam) {
  if (AMessage == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(ALParam);
    SetWindowLongPtrW(AWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TzelSkinOverlayPanel*>(GetWindowLongPtrW(AWindow, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
  const POINT at{static_cast<short>(LOWORD(ALParam)), static_cast<short>(HIWORD(ALParam))};
  switch (AMessage) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(AWindow, &ps);
      RECT rc{};
      GetClientRect(AWindow, &rc);
      if (rc.right > 0 && rc.bottom > 0) {
        TDibSurface buf(rc.right, rc.bottom, dc);
        if (buf.Valid()) {
          self->PaintPanel(buf.Dc(), {rc.right, rc.bottom});
          buf.CopyTo(dc, 0, 0);
        }
      }
      EndPaint(AWindow, &ps);
      return 0;
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, AWindow, 0};
      TrackMouseEvent(&track);
      self->Mouse(AMessage, at);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSELEAVE:
      self->Mouse(AMessage, at);
      return 0;
    case WM_NCDESTROY:
      self->FHandle = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace skin
