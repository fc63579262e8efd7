#include "skin/controls/win32/skin_control.h"

#include <commctrl.h>

#include <cstring>
#include <functional>
#include <stdexcept>

#include "skin/controls/paint_buttons.h"
#include "skin/controls/thumb_tracking.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"

namespace skin {

bool TzelSkinControl::PreProcess(TSkinMessage& /*AMessage*/) {
  return true;
}

void TzelSkinControl::AfterProcess(TSkinMessage& AMessage) {
  const WPARAM key = AMessage.WParam;
  const bool pressKey = key == VK_SPACE || key == VK_RETURN;
  switch (AMessage.Msg) {
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case kSkinMsgRepaintControl:
    case ui::CM_ENABLEDCHANGED:
    case ui::CM_TEXTCHANGED:
      Repaint();
      break;
    case WM_KEYDOWN:
      if (pressKey) m_MouseState |= kMousePressed;
      Repaint();
      KeyDown(key);
      break;
    case WM_KEYUP:
      if (pressKey) m_MouseState &= ~kMousePressed;
      Repaint();
      KeyUp(key);
      break;
    case WM_LBUTTONDOWN:
      m_MouseState |= kMousePressed;
      Repaint();
      MouseDown();
      break;
    case WM_LBUTTONUP:
      m_MouseState &= ~kMousePressed;
      Repaint();
      MouseUp();
      break;
    case ui::CM_MOUSEENTER:
      m_MouseState |= kMouseHot;
      Repaint();
      MouseEnter();
      break;
    case ui::CM_MOUSELEAVE:
      m_MouseState &= ~(kMouseHot | kMousePressed);
      Repaint();
      MouseLeave();
      break;
    case kSkinMsgIsSkinned:
      AMessage.Result = 1;
      break;
    default:
      break;
  }
}

void TzelSkinControl::Repaint() {
  if (m_Engine->RealActive() && !m_Destroying && IsWindow(GetHandle())) Paint();
}

void TzelSkinControl::PaintBitmap(const TDibSurface& ABuf, POINT APosition) {
  if (m_PaintDc != nullptr) {
    ABuf.CopyTo(m_PaintDc, APosition.x, APosition.y);
    return;
  }
  HWND window = GetHandle();
  HDC dc = GetDC(window);
  if (dc == nullptr) return;
  ABuf.CopyTo(dc, APosition.x, APosition.y);
  ReleaseDC(window, dc);
}

void TzelSkinControl::PaintPushButtonLook(const TPushButtonLook& ALook, HFONT AFont,
                                          HIMAGELIST AImages, int AImageIndex) {
  if (ALook.Size.Width <= 0 || ALook.Size.Height <= 0) return;
  TDibSurface buf(ALook.Size.Width, ALook.Size.Height);
  if (!buf.Valid()) return;
  HGDIOBJ oldFont = AFont != nullptr ? SelectObject(buf.Dc(), AFont) : nullptr;
  THdcCanvas canvas(buf.Dc());
  TPoint pictureAt{0, 0};
  const TRect focus = PaintPushButton(canvas, *m_Engine, ALook, &pictureAt);
  if (AImages != nullptr && AImageIndex >= 0) {
    ImageList_Draw(AImages, AImageIndex, buf.Dc(), pictureAt.X, pictureAt.Y, ILD_TRANSPARENT);
  }
  if (!focus.Empty()) {
    const RECT r{focus.Left, focus.Top, focus.Right, focus.Bottom};
    DrawFocusRect(buf.Dc(), &r);
  }
  if (oldFont != nullptr) SelectObject(buf.Dc(), oldFont);
  PaintBitmap(buf, {0, 0});
}

void TzelSkinControl::OwnerPaint(TSkinMessage& AMessage) {
  PAINTSTRUCT ps;
  HWND window = GetHandle();
  m_PaintDc = BeginPaint(window, &ps);
  if (m_Engine->RealActive()) Paint();
  m_PaintDc = nullptr;
  EndPaint(window, &ps);
  AMessage.Result = 0;
}

bool TzelSkinControl::AnswerOwnerPaint(TSkinMessage& AMessage) {
  if (AMessage.Msg == WM_PAINT) {
    OwnerPaint(AMessage);
    return true;
  }
  if (AMessage.Msg == WM_ERASEBKGND) {
    AMessage.Result = 1;
    return true;
  }
  return false;
}

void TzelSkinControl::PaintBuffered(
    const std::function<void(TDibSurface& ABuf, TSize ASize)>& APaint) {
  RECT rc{};
  ::GetClientRect(GetHandle(), &rc);
  if (rc.right <= 0 || rc.bottom <= 0) return;
  TDibSurface buf(rc.right, rc.bottom);
  if (!buf.Valid()) return;
  APaint(buf, {rc.right, rc.bottom});
  PaintBitmap(buf, {0, 0});
}

// --- Toolkit controls

TzelSkinControlVCL::~TzelSkinControlVCL() {
  Uninstall();
}

void TzelSkinControlVCL::Install() {
  m_OldWndProc = m_Control->WindowProc;
  m_Control->WindowProc = [this](UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
    return Dispatch(AMessage, AWParam, ALParam);
  };
  m_Installed = true;
  // A wrapper that paints on its parent's colour has the control take it.
  if (ParentColor() && m_Control->HasProperty("ParentColor")) {
    m_Control->SetProperty("ParentColor", true);
  }
}

void TzelSkinControlVCL::Uninstall() {
  if (!m_Installed) return;
  m_Control->WindowProc = m_OldWndProc;
  m_Installed = false;
}

RECT TzelSkinControlVCL::GetClientRect() const {
  RECT r{};
  if (m_Control->Handle()) ::GetClientRect(m_Control->Handle(), &r);
  return r;
}

namespace {

// Controls whose scrolling the thumb tracking leaves alone.
bool TracksThumb(const ui::TWidgetClass& AClass) {
  if (AClass.InheritsFrom(ui::classes::CustomGrid) || AClass.InheritsFrom(ui::classes::ScrollBox)) {
    return false;
  }
  for (std::string_view name :
       {"TRxRichEdit", "TRxCustomRichEdit", "TJvxRichEdit", "TRichEditViewer"}) {
    if (AClass.InheritsFrom(name)) return false;
  }
  return true;
}

void TrackThumb(HWND AWindow, const TSkinMessage& AMessage) {
  TThumbTracking& state = ThumbTracking();
  POINT cursor{};
  if (AMessage.Msg == WM_NCLBUTTONDOWN) {
    GetCursorPos(&cursor);
    state.PressV = cursor.y;
    state.PressH = cursor.x;
    return;
  }
  if (AMessage.Msg != WM_VSCROLL && AMessage.Msg != WM_HSCROLL) return;
  const bool vertical = AMessage.Msg == WM_VSCROLL;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!GetScrollBarInfo(AWindow, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return;
  TSystemThumb system;
  system.Top = info.xyThumbTop;
  system.Bottom = info.xyThumbBottom;
  system.TrackEnd = vertical ? info.rcScrollBar.bottom - info.rcScrollBar.top
                             : info.rcScrollBar.right - info.rcScrollBar.left;
  system.Arrow = GetSystemMetrics(vertical ? SM_CXVSCROLL : SM_CXHSCROLL);
  const WORD code = LOWORD(AMessage.WParam);
  const TThumbCode kind = code == SB_THUMBTRACK      ? TThumbCode::Track
                          : code == SB_THUMBPOSITION ? TThumbCode::Position
                                                     : TThumbCode::Other;
  GetCursorPos(&cursor);
  if (vertical) {
    OnScrollMessage(state.V, kind, system, cursor.y, state.PressV);
  } else {
    OnScrollMessage(state.H, kind, system, cursor.x, state.PressH);
  }
}

}  // namespace

LRESULT TzelSkinControlVCL::Dispatch(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (m_Engine->BeingDestroyed() || !m_Engine->RealActive() ||
      m_Control->Tag() == m_Engine->DisabledTag()) {
    return m_OldWndProc(AMessage, AWParam, ALParam);
  }
  TSkinMessage message{AMessage, AWParam, ALParam};
  // The saved method may outlive this call's wrapper (a handler frees the
  // window wrapper): keep a copy.
  const ui::TWidget::TWndProc old = m_OldWndProc;
  if (TracksThumb(m_Control->Class())) TrackThumb(m_Control->Handle(), message);
  if (PreProcess(message)) message.Result = old(AMessage, AWParam, ALParam);
  if (!m_Destroying) AfterProcess(message);
  return message.Result;
}

// --- Native windows

namespace {

// mov rcx, <object>; mov rax, <target>; jmp rax. The window handle in rcx
// becomes the wrapper; the other arguments stay where they are.
constexpr size_t kThunkSize = 22;

void WriteThunk(unsigned char* ACode, const void* AObject, const void* ATarget) {
  ACode[0] = 0x48;
  ACode[1] = 0xB9;
  std::memcpy(ACode + 2, &AObject, 8);
  ACode[10] = 0x48;
  ACode[11] = 0xB8;
  std::memcpy(ACode + 12, &ATarget, 8);
  ACode[20] = 0xFF;
  ACode[21] = 0xE0;
}

// mov rax, <procedure>; jmp rax: straight on to the procedure, the window
// handle untouched.
void WriteForwarder(unsigned char* ACode, const void* ATarget) {
  ACode[0] = 0x48;
  ACode[1] = 0xB8;
  std::memcpy(ACode + 2, &ATarget, 8);
  ACode[10] = 0xFF;
  ACode[11] = 0xE0;
}

void* MakeCode(const std::function<void(unsigned char*)>& AWrite) {
  void* page = VirtualAlloc(nullptr, kThunkSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (page == nullptr) return nullptr;
  AWrite(static_cast<unsigned char*>(page));
  DWORD old = 0;
  VirtualProtect(page, kThunkSize, PAGE_EXECUTE_READ, &old);
  FlushInstructionCache(GetCurrentProcess(), page, kThunkSize);
  return page;
}

}  // namespace

TzelSkinControlWnd::~TzelSkinControlWnd() {
  Uninstall();
}

void TzelSkinControlWnd::Install() {
  m_Thunk = MakeCode([this](unsigned char* ACode) {
    WriteThunk(ACode, this, reinterpret_cast<const void*>(&TzelSkinControlWnd::ThunkTarget));
  });
  if (m_Thunk == nullptr) throw std::runtime_error("no memory for a window procedure thunk");
  m_NewWndProc = reinterpret_cast<WNDPROC>(m_Thunk);
  m_OldWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(m_CtrlWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_NewWndProc)));
}

void TzelSkinControlWnd::Uninstall() {
  if (m_Thunk == nullptr) return;
  const bool ours = IsWindow(m_CtrlWnd) && GetWindowLongPtrW(m_CtrlWnd, GWLP_WNDPROC) ==
                                               reinterpret_cast<LONG_PTR>(m_NewWndProc);
  if (ours || !IsWindow(m_CtrlWnd)) {
    if (ours) {
      SetWindowLongPtrW(m_CtrlWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OldWndProc));
    }
    VirtualFree(m_Thunk, 0, MEM_RELEASE);
  } else {
    // Someone subclassed the window after us and calls the thunk: it
    // becomes a plain jump to the saved procedure and stays.
    DWORD old = 0;
    VirtualProtect(m_Thunk, kThunkSize, PAGE_READWRITE, &old);
    WriteForwarder(static_cast<unsigned char*>(m_Thunk),
                   reinterpret_cast<const void*>(m_OldWndProc));
    VirtualProtect(m_Thunk, kThunkSize, PAGE_EXECUTE_READ, &old);
    FlushInstructionCache(GetCurrentProcess(), m_Thunk, kThunkSize);
  }
  m_Thunk = nullptr;
}

