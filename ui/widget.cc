#include "ui/widget.h"

#include <algorithm>
#include <cwctype>
#include <exception>
#include <set>

#include "platform/win32/wide.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace ui {

using platform::win32::ToUtf8;
using platform::win32::ToWide;

namespace {

constexpr wchar_t kWidgetProperty[] = L"Quillory.Widget";
// The id of the toolkit's own link in every widget's subclass chain.
const char kToolkitLinkTag = 0;
const uintptr_t kToolkitLink = reinterpret_cast<uintptr_t>(&kToolkitLinkTag);

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

// Child controls get distinct ids, so that notifications naming only an id
// (WM_MEASUREITEM) find their control.
UINT_PTR NextControlId() {
  static UINT_PTR next = 1000;
  return next++;
}

std::wstring WindowText(HWND AWindow) {
  const int length = GetWindowTextLengthW(AWindow);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(AWindow, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

// The access key of a caption ('&' before it; "&&" is a plain '&'), upper
// case, or 0.
wchar_t AccessKey(const std::wstring& ACaption) {
  for (size_t i = 0; i + 1 < ACaption.size(); ++i) {
    if (ACaption[i] != L'&') continue;
    if (ACaption[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(ACaption[i + 1]));
    ++i;
  }
  return 0;
}

bool IsCtlColor(UINT AMessage) {
  return AMessage >= WM_CTLCOLORMSGBOX && AMessage <= WM_CTLCOLORSTATIC &&
         AMessage != WM_CTLCOLORDLG && AMessage != WM_CTLCOLORMSGBOX;
}

}  // namespace

TWidget::TWidget(const TWidgetArgs& AArgs)
    : TComponent(AArgs.Owner ? AArgs.Owner : (AArgs.Parent ? AArgs.Parent->FForm : nullptr)),
      WindowProc([this](UINT m, WPARAM w, LPARAM l) { return HandleMessage(m, w, l); }),
      FParent(AArgs.Parent),
      FForm(AArgs.Parent ? AArgs.Parent->FForm : nullptr),
      FInitial(AArgs),
      FParentColor(AArgs.Parent != nullptr),
      FParentFont(AArgs.Parent != nullptr) {
  SetName(AArgs.Name);
  SetTag(AArgs.Tag);
  if (FParent) FParent->FChildren.push_back(this);
}

TWidget::~TWidget() {
  BeginDestruction();  // observers hear of it while the window exists
  if (FForm && FForm != this) FForm->Forget(this);
  if (FParent) {
    auto& siblings = FParent->FChildren;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  // Nothing below keeps pointing here, and nothing keeps pointing at what
  // is left below: children lose their parent, and every widget inside
  // leaves its form (their windows go with this one's).
  std::vector<TWidget*> inside(FChildren.begin(), FChildren.end());
  for (TWidget* child : FChildren) child->FParent = nullptr;
  while (!inside.empty()) {
    TWidget* w = inside.back();
    inside.pop_back();
    if (w->FForm && w->FForm != this) w->FForm->Forget(w);
    w->FForm = nullptr;
    inside.insert(inside.end(), w->FChildren.begin(), w->FChildren.end());
  }
  if (FHandle) {
    HWND window = FHandle;
    UnsubclassWindow(window, kToolkitLink);
    RemovePropW(window, kWidgetProperty);
    FHandle = nullptr;
    DestroyWindow(window);
  }
}

TWidget* TWidget::FromHandle(HWND AWindow) {
  if (!AWindow) return nullptr;
  return static_cast<TWidget*>(GetPropW(AWindow, kWidgetProperty));
}

void TWidget::CreateHandle(const wchar_t* AClassName, DWORD AStyle, DWORD AExStyle,
                           const wchar_t* AOwnClassName) {
  const bool native = AClassName != nullptr;
  if (!native) RegisterOwnClass(AOwnClassName, &TWidget::OwnClassProc);
  HWND parent = FParent ? FParent->Handle() : nullptr;
  HMENU id = nullptr;
  if (FParent) {
    AStyle |= WS_CHILD;
    id = reinterpret_cast<HMENU>(NextControlId());
  } else if (TForm* self = dynamic_cast<TForm*>(this)) {
    parent = self->OwnerWindow();
    if (self->FormStyle() == TFormStyle::MDIChild) AExStyle |= WS_EX_MDICHILD;
  }
  HWND window = CreateWindowExW(AExStyle, native ? AClassName : AOwnClassName,
                                ToWide(FInitial.Caption).c_str(), AStyle, FInitial.Left,
                                FInitial.Top, FInitial.Width, FInitial.Height, parent, id,
                                GetModuleHandleW(nullptr), native ? nullptr : this);
  if (!window) throw std::runtime_error("Fenster konnte nicht erzeugt werden");
  FWindowClass = native ? AClassName : AOwnClassName;
  if (native) Attach(window, nullptr);
  FLastText = WindowText(window);
  FAnnouncedVisible = Visible();
  FontChanged();
  PostMessageW(window, CM_CREATED, 0, 0);
}

void TWidget::Attach(HWND AWindow, WNDPROC AOriginal) {
  FHandle = AWindow;
  SetPropW(AWindow, kWidgetProperty, this);
  auto link = [this](const TWindowMessage& AMessage, const TWindowChain::TNext&) {
    return Dispatch(AMessage.Message, AMessage.WParam, AMessage.LParam);
  };
  if (AOriginal) {
    FNativeProc = AOriginal;
    SubclassOwnWindow(AWindow, kToolkitLink, link, AOriginal);
  } else {
    FNativeProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(AWindow, GWLP_WNDPROC));
    SubclassWindow(AWindow, kToolkitLink, link);
  }
}

LRESULT CALLBACK TWidget::OwnClassProc(HWND AWindow, UINT AMessage, WPARAM AWParam,
                                       LPARAM ALParam) {
  // Only messages before the chain is on come here (WM_GETMINMAXINFO, then
  // WM_NCCREATE, which puts it on).
  if (AMessage == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(ALParam);
    void* param = create->lpCreateParams;
    // An MDI child's creation parameter comes wrapped.
    if (param && (create->dwExStyle & WS_EX_MDICHILD)) {
      param = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTW*>(param)->lParam);
    }
    if (auto* widget = static_cast<TWidget*>(param)) {
      widget->FOwnWindow = true;
      widget->Attach(AWindow, &DefWindowProcW);
      return widget->Dispatch(AMessage, AWParam, ALParam);
    }
  }
  return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
}

LRESULT TWidget::Dispatch(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  LRESULT result = 0;
  try {
    result = WindowProc(AMessage, AWParam, ALParam);
  } catch (const std::exception& e) {
    if (FForm) FForm->ShowException(e.what());
  } catch (...) {
    if (FForm) FForm->ShowException("Unbekannter Fehler");
  }
  if (AMessage == WM_NCDESTROY) WindowGone();
  return result;
}

void TWidget::ReleaseWindow() {
  if (!FHandle) return;
  UnsubclassWindow(FHandle, kToolkitLink);
  RemovePropW(FHandle, kWidgetProperty);
  FHandle = nullptr;
  FMouseInside = false;
}

void TWidget::RecreateWnd() {
  if (!FHandle) return;
  struct TSaved {
    TWidget* Widget;
    DWORD Style;
    DWORD ExStyle;
    std::string Text;
    RECT Bounds;
    bool Own;
  };
  // This widget and everything inside, parents before children and
  // siblings in their order.
  std::vector<TWidget*> order{this};
  for (size_t i = 0; i < order.size(); ++i) {
    for (TWidget* child : order[i]->FChildren) {
      if (child->FHandle) order.push_back(child);
    }
  }
  std::vector<TSaved> saved;
  for (TWidget* w : order) {
    saved.push_back(
        TSaved{w, static_cast<DWORD>(GetWindowLongPtrW(w->FHandle, GWL_STYLE)) & ~DWORD{WS_CHILD},
               static_cast<DWORD>(GetWindowLongPtrW(w->FHandle, GWL_EXSTYLE)), w->Caption(),
               w->BoundsRect(), w->FOwnWindow});
  }
  HWND old = FHandle;
  for (TSaved& s : saved) s.Widget->ReleaseWindow();
  DestroyWindow(old);  // the children's windows go with it
  for (const TSaved& s : saved) {
    TWidget* w = s.Widget;
    w->FInitial.Left = s.Bounds.left;
    w->FInitial.Top = s.Bounds.top;
    w->FInitial.Width = s.Bounds.right - s.Bounds.left;
    w->FInitial.Height = s.Bounds.bottom - s.Bounds.top;
    w->FInitial.Caption = s.Text;
    const std::wstring window_class = w->FWindowClass;
    w->CreateHandle(s.Own ? nullptr : window_class.c_str(), s.Style, s.ExStyle,
                    s.Own ? window_class.c_str() : L"TWidget");
  }
  for (const TSaved& s : saved) {
    s.Widget->WindowRecreated();
    s.Widget->Perform(CM_RECREATEWND);
  }
}

void TWidget::WindowGone() {
  if (FHandle) RemovePropW(FHandle, kWidgetProperty);
  FHandle = nullptr;
}

LRESULT TWidget::DefaultHandler(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (!FHandle) return 0;
  if (FNativeProc) return CallWindowProcW(FNativeProc, FHandle, AMessage, AWParam, ALParam);
  return DefWindowProcW(FHandle, AMessage, AWParam, ALParam);
}

LRESULT TWidget::Perform(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return FHandle ? SendMessageW(FHandle, AMessage, AWParam, ALParam) : 0;
}

bool TWidget::Subclass(uintptr_t AId, TSubclassHandler AHandler) {
  return FHandle && SubclassWindow(FHandle, AId, std::move(AHandler));
}

bool TWidget::Unsubclass(uintptr_t AId) {
  return FHandle && UnsubclassWindow(FHandle, AId);
}

bool TWidget::Reflect(UINT AMessage, WPARAM AWParam, LPARAM ALParam, LRESULT& AResult) {
  HWND target = nullptr;
  switch (AMessage) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      target = reinterpret_cast<HWND>(ALParam);
      break;
    case WM_NOTIFY:
      target = reinterpret_cast<const NMHDR*>(ALParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(ALParam);
      if (item->CtlType != ODT_MENU) target = item->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(ALParam);
      if (item->CtlType != ODT_MENU) target = GetDlgItem(FHandle, static_cast<int>(item->CtlID));
      break;
    }
    default:
      if (IsCtlColor(AMessage)) target = reinterpret_cast<HWND>(ALParam);
      break;
  }
  if (!target || target == FHandle || !FromHandle(target)) return false;
  AResult = SendMessageW(target, CN_BASE + AMessage, AWParam, ALParam);
  return true;
}

LRESULT TWidget::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  LRESULT result = 0;
  if (Reflect(AMessage, AWParam, ALParam, result)) return result;
  switch (AMessage) {
    case WM_MEASUREITEM:
      if (TMenu::MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(ALParam))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (TMenu::DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(ALParam))) return TRUE;
      break;
    case CN_BASE + WM_COMMAND:
      CommandNotification(HIWORD(AWParam));
      return 0;
    case CN_BASE + WM_NOTIFY:
      return Notification(*reinterpret_cast<const NMHDR*>(ALParam));
    case CN_BASE + WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(ALParam));
      return TRUE;
    case CN_BASE + WM_MEASUREITEM:
      MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(ALParam));
      return TRUE;
    case CN_BASE + WM_HSCROLL:
    case CN_BASE + WM_VSCROLL:
      Scroll(LOWORD(AWParam), HIWORD(AWParam));
      return 0;
    case WM_SETFOCUS:
      result = DefaultHandler(AMessage, AWParam, ALParam);
      if (FForm) FForm->FocusMovedTo(this);
      Perform(CM_GOTFOCUS);
      return result;
    case WM_KILLFOCUS:
      result = DefaultHandler(AMessage, AWParam, ALParam);
      Perform(CM_LOSTFOCUS);
      return result;
    case WM_SETTEXT:
      result = DefaultHandler(AMessage, AWParam, ALParam);
      CheckTextChanged();
      return result;
    case WM_ENABLE:
      result = DefaultHandler(AMessage, AWParam, ALParam);
      Perform(CM_ENABLEDCHANGED);
      return result;
    case WM_SIZE:
      result = DefaultHandler(AMessage, AWParam, ALParam);
      if (AWParam != SIZE_MINIMIZED) {
        for (TWidget* child : FChildren) child->ApplyAnchors(LOWORD(ALParam), HIWORD(ALParam));
      }
      return result;
    case WM_WINDOWPOSCHANGED:
      // However the window was shown or hidden (ShowWindow, SetWindowPos).
      result = DefaultHandler(AMessage, AWParam, ALParam);
      CheckVisibleChanged();
      return result;
    case WM_MOUSEMOVE:
      if (!FMouseInside) {
        FMouseInside = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FHandle, 0};
        TrackMouseEvent(&track);
        Perform(CM_MOUSEENTER);
      }
      break;
    case WM_MOUSELEAVE:
      if (FMouseInside) {
        FMouseInside = false;
        Perform(CM_MOUSELEAVE);
      }
      break;
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter();
      return 0;
    case CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave();
      return 0;
    case CM_DIALOGCHAR:
      return DialogChar(static_cast<wchar_t>(AWParam)) ? 1 : 0;
    case CM_PAINTBACKGROUND:
      PaintBackground(reinterpret_cast<HDC>(AWParam), *reinterpret_cast<const RECT*>(ALParam));
      return 1;
    case CM_CREATED:
      AnnounceCreated();
      return 0;
    case WM_ERASEBKGND:
      if (FOwnWindow) {
        RECT rect;
        GetClientRect(FHandle, &rect);
        PaintBackground(reinterpret_cast<HDC>(AWParam), rect);
        return 1;
      }
      break;
    default:
      if (IsCtlColor(AMessage - CN_BASE)) {
        return reinterpret_cast<LRESULT>(ControlColor(reinterpret_cast<HDC>(AWParam)));
      }
      // Private messages nobody handled mean nothing to a native control.
      if (AMessage >= CM_BASE && AMessage < CN_BASE + 0x400) return 0;
      break;
  }
  return DefaultHandler(AMessage, AWParam, ALParam);
}

