#include "skin/menu/menu_item_paint.h"

#include <algorithm>

#include "skin/draw/fills.h"

namespace skin {
namespace {

// Mirrors horizontal positions inside an item for right-to-left menus.
struct TMirror {
  const TRect& Item;
  bool On;
  TRect operator()(const TRect& ARect) const {
    if (!On) return ARect;
    return {Item.Left + Item.Right - ARect.Right, ARect.Top, Item.Left + Item.Right - ARect.Left,
            ARect.Bottom};
  }
};

// The image column as the menu's left bar: from colour 6 at the outer edge
// to colour 7 next to the items' background.
void LeftBar(TPaintCanvas& ACanvas, const TRect& AColumn, const TMenuPalette& APalette,
             bool ARightToLeft) {
  const TColor outer = APalette.Colors[kLeftBarStart], inner = APalette.Colors[kLeftBarEnd];
  DrawGradientH(ACanvas, AColumn, ARightToLeft ? inner : outer, ARightToLeft ? outer : inner);
}

// A filled dot of 6 by 6 pixels with cut corners: the mark of a checked
// radio item.
void Bullet(TPaintCanvas& ACanvas, int AX, int AY, TColor AColor) {
  ACanvas.FillRect({AX + 1, AY, AX + 5, AY + 6}, AColor);
  ACanvas.FillRect({AX, AY + 1, AX + 6, AY + 5}, AColor);
}

// A triangle pointing away from the text (right, or left when mirrored):
// columns of 7, 5, 3 and 1 pixels.
void SubmenuArrow(TPaintCanvas& ACanvas, int AX, int AY, bool APointsLeft, TColor AColor) {
  for (int i = 0; i < 4; ++i) {
    const int x = APointsLeft ? AX + 3 - i : AX + i;
    ACanvas.FillRect({x, AY + i, x + 1, AY + 7 - i}, AColor);
  }
}

}  // namespace

std::u16string VisibleCaption(std::u16string_view ACaption) {
  std::u16string out;
  for (size_t i = 0; i < ACaption.size(); ++i) {
    if (ACaption[i] == u'&') {
      if (i + 1 < ACaption.size() && ACaption[i + 1] == u'&') out += u'&', ++i;
      continue;
    }
    out += ACaption[i];
  }
  return out;
}

int MenuImageColumnWidth(const TMenuItemView& AItem) {
  return AItem.HasOwnImageList ? AItem.ImageListSize.Width + 10 : 26;
}

TSize MeasureMenuItem(TPaintCanvas& ACanvas, const TMenuItemView& AItem) {
  const std::u16string caption = VisibleCaption(AItem.Caption);
  const TSize text = ACanvas.TextExtent(caption);
  const int shortcut = AItem.ShortCut.empty() ? 0 : ACanvas.TextExtent(AItem.ShortCut).Width;
  const int width = text.Width + shortcut + 66;
  if (IsSeparator(AItem)) return {width, 5};
  int height = std::max(text.Height, 21);
  if (AItem.HasOwnImageList) height = std::max(height, AItem.ImageListSize.Height + 5);
  return {width, height};
}

void DrawMenuItem(TPaintCanvas& ACanvas, const TRect& ARect, const TMenuItemView& AItem,
                  const TMenuPalette& APalette) {
  if (ARect.Empty()) return;
  const TMirror mirror{ARect, AItem.RightToLeft};
  const int column = MenuImageColumnWidth(AItem);
  const TRect columnRect{ARect.Left, ARect.Top, std::min(ARect.Left + column, ARect.Right),
                         ARect.Bottom};
  const TRect restRect{columnRect.Right, ARect.Top, ARect.Right, ARect.Bottom};

  if (IsSeparator(AItem)) {
    LeftBar(ACanvas, mirror(columnRect), APalette, AItem.RightToLeft);
    ACanvas.FillRect(mirror(restRect), APalette.Colors[kItemBackground]);
    const TRect line{columnRect.Right + 4, ARect.Top + 2, ARect.Right - 2, ARect.Top + 3};
    ACanvas.FillRect(mirror(line), kSeparatorLineColor);
    return;
  }

  const bool highlighted = AItem.Selected && AItem.Enabled;
  if (highlighted) {
    ACanvas.FillRect(ARect, APalette.Colors[kItemSelected]);
    DrawControlBorder(ACanvas, ARect, APalette.Colors[kItemSelectedBorder], 0, false);
  } else {
    LeftBar(ACanvas, mirror(columnRect), APalette, AItem.RightToLeft);
    ACanvas.FillRect(mirror(restRect), APalette.Colors[kItemBackground]);
  }
  const TColor font = !AItem.Enabled   ? APalette.DisabledFontColor
                      : AItem.Selected ? APalette.Colors[kItemSelectedFont]
                                       : APalette.Colors[kItemFont];

  // The picture area: 4 pixels from the column's outer edge, 3 from the top.
  const TSize imageSize = AItem.HasOwnImageList ? AItem.ImageListSize : TSize{16, 16};
  const TRect imageRect =
      TRect::Sized(ARect.Left + 4, ARect.Top + 3, imageSize.Width, imageSize.Height);
  const TMenuItemPicture& picture = AItem.Picture;
  if (picture.Image) {
    if (AItem.Checked) {
      const TRect box = imageRect.Inset(-1, -1);
      ACanvas.FillRect(mirror(box), APalette.Colors[kItemBackground]);
      DrawControlBorder(ACanvas, mirror(box), 0x00000000, 0, false);
    }
    const TRect source = picture.Source.Empty() ? BoundsOf(*picture.Image) : picture.Source;
    const TRect dest = AItem.OwnBitmap ? TRect::Sized(imageRect.Left, imageRect.Top, 16, 16)
                                       : TRect::Sized(imageRect.Left, imageRect.Top, source.Width(),
                                                      source.Height());
    if (picture.Masked) {
      ACanvas.DrawBitmapMasked(mirror(dest), *picture.Image, source, picture.TransColor);
    } else {
      ACanvas.DrawBitmap(mirror(dest), *picture.Image, source, TStretchMode::Nearest);
    }
  } else if (AItem.Checked && AItem.Radio) {
    const TRect dot =
        TRect::Sized(ARect.Left + (column - 6) / 2, ARect.Top + (ARect.Height() - 6) / 2, 6, 6);
    const TRect at = mirror(dot);
    Bullet(ACanvas, at.Left, at.Top, font);
  } else if (AItem.Checked && APalette.CheckGlyph) {
    const TBitmap& glyph = *APalette.CheckGlyph;
    const TRect at = TRect::Sized(ARect.Left + (column - glyph.Width()) / 2,
                                  ARect.Top + (ARect.Height() - glyph.Height()) / 2, glyph.Width(),
                                  glyph.Height());
    ACanvas.DrawBitmapMasked(mirror(at), glyph, BoundsOf(glyph), APalette.CheckTransColor);
  }

  const std::u16string caption = VisibleCaption(AItem.Caption);
  const TSize text = ACanvas.TextExtent(caption);
  const int textTop = ARect.Top + (ARect.Height() - text.Height) / 2;
  const TRect captionRect{columnRect.Right + 4, textTop, columnRect.Right + 4 + text.Width,
                          textTop + text.Height};
  ACanvas.PaintText(mirror(captionRect), caption, font, {});
  if (!AItem.ShortCut.empty()) {
    const TSize shortcut = ACanvas.TextExtent(AItem.ShortCut);
    const TRect shortcutRect{ARect.Right - 16 - shortcut.Width, textTop, ARect.Right - 16,
                             textTop + shortcut.Height};
    ACanvas.PaintText(mirror(shortcutRect), AItem.ShortCut, font, {});
  }
  if (AItem.HasSubmenu) {
    const TRect arrow = TRect::Sized(ARect.Right - 10, ARect.Top + (ARect.Height() - 7) / 2, 4, 7);
    const TRect at = mirror(arrow);
    SubmenuArrow(ACanvas, at.Left, at.Top, AItem.RightToLeft, font);
  }
}

}  // namespace skin
