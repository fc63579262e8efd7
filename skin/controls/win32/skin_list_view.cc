#include "skin/controls/win32/skin_list_view.h"

// after windows.h
#include <commctrl.h>

#include <vector>

#include "skin/controls/paint_header.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"

namespace skin {
namespace {

// The wrapper of a subclassed header, and the procedure the header had;
// the second stays when the header cannot be given its procedure back.
constexpr wchar_t kSelfProp[] = L"QuillorySkinListView";
constexpr wchar_t kOldProcProp[] = L"QuillorySkinHeaderProc";

std::vector<THeaderItem> HeaderItems(HWND AHeader) {
  std::vector<THeaderItem> items;
  const int count = static_cast<int>(SendMessageW(AHeader, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    SendMessageW(AHeader, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    wchar_t text[260] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 260;
    SendMessageW(AHeader, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    std::u16string caption;
    for (const wchar_t* p = item.pszText ? item.pszText : text; *p; ++p) {
      caption.push_back(static_cast<char16_t>(*p));
    }
    items.push_back({{r.left, r.top, r.right, r.bottom}, std::move(caption)});
  }
  return items;
}

}  // namespace

TzelSkinListView::~TzelSkinListView() {
  m_Destroying = true;
  // A list view that is going takes its header with it.
  if (!m_Control->Destroying() && IsWindow(m_Handle)) {
    ReleaseHeader();
    if (IsWindow(m_Header)) InvalidateRect(m_Header, nullptr, TRUE);
  }
}

void TzelSkinListView::Init() {
  TzelSkinScrollWinControl::Init();
  HookHeader();
}

void TzelSkinListView::AfterProcess(TSkinMessage& AMessage) {
  // A list view made anew has a new header.
  if (AMessage.Msg == ui::CM_RECREATEWND && m_Control->Handle() != m_Handle) {
    if (IsWindow(m_Header)) ReleaseHeader();
    HookHeader();
  }
  TzelSkinScrollWinControl::AfterProcess(AMessage);
}

void TzelSkinListView::HookHeader() {
  m_Handle = m_Control->Handle();
  m_Header = reinterpret_cast<HWND>(SendMessageW(m_Handle, LVM_GETHEADER, 0, 0));
  if (!IsWindow(m_Header)) {
    m_Header = nullptr;
    return;
  }
  SetPropW(m_Header, kSelfProp, this);
  m_OldProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      m_Header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TzelSkinListView::HeaderProc)));
  SetPropW(m_Header, kOldProcProp, reinterpret_cast<HANDLE>(m_OldProc));
}

void TzelSkinListView::ReleaseHeader() {
  if (!IsWindow(m_Header)) return;
  RemovePropW(m_Header, kSelfProp);
  if (GetWindowLongPtrW(m_Header, GWLP_WNDPROC) ==
      reinterpret_cast<LONG_PTR>(&TzelSkinListView::HeaderProc)) {
    SetWindowLongPtrW(m_Header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OldProc));
    RemovePropW(m_Header, kOldProcProp);
  }
  // Otherwise someone hooked the header after us: our procedure stays in
  // the chain and passes everything on.
}

void TzelSkinListView::SkinStateChanged() {
  TzelSkinScrollWinControl::SkinStateChanged();
  if (m_Header != nullptr) InvalidateRect(m_Header, nullptr, TRUE);
}

bool TzelSkinListView::Skinning() const {
  return !m_Destroying && !Engine().BeingDestroyed() && Engine().RealActive() &&
         m_Control->Tag() != Engine().DisabledTag();
}

void TzelSkinListView::PaintHeaderNow(HDC ADc) {
  RECT rc{};
  ::GetClientRect(m_Header, &rc);
  if (rc.right <= 0 || rc.bottom <= 0) return;
  TDibSurface buf(rc.right, rc.bottom);
  if (!buf.Valid()) return;
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(m_Header, WM_GETFONT, 0, 0));
  HGDIOBJ old = font != nullptr ? SelectObject(buf.Dc(), font) : nullptr;
  THdcCanvas canvas(buf.Dc());
  const std::vector<THeaderItem> items = HeaderItems(m_Header);
  PaintHeader(canvas, Engine(), {rc.right, rc.bottom}, items);
  if (old != nullptr) SelectObject(buf.Dc(), old);
  HDC dc = ADc != nullptr ? ADc : GetDC(m_Header);
  if (dc == nullptr) return;
  buf.CopyTo(dc, 0, 0);
  if (ADc == nullptr) ReleaseDC(m_Header, dc);
}

LRESULT CALLBACK TzelSkinListView::HeaderProc(HWND AWindow, UINT AMessage, WPARAM AWParam,
                                              LPARAM ALParam) {
  if (auto* self = static_cast<TzelSkinListView*>(GetPropW(AWindow, kSelfProp))) {
    return self->HeaderMessage(AMessage, AWParam, ALParam);
  }
  auto old = reinterpret_cast<WNDPROC>(GetPropW(AWindow, kOldProcProp));
  if (AMessage == WM_NCDESTROY) RemovePropW(AWindow, kOldProcProp);
  return old != nullptr ? CallWindowProcW(old, AWindow, AMessage, AWParam, ALParam)
                        : DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
}

LRESULT TzelSkinListView::HeaderMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  const HWND header = m_Header;
  const WNDPROC old = m_OldProc;
  if (AMessage == WM_NCDESTROY) {
    ReleaseHeader();
    m_Header = nullptr;
    return CallWindowProcW(old, header, AMessage, AWParam, ALParam);
  }
  if (Skinning()) {
    switch (AMessage) {
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(header, &ps);
        PaintHeaderNow(dc);
        EndPaint(header, &ps);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      case HDM_SETITEMW:
      case HDM_SETITEMA: {
        const LRESULT result = CallWindowProcW(old, header, AMessage, AWParam, ALParam);
        if (Skinning() && IsWindow(header)) PaintHeaderNow();
        return result;
      }
      default:
        break;
    }
  }
  return CallWindowProcW(old, header, AMessage, AWParam, ALParam);
}

}  // namespace skin