HBRUSH TWidget::ControlColor(HDC ADc) {
  const TColor color = Color();
  if (!FColorBrush.Get() || !(FColorBrushColor == color)) {
    FColorBrush.Reset(CreateSolidBrush(color.Resolve()));
    FColorBrushColor = color;
  }
  SetTextColor(ADc, Font().Color.Resolve());
  SetBkColor(ADc, color.Resolve());
  return FColorBrush.Get();
}

bool TWidget::DialogChar(wchar_t AKey) {
  if (!AKey || AccessKey(ToWide(Caption())) != AKey || !CanFocus()) return false;
  SetFocus();
  return true;
}

void TWidget::CheckTextChanged() {
  if (!FHandle) return;
  std::wstring text = WindowText(FHandle);
  if (text == FLastText) return;
  FLastText = std::move(text);
  Perform(CM_TEXTCHANGED);
}

TColor TWidget::Color() const {
  return FParentColor && FParent ? FParent->Color() : FColor;
}

void TWidget::SetColor(TColor AColor) {
  const TColor old = Color();
  FColor = AColor;
  FParentColor = false;
  PropagateColorChange(old);
}

void TWidget::SetParentColor(bool AOn) {
  const TColor old = Color();
  FParentColor = AOn;
  PropagateColorChange(old);
}

