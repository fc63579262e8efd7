#include "skin/controls/win32/skin_bars.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/wide.h"
#include "skin/bitmap/image_routines.h"
#include "skin/controls/paint_bars.h"
#include "skin/controls/paint_buttons.h"
#include "skin/controls/win32/skin_props.h"
#include "skin/draw/slices.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"
#include "ui/glyph_paint.h"
#include "ui/tool_bar.h"

namespace skin {
namespace {

TRect ToRect(const RECT& ARect) {
  return {ARect.left, ARect.top, ARect.right, ARect.bottom};
}

TSize ClientSize(HWND AWindow) {
  RECT rc{};
  ::GetClientRect(AWindow, &rc);
  return {rc.right, rc.bottom};
}

// The parent's colour, or the skin's form colour when it has none.
TColor BackColor(const ui::TWidget& AControl, const TzelSkinHost& AEngine) {
  const TColor parent = ColorProperty(AControl.Parent());
  return parent != kNoColor ? parent : AEngine.FormColor();
}

std::u16string ToU16(const std::wstring& AText) {
  return std::u16string(AText.begin(), AText.end());
}

}  // namespace

bool TzelSkinPaintedControl::PreProcess(TSkinMessage& AMessage) {
  return !AnswerOwnerPaint(AMessage);
}

// --- Progress bar

void TzelSkinProgressBar::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  switch (AMessage.Msg) {
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
      Repaint();
      break;
    default:
      break;
  }
}

void TzelSkinProgressBar::Paint() {
  const HWND h = GetHandle();
  PaintBuffered([&](TDibSurface& buf, TSize size) {
    PBRANGE range{};
    SendMessageW(h, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    TProgressLook look;
    look.Size = size;
    look.Vertical = (GetWindowLongPtrW(h, GWL_STYLE) & PBS_VERTICAL) != 0;
    look.Min = range.iLow;
    look.Max = range.iHigh;
    look.Position = static_cast<int>(SendMessageW(h, PBM_GETPOS, 0, 0));
    THdcCanvas canvas(buf.Dc());
    canvas.FillRect({0, 0, size.Width, size.Height}, BackColor(*m_Control, *m_Engine));
    PaintProgressBar(canvas, *m_Engine, look);
  });
}

// --- Track bar

bool TzelSkinTrackBar::Vertical() const {
  return (GetWindowLongPtrW(GetHandle(), GWL_STYLE) & TBS_VERT) != 0;
}

void TzelSkinTrackBar::SkinStateChanged() {
  m_BarImg = TBitmap();
  if (!m_Engine->GetBitmap(TSkinBitmapKey::TrackBar, m_BarImg, 0, 0)) return;
  if (Vertical()) RotateLeft(m_BarImg);
}

void TzelSkinTrackBar::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  switch (AMessage.Msg) {
    case WM_KILLFOCUS:
    case WM_SETFOCUS:
    case ui::CM_GOTFOCUS:
    case TBM_SETPOS:
      Repaint();
      break;
    default:
      break;
  }
}

