#include "skin/menu/menu_bar_layout.h"

#include <algorithm>

#include "skin/draw/fills.h"

namespace skin {
namespace {

int PictureWidth(const TMenuBarItem& AItem) {
  if (!AItem.Picture.Image) return 0;
  const TRect source =
      AItem.Picture.Source.Empty() ? BoundsOf(*AItem.Picture.Image) : AItem.Picture.Source;
  return source.Width() + 2;
}

}  // namespace

TMenuBarLayout LayoutMenuBar(TPaintCanvas& ACanvas, const std::vector<TMenuBarItem>& AItems,
                             int ABarWidth) {
  TMenuBarLayout layout;
  if (AItems.empty()) return layout;
  std::vector<int> widths;
  int textHeight = 0;
  for (const TMenuBarItem& item : AItems) {
    const TSize text = ACanvas.TextExtent(VisibleCaption(item.Caption));
    widths.push_back(text.Width + 2 * kMenuBarButtonPadding + PictureWidth(item));
    textHeight = std::max(textHeight, text.Height);
  }
  layout.RowHeight = std::max(textHeight + 6, kMenuBarMinRowHeight);
  int x = 0, row = 0;
  for (int width : widths) {
    if (x > 0 && x + width > ABarWidth) x = 0, ++row;
    layout.Buttons.push_back(TRect::Sized(x, row * layout.RowHeight, width, layout.RowHeight));
    x += width;
  }
  layout.Height = (row + 1) * layout.RowHeight;
  return layout;
}

int MenuBarHitTest(const TMenuBarLayout& ALayout, TPoint APoint) {
  for (size_t i = 0; i < ALayout.Buttons.size(); ++i) {
    const TRect& r = ALayout.Buttons[i];
    if (APoint.X >= r.Left && APoint.X < r.Right && APoint.Y >= r.Top && APoint.Y < r.Bottom) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

TPoint MenuBarLabelOrigin(const TRect& AButton, const TMenuBarItem& AItem, TSize ATextSize) {
  return {AButton.Left + kMenuBarButtonPadding + PictureWidth(AItem),
          AButton.Top + 2 + (AButton.Height() - 4 - ATextSize.Height) / 2};
}

void PaintMenuBar(TPaintCanvas& ACanvas, const TRect& ABar, const TMenuBarLayout& ALayout,
                  const std::vector<TMenuBarItem>& AItems, const TMenuBarPaintState& AState,
                  const TMenuPalette& APalette, const TBitmap* AMenuBarImage) {
  const TColor start = APalette.Colors[kMenuBarStart], end = APalette.Colors[kMenuBarEnd];
  if (AMenuBarImage && AMenuBarImage->Width() > 0 && AMenuBarImage->Height() > 0) {
    ACanvas.DrawBitmap(ABar, *AMenuBarImage, BoundsOf(*AMenuBarImage), TStretchMode::Nearest);
  } else if (start == end) {
    ACanvas.FillRect(ABar, start);
  } else {
    DrawGradientV(ACanvas, ABar, start, end);
  }
  const size_t count = std::min(AItems.size(), ALayout.Buttons.size());
  for (size_t i = 0; i < count; ++i) {
    const TMenuBarItem& item = AItems[i];
    const TRect button = ALayout.Buttons[i].Moved(ABar.Left, ABar.Top);
    TColor font = item.Enabled ? APalette.Colors[kTopFont] : 0x00808080;
    if (static_cast<int>(i) == AState.Hot) {
      ACanvas.FillRect(button, APalette.Colors[kTopSelected]);
      DrawControlBorder(ACanvas, button, APalette.Colors[kTopSelectedBorder], 0, false);
      font = APalette.Colors[kTopSelectedFont];
    }
    if (item.Picture.Image) {
      const TMenuItemPicture& p = item.Picture;
      const TRect source = p.Source.Empty() ? BoundsOf(*p.Image) : p.Source;
      const TRect dest =
          TRect::Sized(button.Left + 2, button.Top + 2, source.Width(), source.Height());
      if (p.Masked) {
        ACanvas.DrawBitmapMasked(dest, *p.Image, source, p.TransColor);
      } else {
        ACanvas.DrawBitmap(dest, *p.Image, source, TStretchMode::Nearest);
      }
    }
    const std::u16string caption = VisibleCaption(item.Caption);
    const TSize text = ACanvas.TextExtent(caption);
    const TPoint at = MenuBarLabelOrigin(button, item, text);
    ACanvas.PaintText(TRect::Sized(at.X, at.Y, text.Width, text.Height), caption, font, {});
  }
}

}  // namespace skin