void TWidget::PropagateColorChange(TColor AOld) {
  if (Color() == AOld) return;
  Invalidate();
  Perform(CM_COLORCHANGED);
  for (TWidget* child : FChildren) {
    if (child->FParentColor) child->PropagateColorChange(AOld);
  }
}

const TFont& TWidget::Font() const {
  return FParentFont && FParent ? FParent->Font() : FFont;
}

void TWidget::SetFont(const TFont& AFont) {
  const TFont old = Font();
  FFont = AFont;
  FParentFont = false;
  PropagateFontChange(old);
}

void TWidget::SetParentFont(bool AOn) {
  const TFont old = Font();
  FParentFont = AOn;
  PropagateFontChange(old);
}

HFONT TWidget::FontHandle() {
  if (FParentFont && FParent) return FParent->FontHandle();
  if (!FFontHandle.Get()) FFontHandle = FFont.Create();
  return FFontHandle.Get();
}

void TWidget::PropagateFontChange(const TFont& AOld) {
  FFontHandle.Reset();
  if (Font() == AOld) return;
  if (FHandle) {
    FontChanged();
    Perform(CM_FONTCHANGED);
  }
  for (TWidget* child : FChildren) {
    if (child->FParentFont) child->PropagateFontChange(AOld);
  }
}