void TzelSkinTrackBar::Paint() {
  const HWND h = GetHandle();
  PaintBuffered([&](TDibSurface& buf, TSize size) {
    RECT channel{}, thumb{};
    SendMessageW(h, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageW(h, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    TTrackLook look;
    look.Size = size;
    look.Vertical = Vertical();
    look.Channel = ToRect(channel);
    // The channel of a vertical track bar comes back lying on its side.
    if (look.Vertical && look.Channel.Width() > look.Channel.Height()) {
      look.Channel = {channel.top, channel.left, channel.bottom, channel.right};
    }
    look.Thumb = ToRect(thumb);
    look.Back = BackColor(*m_Control, *m_Engine);
    THdcCanvas canvas(buf.Dc());
    PaintTrackBar(canvas, *m_Engine, m_BarImg, look);
    if (GetFocus() == h) {
      const RECT all{0, 0, size.Width, size.Height};
      DrawFocusRect(buf.Dc(), &all);
    }
  });
}

// --- Speed button

TzelSkinSpeedButton::~TzelSkinSpeedButton() {
  StopTimer();
}

void TzelSkinSpeedButton::StopTimer() {
  if (m_Timer && IsWindow(GetHandle())) KillTimer(GetHandle(), kHotTimer);
  m_Timer = false;
}

void TzelSkinSpeedButton::MouseEnter() {
  if (!m_Timer) m_Timer = SetTimer(GetHandle(), kHotTimer, kHotTimerMs, nullptr) != 0;
}

bool TzelSkinSpeedButton::PreProcess(TSkinMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_TIMER: {
      if (AMessage.WParam != kHotTimer) return true;
      POINT p{};
      GetCursorPos(&p);
      if (WindowFromPoint(p) != GetHandle()) {
        StopTimer();
        m_MouseState &= ~kMouseHot;
        Repaint();
      }
      return false;
    }
    default:
      return OwnLook() || !AnswerOwnerPaint(AMessage);
  }
}

void TzelSkinSpeedButton::AfterProcess(TSkinMessage& AMessage) {
  TzelSkinControl::AfterProcess(AMessage);
  if (AMessage.Msg == WM_MOUSEMOVE && !Hot()) {
    m_MouseState |= kMouseHot;
    Repaint();
    MouseEnter();
  }
}

void TzelSkinSpeedButton::PaintOwnLookFrame() {
  const HWND h = GetHandle();
  const TSize size = ClientSize(h);
  HDC dc = GetDC(h);
  if (dc == nullptr) return;
  {
    THdcCanvas canvas(dc);
    const TColor face = GetSysColor(COLOR_BTNFACE);
    const TRect all{0, 0, size.Width, size.Height};
    canvas.FillRect({0, 0, size.Width, 2}, face);
    canvas.FillRect({0, size.Height - 2, size.Width, size.Height}, face);
    canvas.FillRect({0, 0, 2, size.Height}, face);
    canvas.FillRect({size.Width - 2, 0, size.Width, size.Height}, face);
    canvas.FillRect({all.Left, all.Top, all.Left + 1, all.Bottom},
                    m_Engine->GetColor(TSkinColorKey::ControlBorderColor));
  }
  ReleaseDC(h, dc);
}

void TzelSkinSpeedButton::Paint() {
  if (OwnLook()) {
    PaintOwnLookFrame();
    return;
  }
  PaintBuffered([&](TDibSurface& buf, TSize size) {
    const TRect client{0, 0, size.Width, size.Height};
    const bool down = BoolProperty(*m_Control, "Down");
    THdcCanvas canvas(buf.Dc());
    canvas.FillRect(client, BackColor(*m_Control, *m_Engine));
    TBitmap frame;
    if (m_Engine->DrawSpeedButtonAsBitBtn()) {
      if (m_Engine->GetBitmap(TSkinBitmapKey::Button, frame,
                              SpeedButtonFrame(down, Pressed(), Hot()), kButtonFrames)) {
        DrawNineSlice(frame, canvas, client, m_Engine->TransColor(),
                      m_Engine->GetBool(TSkinBoolKey::ButtonTrans));
      }
    } else {
      const TToolFace face = down || Pressed() ? TToolFace::Down
                             : Hot()           ? TToolFace::Hot
                                               : TToolFace::Normal;
      PaintToolFace(canvas, *m_Engine, client, face, m_Engine->FormColor());
    }
    ui::TGlyphFace glyph;
    if (const auto value = m_Control->GetProperty("Glyph");
        value && std::holds_alternative<const void*>(*value)) {
      glyph.Glyph = static_cast<HBITMAP>(const_cast<void*>(std::get<const void*>(*value)));
    }
    glyph.NumGlyphs = static_cast<int>(IntProperty(*m_Control, "NumGlyphs", 1));
    glyph.State = !GetEnabled() ? ui::TGlyphState::Disabled
                  : down        ? ui::TGlyphState::Exclusive
                  : Pressed()   ? ui::TGlyphState::Down
                                : ui::TGlyphState::Up;
    glyph.Caption = platform::win32::ToWide(m_Control->Caption());
    glyph.Font = m_Control->FontHandle();
    glyph.TextColor = m_Engine->NoChangeButtonsFontColor()
                          ? m_Control->Font().Color.Resolve()
                          : m_Engine->GetColor(TSkinColorKey::ButtonFontColor);
    glyph.Layout = static_cast<ui::TButtonLayout>(
        IntProperty(*m_Control, "Layout", static_cast<std::int64_t>(ui::TButtonLayout::GlyphLeft)));
    glyph.Margin = static_cast<int>(IntProperty(*m_Control, "Margin", -1));
    glyph.Spacing = static_cast<int>(IntProperty(*m_Control, "Spacing", 4));
    glyph.Shift = down || Pressed() ? 1 : 0;
    const RECT rc{0, 0, size.Width, size.Height};
    ui::DrawGlyphFace(buf.Dc(), rc, glyph);
  });
}

// --- Tool bar

TzelSkinToolBar::TzelSkinToolBar(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd)
    : TzelSkinPaintedControl(AControl, AEngine, ASkinWnd),
      m_OldFlat(BoolProperty(AControl, "Flat")),
      m_OldColor(AControl.Color()),
      m_OldParentColor(AControl.ParentColor()) {}

TzelSkinToolBar::~TzelSkinToolBar() {
  Restore();
}

void TzelSkinToolBar::Restore() {
  if (!m_Changed) return;
  m_Control->SetProperty("Flat", m_OldFlat);
  if (m_OldParentColor) {
    m_Control->SetParentColor(true);
  } else {
    m_Control->SetColor(m_OldColor);
  }
  m_Changed = false;
}

void TzelSkinToolBar::SkinStateChanged() {
  if (!m_Engine->RealActive() || m_Control->Tag() == m_Engine->DisabledTag()) {
    Restore();
    return;
  }
  if (!BoolProperty(*m_Control, "Flat")) m_Control->SetProperty("Flat", true);
  if (!m_Control->ParentColor()) m_Control->SetParentColor(true);
  m_Changed = true;
}

void TzelSkinToolBar::Paint() {
  const HWND h = GetHandle();
  PaintBuffered([&](TDibSurface& buf, TSize size) {
    THdcCanvas canvas(buf.Dc());
    PaintToolBarBack(canvas, *m_Engine, size);
    const HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(h, TB_GETIMAGELIST, 0, 0));
    int iw = 0, ih = 0;
    if (images != nullptr) ImageList_GetIconSize(images, &iw, &ih);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font != nullptr ? SelectObject(buf.Dc(), font) : nullptr;
    const TColor fontColor = m_Engine->GetColor(TSkinColorKey::ButtonFontColor);
    const int hot = static_cast<int>(SendMessageW(h, TB_GETHOTITEM, 0, 0));
    const int count = static_cast<int>(SendMessageW(h, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TBBUTTON button{};
      RECT r{};
      if (!SendMessageW(h, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) continue;
      if (!SendMessageW(h, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) continue;
      if (button.fsStyle & BTNS_SEP) continue;
      const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
      const bool down = (button.fsState & (TBSTATE_CHECKED | TBSTATE_PRESSED)) != 0;
      const TRect rect = ToRect(r);
      PaintToolFace(canvas, *m_Engine, rect,
                    down                  ? TToolFace::Down
                    : i == hot && enabled ? TToolFace::Hot
                                          : TToolFace::Normal,
                    kNoFace);
      const int shift = down ? 1 : 0;
      wchar_t text[128] = {};
      const LRESULT length =
          SendMessageW(h, TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand),
                       reinterpret_cast<LPARAM>(text));
      const bool hasText = length > 0 && length < 128;
      if (images != nullptr && button.iBitmap >= 0) {
        const int x = rect.Left + (rect.Width() - iw) / 2 + shift;
        const int y = (hasText ? rect.Top + 3 : rect.Top + (rect.Height() - ih) / 2) + shift;
        ImageList_Draw(images, button.iBitmap, buf.Dc(), x, y,
                       enabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
      }
      if (hasText) {
        const TRect textRect{rect.Left, rect.Top + 3 + ih, rect.Right, rect.Bottom - 2};
        TTextFormat format;
        format.Centred = true;
        canvas.PaintText(textRect.Moved(shift, shift), ToU16(text),
                         enabled ? fontColor : TColor{0x808080}, format);
      }
    }
    if (oldFont != nullptr) SelectObject(buf.Dc(), oldFont);
  });
}

// --- Status bar

void TzelSkinStatusBar::Paint() {
  const HWND h = GetHandle();
  if ((GetWindowLongPtrW(h, GWL_STYLE) & SBARS_SIZEGRIP) == 0) return;
  const HWND parent = GetAncestor(h, GA_ROOT);
  if (parent != nullptr && IsZoomed(parent)) return;  // no grip on a maximised window
  const TRect grip = SizeGripRect(ClientSize(h), GetSystemMetrics(SM_CXVSCROLL));
  if (grip.Empty()) return;
  TDibSurface buf(grip.Width(), grip.Height());
  if (!buf.Valid()) return;
  THdcCanvas canvas(buf.Dc());
  const TColor own = ColorProperty(m_Control);
  PaintSizeGrip(canvas, {0, 0, grip.Width(), grip.Height()},
                own != kNoColor ? own : m_Engine->FormColor(),
                m_Engine->GetColor(TSkinColorKey::ControlBorderColor), 0x00FFFFFF);
  PaintBitmap(buf, {grip.Left, grip.Top});
}

// --- Group box

void TzelSkinGroupBox::Paint() {
  const HWND h = GetHandle();
  HDC dc = GetDC(h);
  if (dc == nullptr) return;
  {
    HGDIOBJ oldFont = SelectObject(dc, m_Control->FontHandle());
    THdcCanvas canvas(dc);
    TGroupBoxLook look;
    look.Size = ClientSize(h);
    look.Caption = ToU16(platform::win32::ToWide(m_Control->Caption()));
    look.CaptionHeight = canvas.TextExtent(u"Wg").Height;
    look.RightToLeft =
        (GetWindowLongPtrW(h, GWL_EXSTYLE) & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) != 0;
    const TColor own = ColorProperty(m_Control);
    look.ControlColor = own != kNoColor ? own : m_Engine->FormColor();
    PaintGroupBox(canvas, *m_Engine, look);
    SelectObject(dc, oldFont);
  }
  ReleaseDC(h, dc);
}

// --- Native tool bar

void TzelSkinWndToolbarWindow32::Init() {
  // The 9x family sets the top bit of the version.
  if ((GetVersion() & 0x80000000u) == 0) return;
  const LONG_PTR style = GetWindowLongPtrW(m_CtrlWnd, GWL_STYLE);
  SetWindowLongPtrW(m_CtrlWnd, GWL_STYLE, style | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT);
}

}  // namespace skin
