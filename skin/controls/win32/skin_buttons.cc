#include "skin/controls/win32/skin_buttons.h"

#include <algorithm>

#include "skin/controls/paint_buttons.h"
#include "skin/controls/win32/skin_props.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"
#include "ui/button.h"
#include "ui/image_list.h"

namespace skin {
namespace {

std::optional<TButtonInput> InputOf(UINT AMessage) {
  using I = TButtonInput;
  switch (AMessage) {
    case WM_KEYDOWN:
      return I::KeyDown;
    case WM_KEYUP:
      return I::KeyUp;
    case WM_CHAR:
      return I::Char;
    case WM_LBUTTONDOWN:
      return I::LButtonDown;
    case WM_LBUTTONUP:
      return I::LButtonUp;
    case WM_LBUTTONDBLCLK:
      return I::LButtonDblClk;
    case ui::CM_MOUSEENTER:
      return I::MouseEnter;
    case ui::CM_MOUSELEAVE:
      return I::MouseLeave;
    case WM_SETFOCUS:
      return I::SetFocus;
    case WM_KILLFOCUS:
    case ui::CM_GOTFOCUS:
    case ui::CM_LOSTFOCUS:
      return I::KillFocus;
    default:
      return std::nullopt;
  }
}

// The pixels of a bitmap button's "Glyph", its NumGlyphs, Layout, Margin
// and Spacing put into AGlyph (the caller points AGlyph.Strip at the
// result); empty when it has no glyph.
TBitmap GlyphStrip(const ui::TWidget& AWidget, TButtonGlyph& AGlyph) {
  const auto handle = AWidget.GetProperty("Glyph");
  if (!handle || !std::holds_alternative<const void*>(*handle)) return {};
  TBitmap strip =
      BitmapPixels(static_cast<HBITMAP>(const_cast<void*>(std::get<const void*>(*handle))));
  AGlyph.NumGlyphs = static_cast<int>(IntProperty(AWidget, "NumGlyphs", 1));
  AGlyph.Side =
      static_cast<TGlyphSide>(std::clamp<int64_t>(IntProperty(AWidget, "Layout", 0), 0, 3));
  AGlyph.Margin = static_cast<int>(IntProperty(AWidget, "Margin", -1));
  AGlyph.Spacing = static_cast<int>(IntProperty(AWidget, "Spacing", 4));
  return strip;
}

// The picture of the image list a button shows ("Images", "ImageIndex" and
// "ImageVisible" when it has them), or null.
const ui::TImageList* ShownImages(const ui::TWidget& AWidget, int& AIndex) {
  const auto images = AWidget.GetProperty("Images");
  const auto index = AWidget.GetProperty("ImageIndex");
  const auto visible = AWidget.GetProperty("ImageVisible");
  if (!images || !index || !std::holds_alternative<const void*>(*images) ||
      !std::holds_alternative<int64_t>(*index)) {
    return nullptr;
  }
  if (visible && std::holds_alternative<bool>(*visible) && !std::get<bool>(*visible))
    return nullptr;
  AIndex = static_cast<int>(std::get<int64_t>(*index));
  const auto* list = static_cast<const ui::TImageList*>(std::get<const void*>(*images));
  return AIndex >= 0 && AIndex < (list ? list->Count() : 0) ? list : nullptr;
}

}  // namespace

// --- Push button

TButtonContext TzelSkinButton::Context() const {
  TButtonContext c;
  const HWND h = GetHandle();
  c.Focused = GetFocus() == h;
  c.Enabled = GetEnabled();
  c.Visible = IsWindowVisible(h) != FALSE;
  c.CanFocus = m_Control->CanFocus();
  c.ReallyActive = m_Engine->RealActive();
  const HWND form = GetAncestor(h, GA_ROOT);
  // 1 active, 2 inactive; a form that is not skinned answers 0, and then
  // the system decides.
  const LRESULT answer = SendMessageW(form, kSkinMsgIsFormActive, 0, 0);
  c.FormActive = answer == 0 ? GetActiveWindow() == form : answer == 1;
  return c;
}

bool TzelSkinButton::PreProcess(TSkinMessage& AMessage) {
  m_Pending.reset();
  if (AnswerOwnerPaint(AMessage)) return false;
  if (AMessage.Msg == ui::CM_DIALOGCHAR) {
    return !m_Engine->BtnNeedAltKey() || (GetKeyState(VK_MENU) & 0x8000) != 0;
  }
  const auto input = InputOf(AMessage.Msg);
  if (!input) return true;
  m_Pending = m_Clicks.Handle(*input, static_cast<int>(AMessage.WParam), Context());
  return m_Pending->PassToControl;
}

void TzelSkinButton::AfterProcess(TSkinMessage& AMessage) {
  if (!m_Pending) {
    TzelSkinControl::AfterProcess(AMessage);
    if (AMessage.Msg == WM_UPDATEUISTATE) Repaint();
    return;
  }
  const TButtonReaction r = *m_Pending;
  m_Pending.reset();
  m_MouseState = (m_Clicks.Hot() ? kMouseHot : 0u) | (m_Clicks.Pressed() ? kMousePressed : 0u);
  if (r.TakeFocus) m_Control->SetFocus();
  if (r.Repaint) Repaint();
  if (r.Click) {
    if (auto* button = dynamic_cast<ui::TButton*>(m_Control)) button->Click();
  }
}

void TzelSkinButton::Paint() {
  const RECT rc = GetClientRect();
  TPushButtonLook look;
  look.Size = {rc.right - rc.left, rc.bottom - rc.top};
  look.ParentColor = ColorProperty(m_Control->Parent());
  look.Pressed = Pressed();
  look.Hot = Hot();
  look.Focused = GetFocus() == GetHandle();
  look.Enabled = GetEnabled();
  look.WordWrap = BoolProperty(*m_Control, "WordWrap");
  look.Caption = WindowText16(GetHandle());
  look.FontColor = m_Engine->NoChangeButtonsFontColor()
                       ? m_Control->Font().Color.Resolve()
                       : m_Engine->GetColor(TSkinColorKey::ButtonFontColor);
  // A bitmap button's glyph strip, else a picture of its image list.
  const TBitmap glyph = GlyphStrip(*m_Control, look.Glyph);
  if (!glyph.Empty()) look.Glyph.Strip = &glyph;
  int index = -1;
  const ui::TImageList* images = glyph.Empty() ? ShownImages(*m_Control, index) : nullptr;
  if (images != nullptr) look.Glyph.Picture = {images->Width(), images->Height()};
  PaintPushButtonLook(look, m_Control->FontHandle(), images ? images->Handle() : nullptr, index);
}

// --- Native push button

namespace {

// Whether ATop holds a progress bar or an animation control.
bool HoldsProgressOrAnimation(HWND ATop) {
  bool found = false;
  EnumChildWindows(
      ATop,
      [](HWND AChild, LPARAM AFound) -> BOOL {
        wchar_t name[64] = {};
        GetClassNameW(AChild, name, 64);
        if (lstrcmpiW(name, L"msctls_progress32") == 0 || lstrcmpiW(name, L"SysAnimate32") == 0) {
          *reinterpret_cast<bool*>(AFound) = true;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

TzelSkinWndButton::~TzelSkinWndButton() {
  if (m_Timer && IsWindow(m_CtrlWnd)) KillTimer(m_CtrlWnd, kHotTimer);
}

void TzelSkinWndButton::Init() {
  m_Downed = false;
  const HWND top = GetAncestor(m_CtrlWnd, GA_ROOT);
  if (!HoldsProgressOrAnimation(top)) {
    m_Timer = SetTimer(m_CtrlWnd, kHotTimer, kHotTimerMs, nullptr) != 0;
  }
}

bool TzelSkinWndButton::PreProcess(TSkinMessage& AMessage) {
  if (AnswerOwnerPaint(AMessage)) {
    if (AMessage.Msg == WM_PAINT) m_Painted = true;
    return false;
  }
  switch (AMessage.Msg) {
    case WM_TIMER:
      if (AMessage.WParam != kHotTimer) return true;
      if (!m_Painted) {
        m_Painted = true;
        Repaint();
      }
      if (Hot()) {
        POINT p{};
        GetCursorPos(&p);
        if (WindowFromPoint(p) != m_CtrlWnd) {
          m_MouseState &= ~kMouseHot;
          Repaint();
        }
      }
      return false;
    case WM_KEYDOWN:
      return AMessage.WParam != VK_RETURN;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      m_MouseState |= kMousePressed;
      Repaint();
      return false;
    default:
      return true;
  }
}

void TzelSkinWndButton::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  switch (AMessage.Msg) {
    case WM_MOUSEMOVE:
      if (!Hot()) {
        m_MouseState |= kMouseHot;
        Repaint();
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
      Repaint();
      break;
    case WM_LBUTTONDBLCLK:
      m_MouseState &= ~kMousePressed;
      m_Downed = true;
      MouseUp();
      break;
    default:
      break;
  }
}

void TzelSkinWndButton::MouseDown() {
  if (IsWindowEnabled(m_CtrlWnd) && IsWindowVisible(m_CtrlWnd)) SetFocus(m_CtrlWnd);
  m_Downed = true;
}

void TzelSkinWndButton::MouseUp() {
  if (m_Downed) {
    const int id = GetDlgCtrlID(m_CtrlWnd);
    PostMessageW(GetParent(m_CtrlWnd), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(m_CtrlWnd));
  }
  m_Downed = false;
}

void TzelSkinWndButton::Paint() {
  RECT rc{};
  ::GetClientRect(m_CtrlWnd, &rc);
  TPushButtonLook look;
  look.Size = {rc.right, rc.bottom};
  look.Pressed = Pressed() || (SendMessageW(m_CtrlWnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  look.Hot = Hot();
  look.Focused = GetFocus() == m_CtrlWnd;
  look.Enabled = GetEnabled();
  look.WordWrap = (GetWindowLongPtrW(m_CtrlWnd, GWL_STYLE) & BS_MULTILINE) != 0;
  look.Caption = WindowText16(m_CtrlWnd);
  look.FontColor = m_Engine->NoChangeButtonsFontColor()
                       ? GetSysColor(COLOR_BTNTEXT)
                       : m_Engine->GetColor(TSkinColorKey::ButtonFontColor);
  PaintPushButtonLook(look, reinterpret_cast<HFONT>(SendMessageW(m_CtrlWnd, WM_GETFONT, 0, 0)));
}

// --- Label

TzelSkinLabel::~TzelSkinLabel() {
  m_OldFontColor.Restore(*m_Control);
}

void TzelSkinLabel::SkinStateChanged() {
  m_OldFontColor.Follow(*m_Control, *m_Engine, m_Engine->NoChangeLabelFontColor());
}

}  // namespace skin
