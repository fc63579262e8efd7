#include "skin/controls/paint_header.h"

#include <algorithm>

#include "skin/draw/ellipsis_text.h"

namespace skin {

void PaintHeader(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize,
                 std::span<const THeaderItem> AItems) {
  if (ASize.Width <= 0 || ASize.Height <= 0) return;
  const TColor border = ASkin.GetColor(TSkinColorKey::ControlBorderColor);
  const TColor font = ASkin.GetColor(TSkinColorKey::ControlFontColor);
  ACanvas.FillRect({0, 0, ASize.Width, ASize.Height}, ASkin.GetColor(TSkinColorKey::ControlColor));
  const int bottom = ASize.Height - 1;
  for (const THeaderItem& item : AItems) {
    if (item.Rect.Empty()) continue;
    ACanvas.FillRect({item.Rect.Right - 1, item.Rect.Top, item.Rect.Right, item.Rect.Bottom},
                     border);
    const int width = item.Rect.Width() - 2 * kHeaderTextPadding;
    if (width <= 0 || item.Text.empty()) continue;
    const std::u16string text = EllipsisText(ACanvas, item.Text, width);
    if (text.empty()) continue;
    const TSize extent = ACanvas.TextExtent(text);
    const int cellBottom = std::min(item.Rect.Bottom, bottom);
    const int top = item.Rect.Top + (cellBottom - item.Rect.Top - extent.Height) / 2;
    const int left = item.Rect.Left + kHeaderTextPadding;
    ACanvas.PaintText({left, top, left + width, top + extent.Height}, text, font, {});
  }
  ACanvas.FillRect({0, bottom, ASize.Width, ASize.Height}, border);
}

}  // namespace skin
