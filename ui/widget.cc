#include "ui/widget.h"

#include <algorithm>
#include <exception>
#include <set>

#include "platform/win32/wide.h"
#include "ui/form.h"

namespace ui {

using platform::win32::ToUtf8;
using platform::win32::ToWide;

namespace {

// Registers the toolkit's window class AName once per process.
void RegisterOwnClass(const wchar_t* AName, WNDPROC AProc) {
  static std::set<std::wstring> registered;  // window classes are process-wide too
  if (!registered.insert(AName).second) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = AProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  wc.lpszClassName = AName;
  RegisterClassExW(&wc);
}

}  // namespace

TWidget::TWidget(const TWidgetArgs& AArgs)
    : WindowProc([this](UINT m, WPARAM w, LPARAM l) { return HandleMessage(m, w, l); }),
      FParent(AArgs.Parent),
      FForm(AArgs.Parent ? AArgs.Parent->FForm : nullptr),
      FInitial(AArgs),
      FTag(AArgs.Tag),
      FParentColor(AArgs.Parent != nullptr),
      FParentFont(AArgs.Parent != nullptr) {
  if (FParent) FParent->FChildren.push_back(this);
}

TWidget::~TWidget() {
  if (FForm && FForm != this) FForm->Forget(this);
  if (FParent) {
    auto& siblings = FParent->FChildren;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (TWidget* child : FChildren) child->FParent = nullptr;
  if (FHandle) {
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
    if (FNativeProc)
      SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FNativeProc));
    DestroyWindow(FHandle);
  }
}

TWidget* TWidget::FromHandle(HWND AWindow) {
  if (!AWindow) return nullptr;
  return reinterpret_cast<TWidget*>(GetWindowLongPtrW(AWindow, GWLP_USERDATA));
}

void TWidget::CreateHandle(const wchar_t* AClassName, DWORD AStyle, DWORD AExStyle,
                           const wchar_t* AOwnClassName) {
  const bool native = AClassName != nullptr;
  if (!native) RegisterOwnClass(AOwnClassName, &TWidget::StaticWndProc);
  HWND parent = FParent ? FParent->Handle() : nullptr;
  if (FParent) AStyle |= WS_CHILD;
  HWND window = CreateWindowExW(AExStyle, native ? AClassName : AOwnClassName,
                                ToWide(FInitial.Caption).c_str(), AStyle, FInitial.Left,
                                FInitial.Top, FInitial.Width, FInitial.Height, parent, nullptr,
                                GetModuleHandleW(nullptr), native ? nullptr : this);
  if (!window) throw std::runtime_error("Fenster konnte nicht erzeugt werden");
  if (native) {
    FHandle = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    FNativeProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWidget::StaticWndProc)));
  }
  FontChanged();
}

LRESULT CALLBACK TWidget::StaticWndProc(HWND AWindow, UINT AMessage, WPARAM AWParam,
                                        LPARAM ALParam) {
  if (AMessage == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(ALParam);
    auto* widget = static_cast<TWidget*>(create->lpCreateParams);
    if (widget) {
      widget->FHandle = AWindow;
      SetWindowLongPtrW(AWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(widget));
    }
  }
  TWidget* widget = FromHandle(AWindow);
  if (!widget) return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
  return widget->Dispatch(AMessage, AWParam, ALParam);
}

LRESULT TWidget::Dispatch(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_NCDESTROY) {
    const LRESULT result = DefaultHandler(AMessage, AWParam, ALParam);
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
    FHandle = nullptr;
    return result;
  }
  if (AMessage == WM_SETFOCUS && FForm) FForm->FocusMovedTo(this);
  try {
    return WindowProc(AMessage, AWParam, ALParam);
  } catch (const std::exception& e) {
    if (FForm) FForm->ShowException(e.what());
  } catch (...) {
    if (FForm) FForm->ShowException("Unbekannter Fehler");
  }
  return 0;
}

LRESULT TWidget::DefaultHandler(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (FNativeProc) return CallWindowProcW(FNativeProc, FHandle, AMessage, AWParam, ALParam);
  return DefWindowProcW(FHandle, AMessage, AWParam, ALParam);
}

