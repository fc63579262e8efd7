#include "skin/controls/win32/skin_checks.h"

#include "skin/controls/paint_buttons.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"
#include "ui/radio_button.h"

namespace skin {

template <class TBase>
bool TzelSkinCheckBase<TBase>::PreProcess(TSkinMessage& AMessage) {
  if (Radio() && AMessage.Msg == WM_ERASEBKGND) {
    AMessage.Result = 1;
    return false;
  }
  return true;
}

template <class TBase>
void TzelSkinCheckBase<TBase>::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  switch (AMessage.Msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_LBUTTONDBLCLK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      this->Repaint();
      break;
    default:
      break;
  }
}

template <class TBase>
void TzelSkinCheckBase<TBase>::Paint() {
  const HWND h = this->GetHandle();
  RECT rc{};
  ::GetClientRect(h, &rc);
  const int w = rc.right, ht = rc.bottom;
  if (w <= 0 || ht <= 0) return;
  TDibSurface buf(w, ht);
  if (!buf.Valid()) return;
  const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(h, GWL_EXSTYLE);
  TCheckLook look;
  look.Client = {0, 0, w, ht};
  look.ControlColor = BoxColor();
  look.Enabled = this->GetEnabled();
  // The text on the right of the box unless BS_LEFTTEXT (or WS_EX_RIGHT).
  look.RightAligned = (style & BS_LEFTTEXT) == 0 && (exStyle & WS_EX_RIGHT) == 0;
  look.RightToLeft = (exStyle & WS_EX_RTLREADING) != 0;
  const LRESULT check = SendMessageW(h, BM_GETCHECK, 0, 0);
  THdcCanvas canvas(buf.Dc());
  const TRect square =
      Radio() ? PaintRadioButtonBox(canvas, *this->m_Engine, look, check == BST_CHECKED)
              : PaintCheckBoxBox(canvas, *this->m_Engine, look,
                                 check == BST_CHECKED         ? TCheckState::Checked
                                 : check == BST_INDETERMINATE ? TCheckState::Grayed
                                                              : TCheckState::Unchecked);
  if (square.Empty()) return;
  HDC dc = this->PaintDc() != nullptr ? this->PaintDc() : GetDC(h);
  if (dc == nullptr) return;
  BitBlt(dc, square.Left, square.Top, square.Width(), square.Height(), buf.Dc(), square.Left,
         square.Top, SRCCOPY);
  if (this->PaintDc() == nullptr) ReleaseDC(h, dc);
}

template class TzelSkinCheckBase<TzelSkinControlVCL>;
template class TzelSkinCheckBase<TzelSkinControlWnd>;

// --- Toolkit check box and radio button

TzelSkinCheckBox::~TzelSkinCheckBox() {
  m_OldFontColor.Restore(*m_Control);
}

void TzelSkinCheckBox::SkinStateChanged() {
  m_OldFontColor.Follow(*m_Control, *m_Engine, m_Engine->NoChangeButtonsFontColor());
}

TColor TzelSkinCheckBox::BoxColor() const {
  const TColor own = ColorProperty(m_Control);
  return own != kNoColor ? own : m_Engine->FormColor();
}

bool TzelSkinRadioButton::PreProcess(TSkinMessage& AMessage) {
  if (AMessage.Msg == WM_LBUTTONDBLCLK) {
    if (auto* radio = dynamic_cast<ui::TRadioButton*>(m_Control); radio && radio->OnDblClick) {
      radio->OnDblClick();
    }
    return false;
  }
  return TzelSkinCheckBox::PreProcess(AMessage);
}

}  // namespace skin
