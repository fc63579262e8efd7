#include "ui/form.h"

#include <stdexcept>
#include <vector>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/page_control.h"

namespace ui {
namespace {

// AWidget and its ancestors, innermost first.
std::vector<TWidget*> Chain(TWidget* AWidget) {
  std::vector<TWidget*> chain;
  for (TWidget* w = AWidget; w; w = w->Parent()) chain.push_back(w);
  return chain;
}

DWORD StyleOf(HWND AWindow) {
  return static_cast<DWORD>(GetWindowLongPtrW(AWindow, GWL_STYLE));
}
DWORD ExStyleOf(HWND AWindow) {
  return static_cast<DWORD>(GetWindowLongPtrW(AWindow, GWL_EXSTYLE));
}

// Offers AKey to AWidget's visible, enabled descendants in tab order.
bool OfferDialogChar(TWidget& AWidget, wchar_t AKey) {
  for (TWidget* child : AWidget.Children()) {
    if (!child->Visible() || !child->Enabled()) continue;
    if (child->Perform(CM_DIALOGCHAR, AKey)) return true;
    if (OfferDialogChar(*child, AKey)) return true;
  }
  return false;
}

}  // namespace

void FormStyles(TFormBorderStyle ABorderStyle, int64_t ABorderIcons, DWORD& AStyle,
                DWORD& AExStyle) {
  AStyle = WS_CLIPCHILDREN;
  AExStyle = WS_EX_CONTROLPARENT;
  switch (ABorderStyle) {
    case TFormBorderStyle::None:
      AStyle |= WS_POPUP;
      return;  // no caption, so no icons
    case TFormBorderStyle::Single:
      AStyle |= WS_CAPTION | WS_BORDER;
      break;
    case TFormBorderStyle::Sizeable:
      AStyle |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::Dialog:
      AStyle |= WS_CAPTION | DS_MODALFRAME;
      AExStyle |= WS_EX_DLGMODALFRAME;
      break;
    case TFormBorderStyle::ToolWindow:
      AStyle |= WS_CAPTION;
      AExStyle |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::SizeToolWin:
      AStyle |= WS_CAPTION | WS_THICKFRAME;
      AExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (ABorderIcons & biSystemMenu) {
    AStyle |= WS_SYSMENU;
    const bool icons_allowed =
        ABorderStyle == TFormBorderStyle::Single || ABorderStyle == TFormBorderStyle::Sizeable;
    if (icons_allowed && (ABorderIcons & biMinimize)) AStyle |= WS_MINIMIZEBOX;
    if (icons_allowed && (ABorderIcons & biMaximize)) AStyle |= WS_MAXIMIZEBOX;
    if ((ABorderIcons & biHelp) && !(AStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
      AExStyle |= WS_EX_CONTEXTHELP;
    }
  }
}

TForm::TForm(const TFormArgs& AArgs)
    : TWidget(TWidgetArgs{nullptr, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, AArgs.Caption, 0, AArgs.Name,
                          nullptr}),
      FApplication(AArgs.Application),
      FFormStyle(AArgs.FormStyle),
      FMDIParent(AArgs.FormStyle == TFormStyle::MDIChild ? AArgs.MDIParent : nullptr),
      FBorderStyle(AArgs.BorderStyle),
      FBorderIcons(AArgs.BorderIcons),
      FPosition(AArgs.Position) {
  FForm = this;
  SetFont(AArgs.Font);
  DWORD style = 0;
  DWORD ex_style = 0;
  FormStyles(FBorderStyle, FBorderIcons, style, ex_style);
  RECT rect{0, 0, AArgs.ClientWidth, AArgs.ClientHeight};
  AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  SetBounds(CW_USEDEFAULT, CW_USEDEFAULT, rect.right - rect.left, rect.bottom - rect.top);
  if (FFormStyle == TFormStyle::MDIChild && !FMDIParent) {
    throw std::invalid_argument("MDI-Kindfenster ohne MDI-Hauptfenster");
  }
  CreateHandle(nullptr, style, ex_style, AArgs.WindowClassName);
  if (FFormStyle == TFormStyle::MDIForm) {
    // The area the children live in; the frame's default handling keeps it
    // filling the client area.
    CLIENTCREATESTRUCT client{nullptr, 0xFF00};
    FClientWindow = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
        WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, AArgs.ClientWidth,
        AArgs.ClientHeight, Handle(), nullptr, GetModuleHandleW(nullptr), &client);
    if (!FClientWindow) throw std::runtime_error("Fenster konnte nicht erzeugt werden");
  }
  FApplication->AddForm(*this);
}

LRESULT TForm::DefaultHandler(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (!Handle()) return 0;
  if (FFormStyle == TFormStyle::MDIForm) {
    return DefFrameProcW(Handle(), FClientWindow, AMessage, AWParam, ALParam);
  }
  if (FFormStyle == TFormStyle::MDIChild)
    return DefMDIChildProcW(Handle(), AMessage, AWParam, ALParam);
  return TWidget::DefaultHandler(AMessage, AWParam, ALParam);
}

TForm* TForm::ActiveMDIChild() const {
  if (!FClientWindow) return nullptr;
  HWND active = reinterpret_cast<HWND>(SendMessageW(FClientWindow, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TForm*>(FromHandle(active));
}

void TForm::MergeChildMenu(TForm* AChild) {
  FMergedChild = AChild;
  if (FMenu) FMenu->Merge(AChild ? AChild->Menu() : nullptr);
}

TForm::~TForm() {
  // The parent's menu bar must not keep showing this child's items, and
  // children must not keep naming a parent that goes.
  if (FMDIParent && FMDIParent->FMergedChild == this) FMDIParent->MergeChildMenu(nullptr);
  for (TForm* form : FApplication->Forms()) {
    if (form->FMDIParent == this) form->FMDIParent = nullptr;
  }
  FApplication->RemoveForm(*this);
  if (Handle()) ::SetMenu(Handle(), nullptr);  // the menu object frees its menu
}

HWND TForm::OwnerWindow() const {
  return FMDIParent ? FMDIParent->FClientWindow : FApplication->Handle();
}

void TForm::SetMenu(std::unique_ptr<TMainMenu> AMenu) {
  if (Handle()) ::SetMenu(Handle(), nullptr);  // before the old menu goes
  FMenu = std::move(AMenu);
  if (FMenu) {
    FMenu->OnRebuilt = [this] {
      if (FFormStyle == TFormStyle::MDIChild) {
        if (FMDIParent && FMDIParent->FMergedChild == this) FMDIParent->MergeChildMenu(this);
      } else if (FMenuShown && Handle()) {
        ::SetMenu(Handle(), FMenu->Handle());
      }
    };
  }
  if (FMDIParent && FMDIParent->FMergedChild == this) FMDIParent->MergeChildMenu(this);
  FMenuShown = false;
  SetMenuShown(true);
}

void TForm::SetMenuShown(bool AShown) {
  if (FFormStyle == TFormStyle::MDIChild) {
    FMenuShown = AShown;  // shown merged into the parent's menu bar
    return;
  }
  if (AShown == FMenuShown && (AShown ? ::GetMenu(Handle()) != nullptr : true)) return;
  FMenuShown = AShown;
  // Keep the client area: the menu bar takes its height from the window.
  RECT client;
  GetClientRect(Handle(), &client);
  HMENU menu = AShown && FMenu ? FMenu->Handle() : nullptr;
  ::SetMenu(Handle(), menu);
  AdjustWindowRectEx(&client, StyleOf(Handle()), menu != nullptr, ExStyleOf(Handle()));
  SetWindowPos(Handle(), nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HACCEL TForm::Accelerators() const {
  return FMenu ? FMenu->Accelerators() : nullptr;
}

void TForm::ApplyStyles() {
  const int width = ClientWidth();
  const int height = ClientHeight();
  DWORD style = 0;
  DWORD ex_style = 0;
  FormStyles(FBorderStyle, FBorderIcons, style, ex_style);
  style |= StyleOf(Handle()) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
  SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(ex_style));
  SetClientSize(width, height);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Perform(CM_BORDERCHANGED);
}

void TForm::SetBorderStyle(TFormBorderStyle AStyle) {
  if (AStyle == FBorderStyle) return;
  FBorderStyle = AStyle;
  ApplyStyles();
}

void TForm::SetBorderIcons(int64_t AIcons) {
  if (AIcons == FBorderIcons) return;
  FBorderIcons = AIcons;
  ApplyStyles();
}

TWindowState TForm::WindowState() const {
  if (IsIconic(Handle())) return TWindowState::Minimized;
  if (IsZoomed(Handle())) return TWindowState::Maximized;
  return TWindowState::Normal;
}

void TForm::SetWindowState(TWindowState AState) {
  if (AState == WindowState()) return;
  const int show = AState == TWindowState::Minimized   ? SW_MINIMIZE
                   : AState == TWindowState::Maximized ? SW_MAXIMIZE
                                                       : SW_RESTORE;
  if (Visible()) ShowWindow(Handle(), show);
}

int TForm::ClientWidth() const {
  RECT client;
  GetClientRect(Handle(), &client);
  return client.right;
}

int TForm::ClientHeight() const {
  RECT client;
  GetClientRect(Handle(), &client);
  return client.bottom;
}

void TForm::SetClientSize(int AWidth, int AHeight) {
  RECT rect{0, 0, AWidth, AHeight};
  AdjustWindowRectEx(&rect, StyleOf(Handle()), ::GetMenu(Handle()) != nullptr, ExStyleOf(Handle()));
  SetWindowPos(Handle(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetIcon(HICON AIcon) {
  FIcon = AIcon;
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(AIcon));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(AIcon));
}

void TForm::SetActiveControl(TWidget* AControl) {
  FActive = AControl;
  if (AControl && GetActiveWindow() == Handle() && AControl->CanFocus()) AControl->SetFocus();
}

void TForm::Show() {
  if (FPosition == TPosition::ScreenCenter && FFormStyle != TFormStyle::MDIChild) {
    RECT window;
    GetWindowRect(Handle(), &window);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  if (OnShow) OnShow();
}

int TForm::ShowModal() {
  FModalResult = 0;
  FModal = true;
  std::vector<HWND> disabled;
  for (TForm* form : FApplication->Forms()) {
    if (form != this && form->Handle() && IsWindowEnabled(form->Handle())) {
      EnableWindow(form->Handle(), FALSE);
      disabled.push_back(form->Handle());
    }
  }
  Show();
  FApplication->RunUntil([this] { return FModalResult != 0 || !Handle() || !Visible(); }, this);
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
  FModal = false;
  return FModalResult;
}

void TForm::Close() {
  PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

namespace {

bool Clickable(const TWidget& AWidget) {
  return AWidget.Handle() && IsWindowVisible(AWidget.Handle()) && IsWindowEnabled(AWidget.Handle());
}

// The first clickable button below AWidget that is the default one (ADefault)
// or the cancel one.
TButton* FindDialogButton(TWidget& AWidget, bool ADefault) {
  for (TWidget* child : AWidget.Children()) {
    if (auto* button = dynamic_cast<TButton*>(child)) {
      if ((ADefault ? button->Default() : button->Cancel()) && Clickable(*button)) return button;
    }
    if (TButton* inner = FindDialogButton(*child, ADefault)) return inner;
  }
  return nullptr;
}

// The button Enter (AEnter) or Escape clicks in AForm: for Enter the focused
// button, else the default one; for Escape the cancel one.
TButton* DialogKeyButton(TForm& AForm, bool AEnter) {
  if (AEnter) {
    HWND focus = GetFocus();
    if (focus && IsChild(AForm.Handle(), focus)) {
      if (auto* button = dynamic_cast<TButton*>(TWidget::FromHandle(focus))) {
        if (Clickable(*button)) return button;
      }
    }
  }
  return FindDialogButton(AForm, AEnter);
}

TPageControl* FirstPageControl(TWidget& AWidget) {
  for (TWidget* child : AWidget.Children()) {
    if (auto* pages = dynamic_cast<TPageControl*>(child)) return pages;
    if (TPageControl* inner = FirstPageControl(*child)) return inner;
  }
  return nullptr;
}

}  // namespace

bool TForm::SelectNextPage(bool AForward) {
  TPageControl* control = FirstPageControl(*this);
  if (!control || control->Pages().empty()) return false;
  const auto& pages = control->Pages();
  const size_t count = pages.size();
  size_t index = 0;
  while (index < count && pages[index] != control->ActivePage()) ++index;
  index = index == count ? 0 : (index + (AForward ? 1 : count - 1)) % count;
  control->SetActivePage(pages[index]);
  return true;
}

void TForm::ShowException(const std::string& AMessage) {
  FApplication->ShowException(AMessage);
}

void TForm::FocusMovedTo(TWidget* AWidget) {
  TWidget* previous = FFocused;
  FFocused = AWidget;
  if (AWidget != this) FActive = AWidget;
  if (!previous || previous == AWidget) return;
  const std::vector<TWidget*> now = Chain(AWidget);
  for (TWidget* left : Chain(previous)) {
    if (left == this) break;
    bool still_inside = false;
    for (TWidget* w : now) still_inside = still_inside || w == left;
    if (still_inside) break;
    left->DoExit();
  }
}

void TForm::Forget(TWidget* AWidget) {
  if (FFocused == AWidget) FFocused = nullptr;
  if (FActive == AWidget) FActive = nullptr;
}

bool TForm::RestoreFocus() {
  if (!FActive || !FActive->CanFocus()) return false;
  FActive->SetFocus();
  return true;
}

void TForm::WindowRecreated() {
  if (FMenuShown && FMenu) ::SetMenu(Handle(), FMenu->Handle());
  if (FIcon) SetIcon(FIcon);
}

bool TForm::DialogChar(wchar_t AKey) {
  return OfferDialogChar(*this, AKey);
}

LRESULT TForm::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_COMMAND:
      // Menu items and their shortcuts; IDOK and IDCANCEL come from the
      // dialog keyboard handling (Enter, Escape).
      if (ALParam == 0 && FMenu && FMenu->Dispatch(LOWORD(AWParam))) return 0;
      if (ALParam == 0 && HIWORD(AWParam) == 0 &&
          (LOWORD(AWParam) == IDOK || LOWORD(AWParam) == IDCANCEL)) {
        if (TButton* button = DialogKeyButton(*this, LOWORD(AWParam) == IDOK)) button->Click();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // The system would put the focus on the form itself; the control that
      // had it gets it back instead.
      if (LOWORD(AWParam) != WA_INACTIVE && !HIWORD(AWParam) && RestoreFocus()) return 0;
      break;
    case WM_SETFOCUS:
      if (RestoreFocus()) return 0;
      break;
    case WM_SYSCOMMAND:
      if ((AWParam & 0xFFF0) == SC_MINIMIZE && FApplication->MainForm() == this) {
        FApplication->Minimize();
        return 0;
      }
      break;
    case WM_GETMINMAXINFO: {
      DefaultHandler(AMessage, AWParam, ALParam);
      // The size constraints, as window sizes.
      const TSizeConstraints& limits = Constraints();
      auto* info = reinterpret_cast<MINMAXINFO*>(ALParam);
      if (limits.MinWidth > 0) info->ptMinTrackSize.x = limits.MinWidth;
      if (limits.MinHeight > 0) info->ptMinTrackSize.y = limits.MinHeight;
      if (limits.MaxWidth > 0) info->ptMaxTrackSize.x = limits.MaxWidth;
      if (limits.MaxHeight > 0) info->ptMaxTrackSize.y = limits.MaxHeight;
      return 0;
    }
    case WM_CLOSE:
      if (FModal) {
        FModalResult = IDCANCEL;
        return 0;
      }
      break;
    case WM_MDIACTIVATE:
      // The parent shows the menu of its active child merged into its own.
      if (FMDIParent && reinterpret_cast<HWND>(ALParam) == Handle())
        FMDIParent->MergeChildMenu(this);
      break;
    case WM_DESTROY:
      if (FMDIParent && FMDIParent->FMergedChild == this) FMDIParent->MergeChildMenu(nullptr);
      if (OnDestroy) OnDestroy();
      if (FApplication->MainForm() == this) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

bool TForm::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "BorderStyle") {
    AValue = static_cast<int64_t>(FBorderStyle);
  } else if (name == "BorderIcons") {
    AValue = FBorderIcons;
  } else if (name == "WindowState") {
    AValue = static_cast<int64_t>(WindowState());
  } else if (name == "Icon") {
    AValue = static_cast<const void*>(FIcon);
  } else if (name == "ClientWidth") {
    AValue = int64_t{ClientWidth()};
  } else if (name == "ClientHeight") {
    AValue = int64_t{ClientHeight()};
  } else if (name == "Position") {
    AValue = static_cast<int64_t>(FPosition);
  } else if (name == "FormStyle") {
    AValue = static_cast<int64_t>(FormStyle());
  } else if (name == "Menu") {
    AValue = static_cast<const void*>(FMenuShown ? FMenu.get() : nullptr);
  } else if (name == "AutoScroll") {
    AValue = false;
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TForm::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "BorderStyle") {
    const int64_t v = std::get<int64_t>(AValue);
    if (v < 0 || v > static_cast<int64_t>(TFormBorderStyle::SizeToolWin)) return false;
    SetBorderStyle(static_cast<TFormBorderStyle>(v));
  } else if (name == "BorderIcons") {
    SetBorderIcons(std::get<int64_t>(AValue));
  } else if (name == "WindowState") {
    const int64_t v = std::get<int64_t>(AValue);
    if (v < 0 || v > 2) return false;
    SetWindowState(static_cast<TWindowState>(v));
  } else if (name == "ClientWidth") {
    SetClientSize(static_cast<int>(std::get<int64_t>(AValue)), ClientHeight());
  } else if (name == "ClientHeight") {
    SetClientSize(ClientWidth(), static_cast<int>(std::get<int64_t>(AValue)));
  } else if (name == "Menu") {
    // Only the form's own menu can be put back; null takes it off.
    const void* menu = std::get<const void*>(AValue);
    if (menu && menu != FMenu.get()) return false;
    SetMenuShown(menu != nullptr);
  } else if (name == "Icon") {
    SetIcon(static_cast<HICON>(const_cast<void*>(std::get<const void*>(AValue))));
  } else if (name == "AutoScroll") {
    return !std::get<bool>(AValue);  // forms do not scroll
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