void TWidget::FontChanged() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
  Invalidate();
}

std::string TWidget::Caption() const {
  if (!FHandle) return FInitial.Caption;
  return ToUtf8(WindowText(FHandle));
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
  return FHandle && (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_VISIBLE);
}

void TWidget::SetVisible(bool AVisible) {
  if (!FHandle || Visible() == AVisible) return;
  ShowWindow(FHandle, AVisible ? SW_SHOW : SW_HIDE);  // CM_VISIBLECHANGED follows
}

void TWidget::CheckVisibleChanged() {
  const bool visible = Visible();
  if (visible == FAnnouncedVisible) return;
  FAnnouncedVisible = visible;
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
}

bool TWidget::Enabled() const {
  return FHandle && IsWindowEnabled(FHandle);
}

void TWidget::SetEnabled(bool AEnabled) {
  if (FHandle) EnableWindow(FHandle, AEnabled);  // WM_ENABLE only on a change
}

void TWidget::SetAnchors(int64_t AAnchors) {
  FAnchors = AAnchors;
  if (!FParent || !FParent->Handle()) return;
  RECT client;
  GetClientRect(FParent->Handle(), &client);
  const RECT bounds = BoundsRect();
  FAnchorRight = static_cast<int>(client.right - bounds.right);
  FAnchorBottom = static_cast<int>(client.bottom - bounds.bottom);
}

