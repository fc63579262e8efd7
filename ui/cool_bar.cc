#include "ui/cool_bar.h"

#include <commctrl.h>

#include "platform/win32/wide.h"

namespace ui {

TCoolBar::TCoolBar(const TWidgetArgs& AArgs) : TWidget(AArgs) {
  CreateHandle(REBARCLASSNAMEW,
               WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | CCS_NORESIZE | CCS_NOPARENTALIGN |
                   CCS_NODIVIDER | RBS_VARHEIGHT | RBS_BANDBORDERS,
               WS_EX_CONTROLPARENT);
  REBARINFO info{sizeof info, 0, nullptr};
  Perform(RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
}

void TCoolBar::AddBand(TWidget& AChild, const std::string& ACaption, int AWidth, bool ABreak) {
  const RECT bounds = AChild.BoundsRect();
  std::wstring text = platform::win32::ToWide(ACaption);
  REBARBANDINFOW band{};
  band.cbSize = sizeof band;
  band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE | RBBIM_TEXT;
  band.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS | (ABreak ? RBBS_BREAK : 0);
  band.lpText = text.data();
  band.hwndChild = AChild.Handle();
  band.cxMinChild = 0;
  band.cyMinChild = bounds.bottom - bounds.top;
  band.cx = AWidth > 0 ? AWidth : bounds.right - bounds.left + 20;
  Perform(RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
  // The bar is as high as its rows of bands: it paints nothing below them.
  const RECT bar = BoundsRect();
  const int height = static_cast<int>(Perform(RB_GETBARHEIGHT));
  if (height > 0) SetBounds(bar.left, bar.top, bar.right - bar.left, height);
}

int TCoolBar::BandCount() const {
  return static_cast<int>(SendMessageW(Handle(), RB_GETBANDCOUNT, 0, 0));
}

bool TCoolBar::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Flat") {
    AValue = false;
  } else if (name == "EdgeBorders") {
    AValue = int64_t{0};
  } else if (name == "Images") {
    AValue = static_cast<const void*>(nullptr);
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TCoolBar::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Flat" || name == "EdgeBorders" || name == "Images") return false;
  return TWidget::WriteProperty(AInfo, AValue);
}

}  // namespace ui