LRESULT TWidget::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_COMMAND:
      // Notifications of child controls go back to the child's widget.
      if (ALParam != 0) {
        if (TWidget* child = FromHandle(reinterpret_cast<HWND>(ALParam)); child && child != this) {
          child->CommandNotification(HIWORD(AWParam));
          return 0;
        }
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(ALParam);
      if (TWidget* child = FromHandle(header->hwndFrom); child && child != this) {
        return child->Notification(*header);
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(ALParam);
      if (TWidget* child = FromHandle(item->hwndItem); child && child != this) {
        child->DrawItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (TWidget* child = FromHandle(reinterpret_cast<HWND>(ALParam)); child && child != this) {
        HDC dc = reinterpret_cast<HDC>(AWParam);
        SetTextColor(dc, child->Font().Color.Resolve());
        const LRESULT brush = DefaultHandler(AMessage, AWParam, ALParam);
        return brush;
      }
      break;
    case WM_ERASEBKGND:
      if (!FNativeProc) {
        RECT rect;
        GetClientRect(FHandle, &rect);
        PaintBackground(reinterpret_cast<HDC>(AWParam), rect);
        return 1;
      }
      break;
    default:
      break;
  }
  return DefaultHandler(AMessage, AWParam, ALParam);
}

TColor TWidget::Color() const {
  return FParentColor && FParent ? FParent->Color() : FColor;
}

void TWidget::SetColor(TColor AColor) {
  FColor = AColor;
  FParentColor = false;
  Invalidate();
}

void TWidget::SetParentColor(bool AOn) {
  FParentColor = AOn;
  Invalidate();
}

const TFont& TWidget::Font() const {
  return FParentFont && FParent ? FParent->Font() : FFont;
}

void TWidget::SetFont(const TFont& AFont) {
  FFont = AFont;
  FParentFont = false;
  PropagateFontChange();
}

void TWidget::SetParentFont(bool AOn) {
  FParentFont = AOn;
  PropagateFontChange();
}

HFONT TWidget::FontHandle() {
  if (FParentFont && FParent) return FParent->FontHandle();
  if (!FFontHandle.Get()) FFontHandle = FFont.Create();
  return FFontHandle.Get();
}

void TWidget::PropagateFontChange() {
  FFontHandle.Reset();
  if (FHandle) FontChanged();
  for (TWidget* child : FChildren) {
    if (child->FParentFont) child->PropagateFontChange();
  }
}

void TWidget::FontChanged() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
  Invalidate();
}

std::string TWidget::Caption() const {
  if (!FHandle) return FInitial.Caption;
  const int length = GetWindowTextLengthW(FHandle);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(FHandle, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return ToUtf8(text);
}

void TWidget::SetCaption(const std::string& ACaption) {
  FInitial.Caption = ACaption;
  if (FHandle) SetWindowTextW(FHandle, ToWide(ACaption).c_str());
  Invalidate();
}

RECT TWidget::BoundsRect() const {
  RECT rect{FInitial.Left, FInitial.Top, FInitial.Left + FInitial.Width,
            FInitial.Top + FInitial.Height};
  if (!FHandle) return rect;
  GetWindowRect(FHandle, &rect);
  if (FParent && FParent->Handle())
    MapWindowPoints(nullptr, FParent->Handle(), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void TWidget::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FInitial.Left = ALeft;
  FInitial.Top = ATop;
  FInitial.Width = AWidth;
  FInitial.Height = AHeight;
  if (FHandle) MoveWindow(FHandle, ALeft, ATop, AWidth, AHeight, TRUE);
}

bool TWidget::Visible() const {
  return FHandle && IsWindowVisible(FHandle);
}

void TWidget::SetVisible(bool AVisible) {
  if (FHandle) ShowWindow(FHandle, AVisible ? SW_SHOW : SW_HIDE);
}

void TWidget::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWidget::Repaint() {
  if (!FHandle) return;
  RedrawWindow(FHandle, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TWidget::SetFocus() {
  if (FHandle) ::SetFocus(FHandle);
}

void TWidget::BringToFront() {
  if (FHandle)
    SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWidget::PaintBackground(HDC ADc, const RECT& ARect) {
  TBrushHandle brush(CreateSolidBrush(Color().Resolve()));
  FillRect(ADc, &ARect, brush.Get());
}

void TWidget::PaintParentBackground(HDC ADc) {
  if (!FParent) return;
  const RECT bounds = BoundsRect();
  RECT rect;
  GetClientRect(FHandle, &rect);
  OffsetRect(&rect, bounds.left, bounds.top);
  POINT old;
  OffsetViewportOrgEx(ADc, -bounds.left, -bounds.top, &old);
  FParent->PaintBackground(ADc, rect);
  SetViewportOrgEx(ADc, old.x, old.y, nullptr);
}

}  // namespace ui
