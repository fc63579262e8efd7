#include "skin/controls/win32/skin_updown.h"

// after windows.h
#include <commctrl.h>

#include "skin/controls/paint_updown.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"

namespace skin {

bool TzelSkinUpDown::Vertical() const {
  return (GetWindowLongPtrW(GetHandle(), GWL_STYLE) & UDS_HORZ) == 0;
}

void TzelSkinUpDown::AfterProcess(TSkinMessage& AMessage) {
  if (AMessage.Msg == WM_LBUTTONDOWN) {
    const RECT rc = GetClientRect();
    const TPoint at{static_cast<short>(LOWORD(AMessage.LParam)),
                    static_cast<short>(HIWORD(AMessage.LParam))};
    m_R = UpDownHalf(at, {rc.right, rc.bottom}, Vertical());
  } else if (AMessage.Msg == WM_LBUTTONUP) {
    m_R = 0;
  }
  TzelSkinControl::AfterProcess(AMessage);
}

void TzelSkinUpDown::Paint() {
  const HWND h = GetHandle();
  const RECT rc = GetClientRect();
  if (rc.right <= 0 || rc.bottom <= 0) return;
  TDibSurface buf(rc.right, rc.bottom);
  if (!buf.Valid()) return;
  HDC dc = PaintDc() != nullptr ? PaintDc() : GetDC(h);
  if (dc == nullptr) return;
  // Over the control's own painting.
  BitBlt(buf.Dc(), 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
  THdcCanvas canvas(buf.Dc());
  PaintUpDownHalves(canvas, *m_Engine, {rc.right, rc.bottom}, Vertical(), m_R);
  buf.CopyTo(dc, 0, 0);
  if (PaintDc() == nullptr) ReleaseDC(h, dc);
}

}  // namespace skin
