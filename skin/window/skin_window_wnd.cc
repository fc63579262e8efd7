// The window wrapper of native top-level windows (message boxes, system
// dialogs): switching the frame, and the rules for the dialogs the system
// builds itself (file and folder dialogs, nested dialogs, colour answers).
#include <algorithm>
#include <string>

#include "skin/window/skin_window.h"

namespace skin {
namespace {

std::wstring ClassOf(HWND AWindow) {
  wchar_t name[64] = {};
  GetClassNameW(AWindow, name, 64);
  return name;
}

// What a dialog's descendants say about the dialog.
struct TChildSurvey {
  bool ShellView = false;
  bool ToolBar = false;
  bool ListBox = false;
  bool FolderTree = false;
  HWND NestedDialog = nullptr;  // the first "#32770" child
  HWND Top = nullptr;
};

BOOL CALLBACK SurveyChild(HWND AChild, LPARAM AData) {
  auto* survey = reinterpret_cast<TChildSurvey*>(AData);
  const std::wstring cls = ClassOf(AChild);
  if (cls == L"SHELLDLL_DefView") survey->ShellView = true;
  if (cls == L"ToolbarWindow32") survey->ToolBar = true;
  if (cls == L"ListBox") survey->ListBox = true;
  if (cls == L"SysTreeView32") survey->FolderTree = true;
  if (cls == L"#32770" && !survey->NestedDialog && GetParent(AChild) == survey->Top) {
    survey->NestedDialog = AChild;
  }
  return TRUE;
}

}  // namespace

bool TzelSkinWindowWnd::AnswerColor(const ui::TWindowMessage& AMsg, LRESULT& AResult) const {
  if (!m_Engine.FormBrush()) return false;
  switch (AMsg.Message) {
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(AMsg.WParam), TRANSPARENT);
      AResult = reinterpret_cast<LRESULT>(m_Engine.FormBrush());
      return true;
    default:
      return false;
  }
}

void TzelSkinWindowWnd::InspectChildren() {
  TChildSurvey survey;
  survey.Top = m_hWnd;
  EnumChildWindows(m_hWnd, &SurveyChild, reinterpret_cast<LPARAM>(&survey));
  m_OpenWnd = survey.ShellView && survey.ToolBar && survey.ListBox;
  m_DirDlgWnd = survey.FolderTree && !m_OpenWnd;
  if (m_DirDlgWnd) ShowScrollBar(m_hWnd, SB_BOTH, FALSE);
  if (survey.NestedDialog && survey.NestedDialog != m_CtmDlgWnd) {
    m_CtmDlgWnd = survey.NestedDialog;
    // The nested dialog paints on the form brush as its parent does while
    // skinning is on; otherwise it is left alone.
    m_CtmDlg = std::make_unique<ui::TForeignSubclass>(
        m_CtmDlgWnd, [this](const ui::TWindowMessage& AMsg, const ui::TWindowChain::TNext& ANext) {
          if (m_Active && m_Engine.RealActive() && !m_Destroying) {
            LRESULT result = 0;
            if (AnswerColor(AMsg, result)) return result;
            if (AMsg.Message == WM_CTLCOLORDLG && m_Engine.FormBrush()) {
              return reinterpret_cast<LRESULT>(m_Engine.FormBrush());
            }
          }
          return ANext(AMsg);
        });
  }
}

bool TzelSkinWindowWnd::PreProcess(const ui::TWindowMessage& AMsg, LRESULT& AResult) {
  switch (AMsg.Message) {
    case WM_ERASEBKGND:
      if (!m_SavedWndStyle2) {
        m_OldStyle2 = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
        m_SavedWndStyle2 = true;
      }
      return true;
    case WM_SYSCOMMAND:
      if ((AMsg.WParam & 0xFFF0) == SC_CLOSE) {
        PostMessageW(m_hWnd, WM_COMMAND, IDCANCEL, 0);
        AResult = 0;
        return false;
      }
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      return !AnswerColor(AMsg, AResult);
    case WM_SHOWWINDOW:
      if (AMsg.WParam) InspectChildren();
      return true;
    case WM_DESTROY:
      TzelSkinEngine::SetDestroyedHandle(m_hWnd);
      return true;
    default:
      if (AMsg.Message == kSkinMsgAllowDialogSkin) {
        AResult = m_OpenWnd ? 1 : 0;
        return false;
      }
      return true;
  }
}

void TzelSkinWindowWnd::AfterProcess(const ui::TWindowMessage& AMsg, LRESULT& /*AResult*/) {
  if (AMsg.Message != WM_SIZE || m_Expanded || IsZoomed(m_hWnd) || IsIconic(m_hWnd)) return;
  // A dialog that sized itself smaller than it was (from the system's
  // frame sizes) gets the skin's taller frame added once.
  RECT client{};
  GetClientRect(m_hWnd, &client);
  if (client.bottom >= m_ClientHeight || client.right * 2 > m_ClientWidth * 3) return;
  const TSkinMetrics& m = m_Engine.Metrics();
  const int skinFrame = m.TitleHeight + std::max(4, m.BottomBorderWidth);
  const int systemFrame = m_OldTitleHeight + 4;
  if (skinFrame <= systemFrame) return;
  m_Expanded = true;
  RECT wr{};
  GetWindowRect(m_hWnd, &wr);
  SetWindowPos(m_hWnd, nullptr, 0, 0, wr.right - wr.left,
               wr.bottom - wr.top + skinFrame - systemFrame,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateRegion();
}

void TzelSkinWindowWnd::GrowFrame(bool AOn) {
  if (IsZoomed(m_hWnd) || IsIconic(m_hWnd)) return;
  RECT wr{};
  GetWindowRect(m_hWnd, &wr);
  const int width = wr.right - wr.left;
  const int height = wr.bottom - wr.top;
  if (AOn) {
    const TSkinMetrics& m = m_Engine.Metrics();
    const int menuHeight = m_Menu ? GetSystemMetrics(SM_CYMENU) : 0;
    m_GrownBy.cx = m.LeftBorderWidth + m.RightBorderWidth;
    m_GrownBy.cy = m.TitleHeight + menuHeight + std::max(4, m.BottomBorderWidth) - m_OldTitleHeight;
    SetWindowPos(m_hWnd, nullptr, 0, 0, width + m_GrownBy.cx, height + m_GrownBy.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  } else {
    SetWindowPos(m_hWnd, nullptr, 0, 0, width - m_GrownBy.cx, height - m_GrownBy.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_GrownBy = {0, 0};
  }
}

void TzelSkinWindowWnd::UpdateState() {
  ControlsStateChanged();
  if (m_Active) {
    if (HMENU menu = GetMenu(m_hWnd)) {
      m_Menu = menu;
      SetMenu(m_hWnd, nullptr);
    }
    SwitchFrame(true);
    GrowFrame(true);
    PaintFrame();
  } else {
    // The style the window had when it was first drawn, but as visible,
    // enabled, minimised or maximised as it is now.
    const LONG_PTR kept = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE;
    const LONG_PTR now = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    const LONG_PTR saved = m_SavedWndStyle2 ? m_OldStyle2 : m_OldStyle;
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, (saved & ~kept) | (now & kept));
    if (m_Menu) {
      SetMenu(m_hWnd, m_Menu);
      m_Menu = nullptr;
    }
    GrowFrame(false);
    SwitchFrame(false);
  }
  RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace skin
