#include "skin/controls/win32/skin_tabs.h"

// after windows.h
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/draw/state_frames.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"

namespace skin {
namespace {

TRect RectOf(const RECT& ARect) {
  return {ARect.left, ARect.top, ARect.right, ARect.bottom};
}

// The pixels of ASurface as a portable bitmap.
TBitmap BitmapOf(const TDibSurface& ASurface) {
  GdiFlush();
  TBitmap out(ASurface.Width(), ASurface.Height());
  const std::uint32_t* bits = ASurface.Bits();
  for (int y = 0; y < ASurface.Height(); ++y) {
    TColor* row = out.Row(y);
    for (int x = 0; x < ASurface.Width(); ++x) {
      row[x] = ColorOfDibPixel(bits[y * ASurface.Width() + x]);
    }
  }
  return out;
}

struct TTabItem {
  std::u16string Caption;
  int Image = -1;
};

TTabItem ItemOf(HWND ATab, int AIndex) {
  wchar_t text[260] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text;
  item.cchTextMax = 260;
  item.iImage = -1;
  TTabItem out;
  if (SendMessageW(ATab, TCM_GETITEMW, AIndex, reinterpret_cast<LPARAM>(&item))) {
    out.Caption.assign(text, text + lstrlenW(text));
    out.Image = item.iImage;
  }
  return out;
}

// Draws AItem's image and caption centred in ARect of ACanvas (an upright
// tab, or a bottom tab in place).
void DrawCaption(THdcCanvas& ACanvas, const TRect& ARect, const TTabItem& AItem, HIMAGELIST AImages,
                 TColor AColor) {
  TSize image{};
  if (AImages != nullptr && AItem.Image >= 0) {
    int w = 0, h = 0;
    ImageList_GetIconSize(AImages, &w, &h);
    image = {w, h};
  }
  const TSize text = AItem.Caption.empty() ? TSize{} : ACanvas.TextExtent(AItem.Caption);
  const TTabCaptionPlace place = PlaceTabCaption({ARect.Width(), ARect.Height()}, text, image);
  if (image.Width > 0) {
    ImageList_Draw(AImages, AItem.Image, ACanvas.Dc(), ARect.Left + place.Image.X,
                   ARect.Top + place.Image.Y, ILD_TRANSPARENT);
  }
  if (!AItem.Caption.empty()) {
    ACanvas.PaintText(place.Text.Moved(ARect.Left, ARect.Top), AItem.Caption, AColor, {});
  }
}

}  // namespace

TTabSide TabSideOf(HWND ATab) {
  const LONG_PTR style = GetWindowLongPtrW(ATab, GWL_STYLE);
  if (style & TCS_VERTICAL) return (style & TCS_RIGHT) ? TTabSide::Right : TTabSide::Left;
  return (style & TCS_BOTTOM) ? TTabSide::Bottom : TTabSide::Top;
}

void PaintSkinnedTabs(HWND ATab, HDC ADc, const TzelSkinHost& AEngine) {
  RECT rc{};
  ::GetClientRect(ATab, &rc);
  if (rc.right <= 0 || rc.bottom <= 0) return;
  TDibSurface buf(rc.right, rc.bottom, ADc);
  if (!buf.Valid()) return;
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(ATab, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont =
      SelectObject(buf.Dc(), font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  THdcCanvas canvas(buf.Dc());
  canvas.FillRect({0, 0, rc.right, rc.bottom}, AEngine.FormColor());
  RECT display = rc;
  TabCtrl_AdjustRect(ATab, FALSE, &display);
  const TRect page = TabPageRect(RectOf(display));
  PaintTabPage(canvas, AEngine, page);

  const TTabSide side = TabSideOf(ATab);
  const HIMAGELIST images = TabCtrl_GetImageList(ATab);
  const int count = TabCtrl_GetItemCount(ATab);
  const int selected = TabCtrl_GetCurSel(ATab);
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!TabCtrl_GetItemRect(ATab, i, &r) || IsRectEmpty(&r)) continue;
    const TRect tab = RectOf(r);
    const bool isSelected = i == selected;
    const TTabItem item = ItemOf(ATab, i);
    const TColor fontColor = TabFontColor(AEngine, isSelected);
    const TSize upright = UprightTabSize(tab, side);
    TDibSurface face(upright.Width, upright.Height, ADc);
    if (!face.Valid()) continue;
    const HGDIOBJ faceFont = SelectObject(face.Dc(), GetCurrentObject(buf.Dc(), OBJ_FONT));
    THdcCanvas faceCanvas(face.Dc());
    faceCanvas.FillRect({0, 0, upright.Width, upright.Height}, AEngine.FormColor());
    PaintTabFace(faceCanvas, AEngine, upright, isSelected);
    // Bottom tabs keep their caption readable: it goes on after the turn.
    if (side != TTabSide::Bottom) {
      DrawCaption(faceCanvas, {0, 0, upright.Width, upright.Height}, item, images, fontColor);
    }
    SelectObject(face.Dc(), faceFont);
    const TBitmap turned = TurnToSide(BitmapOf(face), side);
    canvas.DrawBitmap(tab, turned, BoundsOf(turned), TStretchMode::Nearest);
    if (side == TTabSide::Bottom) DrawCaption(canvas, tab, item, images, fontColor);
  }
  PaintTabLine(canvas, AEngine, page, side);
  SelectObject(buf.Dc(), oldFont);

  // The control's child windows (pages, scroll arrows) paint themselves.
  const int saved = SaveDC(ADc);
  for (HWND child = GetWindow(ATab, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT cr{};
    GetWindowRect(child, &cr);
    MapWindowPoints(nullptr, ATab, reinterpret_cast<POINT*>(&cr), 2);
    ExcludeClipRect(ADc, cr.left, cr.top, cr.right, cr.bottom);
  }
  buf.CopyTo(ADc, 0, 0);
  RestoreDC(ADc, saved);
}

namespace {

// Owner-painted: WM_PAINT goes to AOwnerPaint, WM_ERASEBKGND is answered
// without erasing; everything else reaches the control.
bool PassUnlessPaint(TSkinMessage& AMessage,
                     const std::function<void(TSkinMessage&)>& AOwnerPaint) {
  switch (AMessage.Msg) {
    case WM_PAINT:
      AOwnerPaint(AMessage);
      return false;
    case WM_ERASEBKGND:
      AMessage.Result = 1;
      return false;
    default:
      return true;
  }
}

// PaintSkinnedTabs on APaintDc, or on the window's DC outside WM_PAINT.
void PaintTabsOn(HWND ATab, HDC APaintDc, const TzelSkinHost& AEngine) {
  HDC dc = APaintDc != nullptr ? APaintDc : GetDC(ATab);
  if (dc == nullptr) return;
  PaintSkinnedTabs(ATab, dc, AEngine);
  if (APaintDc == nullptr) ReleaseDC(ATab, dc);
}

}  // namespace

// --- Toolkit tab and page controls

bool TzelSkinTabControl::PreProcess(TSkinMessage& AMessage) {
  return PassUnlessPaint(AMessage, [this](TSkinMessage& APaint) { OwnerPaint(APaint); });
}

void TzelSkinTabControl::Paint() {
  PaintTabsOn(GetHandle(), PaintDc(), *m_Engine);
}

// --- Native tab controls

TzelSkinWndTabControl::~TzelSkinWndTabControl() {
  RestoreTabHeight();
}

bool TzelSkinWndTabControl::PreProcess(TSkinMessage& AMessage) {
  return PassUnlessPaint(AMessage, [this](TSkinMessage& APaint) { OwnerPaint(APaint); });
}

void TzelSkinWndTabControl::Paint() {
  PaintTabsOn(m_CtrlWnd, PaintDc(), *m_Engine);
}

void TzelSkinWndTabControl::RestoreTabHeight() {
  if (m_OldTabHeight == 0 || !IsWindow(m_CtrlWnd)) {
    m_OldTabHeight = 0;
    return;
  }
  // Through the saved procedure: the wrapper may be inactive or going.
  CallOld({TCM_SETITEMSIZE, 0, MAKELPARAM(m_OldTabWidth, m_OldTabHeight)});
  m_OldTabHeight = 0;
  InvalidateRect(m_CtrlWnd, nullptr, TRUE);
}

void TzelSkinWndTabControl::SkinStateChanged() {
  if (!m_Engine->RealActive()) {
    RestoreTabHeight();
    return;
  }
  TBitmap frame;
  if (!m_Engine->GetBitmap(TSkinBitmapKey::TabControl, frame, TabFrame(true), kTabFrames) ||
      frame.Height() <= 0) {
    return;
  }
  const LRESULT old = CallOld({TCM_SETITEMSIZE, 0, MAKELPARAM(0, frame.Height())});
  if (m_OldTabHeight == 0) {
    m_OldTabWidth = LOWORD(old);
    m_OldTabHeight = HIWORD(old);
  }
  // The width only counts for fixed-width tabs: keep the control's own.
  CallOld({TCM_SETITEMSIZE, 0, MAKELPARAM(m_OldTabWidth, frame.Height())});
  InvalidateRect(m_CtrlWnd, nullptr, TRUE);
}

}  // namespace skin
