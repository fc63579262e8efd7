// The window wrapper of a toolkit form, and of other top-level windows.
#include <algorithm>
#include <cctype>
#include <string>

#include "skin/menu/win32/menu_bar.h"
#include "skin/window/skin_window.h"
#include "skin/window/skin_window_mdi.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/widget.h"

namespace skin {
namespace {

TBorderStyle BorderStyleOf(ui::TFormBorderStyle AStyle) {
  switch (AStyle) {
    case ui::TFormBorderStyle::None:
      return TBorderStyle::None;
    case ui::TFormBorderStyle::Single:
      return TBorderStyle::Single;
    case ui::TFormBorderStyle::Sizeable:
      return TBorderStyle::Sizeable;
    case ui::TFormBorderStyle::Dialog:
      return TBorderStyle::Dialog;
    case ui::TFormBorderStyle::ToolWindow:
      return TBorderStyle::ToolWindow;
    case ui::TFormBorderStyle::SizeToolWin:
      return TBorderStyle::SizeToolWin;
  }
  return TBorderStyle::Sizeable;
}

// The system's title height of AWindow: client top - window top.
int SystemTitleHeight(HWND AWindow) {
  RECT wr{};
  GetWindowRect(AWindow, &wr);
  POINT origin{0, 0};
  ClientToScreen(AWindow, &origin);
  return origin.y - wr.top;
}

}  // namespace

// --- TzelSkinWindowVCL

TzelSkinWindowVCL::TzelSkinWindowVCL(ui::TForm& AForm, bool AForDialog, TzelSkinEngine& AEngine)
    : TzelSkinWindow(AForm.Handle(), AForDialog, AEngine), m_Form(AForm) {
  m_DrawForm = AForm.Tag() != AEngine.DisabledTag();
  if (m_DrawForm) {
    for (ui::TComponent* c : AForm.Components()) {
      if (c->Class().InheritsFrom(ui::classes::ZelForm)) m_DrawForm = false;
    }
  }
  m_Watch = std::make_unique<TFreeWatch>([this](ui::TComponent& AGone) { ComponentGone(AGone); });
  m_Watch->Watch(AForm);
  m_TitleVisible = AForm.BorderStyle() != ui::TFormBorderStyle::None && !AForm.Parent();
  m_BorderVisible = AForm.BorderStyle() != ui::TFormBorderStyle::None;
  if (!m_DrawForm) m_Active = false;
  if (AForm.FormStyle() == ui::TFormStyle::MDIForm) {
    m_MDI = std::make_unique<TzelSkinMDIParent>(AForm, AEngine);
  }
}

TzelSkinWindowVCL::~TzelSkinWindowVCL() {
  m_Destroying = true;
  StopShortcuts();
  if (IsWindow(m_hWnd) && m_Active && m_SavedWndStyle) {
    m_Active = false;
    UpdateState();
  }
  for (auto& control : m_SkinCtrlList) control->BeforeDestroy();
  m_SkinCtrlList.clear();
  m_SkinCtrlOf.clear();
  m_Watch.reset();
}

void TzelSkinWindowVCL::ComponentGone(ui::TComponent& AComponent) {
  if (&AComponent == &m_Form) {
    // Frees this wrapper: nothing of it is touched afterwards.
    m_Engine.RemoveWindow(m_hWnd);
    return;
  }
  for (size_t i = 0; i < m_SkinCtrlOf.size(); ++i) {
    if (m_SkinCtrlOf[i] != &AComponent) continue;
    std::unique_ptr<TzelSkinCtrlObject> gone = std::move(m_SkinCtrlList[i]);
    m_SkinCtrlList.erase(m_SkinCtrlList.begin() + static_cast<std::ptrdiff_t>(i));
    m_SkinCtrlOf.erase(m_SkinCtrlOf.begin() + static_cast<std::ptrdiff_t>(i));
    gone->BeforeDestroy();
    return;
  }
}

HICON TzelSkinWindowVCL::GetIconHandle() const {
  return m_Form.Icon() ? m_Form.Icon() : TzelSkinWindow::GetIconHandle();
}

bool TzelSkinWindowVCL::CanSetRegion() const {
  return !m_Form.Parent() && m_Form.BorderStyle() != ui::TFormBorderStyle::None;
}

TFrameState TzelSkinWindowVCL::FrameState() const {
  TFrameState state = TzelSkinWindow::FrameState();
  state.Style = BorderStyleOf(m_Form.BorderStyle());
  const int64_t icons = m_Form.BorderIcons();
  state.Icons.SystemMenu = (icons & ui::biSystemMenu) != 0;
  state.Icons.Minimize = (icons & ui::biMinimize) != 0;
  state.Icons.Maximize = (icons & ui::biMaximize) != 0;
  state.Icons.Help = (icons & ui::biHelp) != 0;
  return state;
}

void TzelSkinWindowVCL::SaveMetrics() {
  m_ClientWidth = m_Form.ClientWidth();
  m_ClientHeight = m_Form.ClientHeight();
  m_OldTitleHeight = SystemTitleHeight(m_hWnd);
  if (m_Form.Menu() && m_Form.MenuShown() && !IsMDIChild()) {
    m_OldTitleHeight -= GetSystemMetrics(SM_CYMENU);
  }
  // The system's left and bottom frame sizes.
  RECT wr{};
  GetWindowRect(m_hWnd, &wr);
  POINT origin{0, 0};
  ClientToScreen(m_hWnd, &origin);
  m_OldLeftBorderWidth2 = origin.x - wr.left;
  m_OldBottomHeight2 = wr.bottom - (origin.y + m_Form.ClientHeight());
  if (m_MDI) m_MDI->SaveFrame(m_OldTitleHeight, m_OldLeftBorderWidth2, m_OldBottomHeight2);
  if (IsMDIChild()) {
    // The parent's client window knows the frame sizes before skinning.
    if (HWND client = GetParent(m_hWnd)) {
      const auto saved = [client](UINT AMsg) {
        return std::max<LRESULT>(4, SendMessageW(client, AMsg, 0, 0));
      };
      m_OldLeftBorderWidth2 = static_cast<int>(saved(kSkinMsgMDIOldLeftBorder));
      m_OldBottomHeight2 = static_cast<int>(saved(kSkinMsgMDIOldBottomHeight));
      if (HWND frame = GetParent(client)) {
        PostMessageW(frame, kSkinMsgMDIChildMenu, 0, reinterpret_cast<LPARAM>(m_Form.Menu()));
      }
    }
  }
  if (auto color = m_Form.GetProperty("Color")) m_OldColor = std::get<int64_t>(*color);
}

void TzelSkinWindowVCL::UpdateState() {
  ControlsStateChanged();
  if (m_Active) {
    m_Form.SetProperty("Color", static_cast<int64_t>(m_Engine.GetFormColor()));
    MenusOn();
    SwitchFrame(true);
    if (m_MDI) m_MDI->PlaceClient(GetMenuHeight());
  } else if (!m_Form.Destroying()) {
    MenusOffBeforeFrame();
    if (m_OldColor) m_Form.SetProperty("Color", *m_OldColor);
    SwitchFrame(false);
    MenusOffAfterFrame();
    if (m_MDI) m_MDI->PlaceClient(0);
  }
  InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool TzelSkinWindowVCL::PreProcess(const ui::TWindowMessage& AMsg, LRESULT& AResult) {
  if (m_MDI && m_MDI->FrameMessage(AMsg, AResult)) {
    if (AMsg.Message == kSkinMsgMDIChildPainted) PaintFrame();
    return false;
  }
  if (AMsg.Message == kSkinMsgIsMDIChildHidden) {
    AResult = IsWindowVisible(m_hWnd) ? 0 : 1;
    return false;
  }
  return true;
}

void TzelSkinWindowVCL::AfterSize() {
  if (IsMDIChild()) NotifyMainForm();
  if (m_MDI && m_Active) m_MDI->PlaceClient(GetMenuHeight());
}

void TzelSkinWindowVCL::SkinComponentsOf(ui::TComponent& AOwner) {
  for (ui::TComponent* c : AOwner.Components()) {
    const ui::TWidgetClass& cls = c->Class();
    if (!cls.InheritsFrom(ui::classes::Control)) continue;
    if (m_Engine.DisabledTag() != 0 && c->Tag() == m_Engine.DisabledTag()) continue;
    if (cls.InheritsFrom(ui::classes::RollShadow)) continue;
    if (auto* widget = dynamic_cast<ui::TWidget*>(c)) {
      if (widget->Handle() && SendMessageW(widget->Handle(), kSkinMsgIsSkinned, 0, 0) == 1)
        continue;
      if (!widget->Parent()) continue;
    }
    if (cls.Name.starts_with("Tzel")) {
      if (cls.InheritsFrom(ui::classes::ZelForm)) m_DrawForm = false;
      continue;
    }
    if (const TzelSkinCtrlVCLDef* def = FindSkinCtrlVCLDef(cls)) {
      try {
        std::unique_ptr<TzelSkinCtrlObject> wrapper = def->SkinCtrlClass(*c, m_Engine);
        if (wrapper) {
          wrapper->SkinStateChanged();
          m_SkinCtrlList.push_back(std::move(wrapper));
          m_SkinCtrlOf.push_back(c);
          m_Watch->Watch(*c);
          if (def->ParentColor && c->HasProperty("ParentColor"))
            c->SetProperty("ParentColor", true);
        }
      } catch (...) {
        continue;  // a control whose wrapper fails keeps its own look
      }
    }
    SkinComponentsOf(*c);
  }
}

void TzelSkinWindowVCL::SkinControls() {
  SkinComponentsOf(m_Form);
}

void TzelSkinWindowVCL::AfterProcess(const ui::TWindowMessage& AMsg, LRESULT& /*AResult*/) {
  if (AMsg.Message == WM_SHOWWINDOW && AMsg.WParam && !m_SkinAlled) {
    m_SkinAlled = true;
    if (m_Form.Application().MainForm() == &m_Form && m_Engine.SkinAllForms()) {
      m_Engine.DoSkinAllForms();
    }
  }
  if (AMsg.Message == WM_SHOWWINDOW || AMsg.Message == WM_PARENTNOTIFY) {
    LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    if (style & WS_SYSMENU) SetWindowLongPtrW(m_hWnd, GWL_STYLE, style & ~WS_SYSMENU);
  }
}

// --- TzelSkinWindowWnd

TzelSkinWindowWnd::TzelSkinWindowWnd(HWND AWindow, bool AForDialog, TzelSkinEngine& AEngine)
    : TzelSkinWindow(AWindow, AForDialog, AEngine) {
  m_OldStyle = GetWindowLongPtrW(AWindow, GWL_STYLE);
}

TzelSkinWindowWnd::~TzelSkinWindowWnd() {
  m_Destroying = true;
  if (IsWindow(m_hWnd) && m_Active && m_SavedWndStyle) {
    m_Active = false;
    UpdateState();
  }
  for (auto& control : m_SkinCtrlList) control->BeforeDestroy();
  m_SkinCtrlList.clear();
}

void TzelSkinWindowWnd::SaveMetrics() {
  m_OldStyle = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  RECT client{};
  GetClientRect(m_hWnd, &client);
  m_ClientWidth = client.right;
  m_ClientHeight = client.bottom;
  m_OldTitleHeight = SystemTitleHeight(m_hWnd);
}

void TzelSkinWindowWnd::SkinControls() {
  for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (SendMessageW(child, kSkinMsgIsSkinned, 0, 0) == 1) continue;
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    std::string upper;
    for (const wchar_t* p = name; *p; ++p) {
      upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(*p & 0x7F))));
    }
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (upper == "SYSANIMATE32" || upper == "MSCTLS_PROGRESS32") {
      m_ProgressingWnd = true;
      continue;
    }
    if (upper == "BUTTON") {
      if ((style & 7) == 7) continue;
      if ((style & 3) == 3 || (style & 2) || (style & 5) == 5) {
        upper = "BUTTON_CHECKBOX";
      } else if ((style & 9) == 9 || (style & 4)) {
        upper = "BUTTON_RADIOBUTTON";
      }
    }
    if (upper == "COMBOBOX" && (style & 3) == 1) continue;
    HWND target = child;
    if (upper == "COMBOBOXEX32") {
      target = FindWindowExW(child, nullptr, L"ComboBox", nullptr);
      if (!target) continue;
    }
    if (const TzelSkinCtrlWndDef* def = FindSkinCtrlWndDef(upper)) {
      try {
        if (auto wrapper = def->SkinCtrlClass(target, m_Engine)) {
          wrapper->SkinStateChanged();
          m_SkinCtrlList.push_back(std::move(wrapper));
        }
      } catch (...) {
      }
    }
  }
}

}  // namespace skin
