#include "skin/controls/win32/skin_combo.h"

// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "skin/controls/paint_buttons.h"
#include "skin/controls/paint_combo.h"
#include "skin/controls/paint_updown.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"

namespace skin {
namespace {

POINT Centre(const RECT& ARect) {
  return {(ARect.left + ARect.right) / 2, (ARect.top + ARect.bottom) / 2};
}

LPARAM PointParam(POINT APoint) {
  return MAKELPARAM(APoint.x, APoint.y);
}

// The resolved "Color" property of AWidget, or AFallback.
TColor ColorOf(const ui::TWidget& AWidget, TColor AFallback) {
  const auto* info = AWidget.FindProperty("Color");
  if (info == nullptr || info->Type->Kind != ui::TPropertyKind::Color) return AFallback;
  const auto value = AWidget.GetProperty("Color");
  if (!value) return AFallback;
  return ui::TColor::Decode(std::get<int64_t>(*value)).Resolve();
}

// Messages after which a combo box is painted over again.
bool RepaintsCombo(UINT AMessage) {
  switch (AMessage) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_NCPAINT:
    case WM_SIZE:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
      return true;
    default:
      return false;
  }
}

}  // namespace

// --- Overlay drop-down button

TzelSkinInternalComboButton::TzelSkinInternalComboButton(HWND ACtrl, TzelSkinControl& ASkinCtrl)
    : TzelSkinOverlayPanel(GetParent(ACtrl)), m_Ctrl(ACtrl), m_SkinCtrl(&ASkinCtrl) {}

void TzelSkinInternalComboButton::PaintPanel(HDC ADc, TSize ASize) {
  const TDropButtonState state = !m_SkinCtrl->GetEnabled() ? TDropButtonState::Disabled
                                 : m_Pressed               ? TDropButtonState::Pressed
                                 : m_Hot                   ? TDropButtonState::Hot
                                                           : TDropButtonState::Normal;
  THdcCanvas canvas(ADc);
  PaintDropButton(canvas, m_SkinCtrl->Engine(), ASize, state, false);
}

void TzelSkinInternalComboButton::Mouse(UINT AMessage, POINT /*AAt*/) {
  const POINT target = Centre(m_Target);
  switch (AMessage) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      m_Pressed = true;
      Redraw();
      // The control's own button does the dropping.
      ReleaseCapture();
      SendMessageW(m_Ctrl, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(target));
      break;
    case WM_LBUTTONUP:
      m_Pressed = false;
      Redraw();
      SendMessageW(m_Ctrl, WM_LBUTTONUP, 0, PointParam(target));
      break;
    case WM_MOUSEMOVE:
      if (!m_Hot) {
        m_Hot = true;
        Redraw();
      }
      break;
    case WM_MOUSELEAVE:
      m_Hot = false;
      m_Pressed = false;
      Redraw();
      break;
    default:
      break;
  }
}

// --- Overlay up-down arrows

TzelSkinInternalUpDown::TzelSkinInternalUpDown(HWND AUpDown, TzelSkinControl& ASkinCtrl)
    : TzelSkinOverlayPanel(GetParent(GetParent(AUpDown))),
      m_Ctrl(AUpDown),
      m_SkinCtrl(&ASkinCtrl) {}

void TzelSkinInternalUpDown::Release() {
  if (m_R == 0) return;
  m_R = 0;
  Redraw();
}

void TzelSkinInternalUpDown::PaintPanel(HDC ADc, TSize ASize) {
  THdcCanvas canvas(ADc);
  PaintSpinButtons(canvas, m_SkinCtrl->Engine(), ASize, m_R, m_SkinCtrl->GetEnabled());
}

void TzelSkinInternalUpDown::Mouse(UINT AMessage, POINT AAt) {
  RECT rc{};
  GetClientRect(Handle(), &rc);
  switch (AMessage) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ReleaseCapture();
      m_R = UpDownHalf({AAt.x, AAt.y}, {rc.right, rc.bottom}, true);
      if (m_R == 0) return;
      // The arrows' own window steps the value (and repeats while held).
      SendMessageW(m_Ctrl, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(AAt));
      Redraw();
      break;
    case WM_LBUTTONUP:
      SendMessageW(m_Ctrl, WM_LBUTTONUP, 0, PointParam(AAt));
      m_R = 0;
      Redraw();
      break;
    default:
      break;
  }
}

// --- Bordered control with an overlay drop-down button

TzelSkinExtComboboxLikeControl::~TzelSkinExtComboboxLikeControl() = default;

void TzelSkinExtComboboxLikeControl::Init() {
  TzelSkinBorderWinControl::Init();
  try {
    m_Btn = std::make_unique<TzelSkinInternalComboButton>(GetHandle(), *this);
  } catch (const std::exception&) {
    m_Btn.reset();  // the control goes without it
  }
}

RECT TzelSkinExtComboboxLikeControl::ButtonRect() const {
  RECT rc = GetClientRect();
  rc.left = std::max(rc.left, rc.right - GetSystemMetrics(SM_CXVSCROLL));
  return rc;
}

void TzelSkinExtComboboxLikeControl::PlaceOverlays() {
  if (!m_Btn) return;
  const RECT button = ButtonRect();
  if (!m_Engine->RealActive() || m_Destroying || !IsWindowVisible(GetHandle()) ||
      IsRectEmpty(&button)) {
    m_Btn->Hide();
    return;
  }
  m_Btn->SetTarget(button);
  m_Btn->PlaceOver(GetHandle(), button);
}