RECT TzelSkinControlWnd::GetClientRect() const {
  RECT r{};
  GetWindowRect(m_CtrlWnd, &r);
  return {0, 0, r.right - r.left, r.bottom - r.top};
}

LRESULT TzelSkinControlWnd::CallOld(const TSkinMessage& AMessage) const {
  return CallWindowProcW(m_OldWndProc, m_CtrlWnd, AMessage.Msg, AMessage.WParam, AMessage.LParam);
}

LRESULT CALLBACK TzelSkinControlWnd::ThunkTarget(TzelSkinControlWnd* ASelf, UINT AMessage,
                                                 WPARAM AWParam, LPARAM ALParam) {
  return ASelf->Dispatch(AMessage, AWParam, ALParam);
}

LRESULT TzelSkinControlWnd::Dispatch(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  TSkinMessage message{AMessage, AWParam, ALParam};
  if (AMessage == WM_NCDESTROY) {
    // The window goes: give it its procedure back first, then let it finish.
    const WNDPROC old = m_OldWndProc;
    const HWND window = m_CtrlWnd;
    m_Destroying = true;
    Uninstall();
    return CallWindowProcW(old, window, AMessage, AWParam, ALParam);
  }
  if (m_Engine->BeingDestroyed() || !m_Engine->RealActive()) return CallOld(message);
  if (PreProcess(message)) message.Result = CallOld(message);
  if (!m_Destroying) AfterProcess(message);
  return message.Result;
}

std::u16string WindowText16(HWND AWindow) {
  const int length = GetWindowTextLengthW(AWindow);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(AWindow, text.data(), length + 1);
  return std::u16string(text.begin(), text.begin() + (got > 0 ? got : 0));
}

}  // namespace skin