void TWidget::ApplyAnchors(int AWidth, int AHeight) {
  if (!(FAnchors & (akRight | akBottom)) || !FHandle) return;
  const RECT rect = BoundsRect();
  int left = rect.left;
  int top = rect.top;
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  if (FAnchors & akRight) {
    if (FAnchors & akLeft) {
      width = std::max(0, AWidth - FAnchorRight - left);
    } else {
      left = AWidth - FAnchorRight - width;
    }
  }
  if (FAnchors & akBottom) {
    if (FAnchors & akTop) {
      height = std::max(0, AHeight - FAnchorBottom - top);
    } else {
      top = AHeight - FAnchorBottom - height;
    }
  }
  SetBounds(left, top, width, height);
}

bool TWidget::TabStop() const {
  return FHandle && (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_TABSTOP);
}

void TWidget::SetTabStop(bool AOn) {
  if (!FHandle) return;
  LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  style = AOn ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
  SetWindowLongPtrW(FHandle, GWL_STYLE, style);
}

void TWidget::SetDoubleBuffered(bool AOn) {
  FDoubleBuffered = AOn;
  if (!FHandle || !FOwnWindow) return;
  // The system paints the window and its children off screen first.
  LONG_PTR ex_style = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
  ex_style = AOn ? (ex_style | WS_EX_COMPOSITED) : (ex_style & ~LONG_PTR{WS_EX_COMPOSITED});
  SetWindowLongPtrW(FHandle, GWL_EXSTYLE, ex_style);
}

bool TWidget::CanFocus() const {
  for (const TWidget* w = this; w; w = w->FParent) {
    if (!w->Visible() || !w->Enabled()) return false;
  }
  return FHandle != nullptr;
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
  if (!FParent || !FParent->Handle()) return;
  const RECT bounds = BoundsRect();
  RECT rect;
  GetClientRect(FHandle, &rect);
  OffsetRect(&rect, bounds.left, bounds.top);
  POINT old;
  OffsetViewportOrgEx(ADc, -bounds.left, -bounds.top, &old);
  SendMessageW(FParent->Handle(), CM_PAINTBACKGROUND, reinterpret_cast<WPARAM>(ADc),
               reinterpret_cast<LPARAM>(&rect));
  SetViewportOrgEx(ADc, old.x, old.y, nullptr);
}

bool TWidget::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Enabled") {
    AValue = Enabled();
  } else if (name == "Visible") {
    AValue = Visible();
  } else if (name == "Color") {
    AValue = Color().Encode();
  } else if (name == "ParentColor") {
    AValue = FParentColor;
  } else if (name == "Font") {
    AValue = static_cast<const void*>(&Font());
  } else if (name == "ParentFont") {
    AValue = FParentFont;
  } else if (name == "Caption" || name == "Text") {
    AValue = Caption();
  } else if (name == "Anchors") {
    AValue = FAnchors;
  } else if (name == "Constraints") {
    AValue = static_cast<const void*>(&FConstraints);
  } else if (name == "TabStop") {
    AValue = TabStop();
  } else if (name == "DoubleBuffered") {
    AValue = FDoubleBuffered;
  } else if (name == "BevelEdges") {
    AValue = FBevelEdges;
  } else {
    return TComponent::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TWidget::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Enabled") {
    SetEnabled(std::get<bool>(AValue));
  } else if (name == "Visible") {
    SetVisible(std::get<bool>(AValue));
  } else if (name == "Color") {
    SetColor(TColor::Decode(std::get<int64_t>(AValue)));
  } else if (name == "ParentColor") {
    SetParentColor(std::get<bool>(AValue));
  } else if (name == "Font") {
    const auto* font = static_cast<const TFont*>(std::get<const void*>(AValue));
    if (!font) return false;
    SetFont(*font);
  } else if (name == "ParentFont") {
    SetParentFont(std::get<bool>(AValue));
  } else if (name == "Caption" || name == "Text") {
    SetCaption(std::get<std::string>(AValue));
  } else if (name == "Anchors") {
    SetAnchors(std::get<int64_t>(AValue));
  } else if (name == "Constraints") {
    const auto* constraints = static_cast<const TSizeConstraints*>(std::get<const void*>(AValue));
    if (!constraints) return false;
    FConstraints = *constraints;
  } else if (name == "TabStop") {
    SetTabStop(std::get<bool>(AValue));
  } else if (name == "DoubleBuffered") {
    SetDoubleBuffered(std::get<bool>(AValue));
  } else if (name == "BevelEdges") {
    FBevelEdges = std::get<int64_t>(AValue);
  } else {
    return TComponent::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