void TzelSkinExtComboboxLikeControl::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinBorderWinControl::AfterProcess(AMessage);
  switch (AMessage.Msg) {
    case WM_SIZE:
    case WM_MOVE:
    case WM_SHOWWINDOW:
    case WM_WINDOWPOSCHANGED:
    case WM_VSCROLL:
    case WM_NOTIFY:
    case ui::CM_VISIBLECHANGED:
      PlaceOverlays();
      break;
    default:
      break;
  }
}

void TzelSkinExtComboboxLikeControl::Paint() {
  TzelSkinBorderWinControl::Paint();
  PlaceOverlays();
}

void TzelSkinExtComboboxLikeControl::SkinStateChanged() {
  PlaceOverlays();
}

// --- Date-time picker

TzelSkinDateTimePicker::~TzelSkinDateTimePicker() = default;

bool TzelSkinDateTimePicker::UpDownMode() const {
  return (GetWindowLongPtrW(GetHandle(), GWL_STYLE) & DTS_UPDOWN) != 0;
}

void TzelSkinDateTimePicker::Init() {
  TzelSkinExtComboboxLikeControl::Init();
  if (!UpDownMode()) return;
  HWND arrows = FindWindowExW(GetHandle(), nullptr, UPDOWN_CLASSW, nullptr);
  if (arrows == nullptr) return;
  try {
    m_Spin = std::make_unique<TzelSkinInternalUpDown>(arrows, *this);
  } catch (const std::exception&) {
    m_Spin.reset();
  }
}

void TzelSkinDateTimePicker::AfterProcess(TSkinMessage& AMessage) {
  // The arrows' own window holds the pointer while pressed and reports the
  // release with SB_ENDSCROLL.
  if (m_Spin && AMessage.Msg == WM_VSCROLL && LOWORD(AMessage.WParam) == SB_ENDSCROLL) {
    m_Spin->Release();
  }
  TzelSkinExtComboboxLikeControl::AfterProcess(AMessage);
}

RECT TzelSkinDateTimePicker::ButtonRect() const {
  if (UpDownMode()) return {};
  return TzelSkinExtComboboxLikeControl::ButtonRect();
}

void TzelSkinDateTimePicker::PlaceOverlays() {
  TzelSkinExtComboboxLikeControl::PlaceOverlays();
  if (!m_Spin) return;
  const HWND arrows = m_Spin->UpDown();
  if (!m_Engine->RealActive() || m_Destroying || !IsWindow(arrows) || !IsWindowVisible(arrows)) {
    m_Spin->Hide();
    return;
  }
  RECT rc{};
  ::GetClientRect(arrows, &rc);
  m_Spin->PlaceOver(arrows, rc);
}

// --- Combo boxes

void PaintComboOver(HWND ACombo, const TzelSkinHost& AEngine, TColor AControlColor) {
  if (ACombo == nullptr || !IsWindow(ACombo)) return;
  if ((GetWindowLongPtrW(ACombo, GWL_STYLE) & 3) == CBS_SIMPLE) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(ACombo, &info)) return;
  RECT rc{};
  ::GetClientRect(ACombo, &rc);
  if (rc.right <= 0 || rc.bottom <= 0) return;
  HDC dc = GetDC(ACombo);
  if (dc == nullptr) return;
  TDibSurface buf(rc.right, rc.bottom, dc);
  if (buf.Valid()) {
    BitBlt(buf.Dc(), 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
    THdcCanvas canvas(buf.Dc());
    TComboLook look;
    look.Client = {0, 0, rc.right, rc.bottom};
    look.Button = {info.rcButton.left, info.rcButton.top, info.rcButton.right,
                   info.rcButton.bottom};
    look.ControlColor = AControlColor;
    look.Enabled = IsWindowEnabled(ACombo) != FALSE;
    // The line goes on the button's inner side, wherever the button is.
    look.RightToLeft = Centre(info.rcButton).x < rc.right / 2;
    PaintComboBoxSkin(canvas, AEngine, look);
    buf.CopyTo(dc, 0, 0);
  }
  ReleaseDC(ACombo, dc);
  if (info.hwndList != nullptr && IsWindowVisible(info.hwndList) &&
      SendMessageW(ACombo, CB_GETDROPPEDSTATE, 0, 0) != 0) {
    DrawControlBorder(info.hwndList, AEngine.GetColor(TSkinColorKey::ControlBorderColor), 0, false);
  }
}

void TzelSkinComboBox::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  if (RepaintsCombo(AMessage.Msg)) Repaint();
}

void TzelSkinComboBox::Paint() {
  PaintComboOver(ComboWindow(), *m_Engine, ColorOf(*m_Control, GetSysColor(COLOR_WINDOW)));
}

HWND TzelSkinComboBoxEx::ComboWindow() const {
  return reinterpret_cast<HWND>(SendMessageW(GetHandle(), CBEM_GETCOMBOCONTROL, 0, 0));
}

HWND TzelSkinWndComboBox::ComboWindow() const {
  wchar_t name[64] = {};
  GetClassNameW(m_CtrlWnd, name, 64);
  if (lstrcmpiW(name, WC_COMBOBOXEXW) == 0) {
    return reinterpret_cast<HWND>(SendMessageW(m_CtrlWnd, CBEM_GETCOMBOCONTROL, 0, 0));
  }
  return m_CtrlWnd;
}

void TzelSkinWndComboBox::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  if (RepaintsCombo(AMessage.Msg)) Repaint();
}

void TzelSkinWndComboBox::Paint() {
  PaintComboOver(ComboWindow(), *m_Engine, GetSysColor(COLOR_WINDOW));
}

}  // namespace skin
