// The skinned scroll bars laid over a control's own ones: where an overlay
// goes, the bar's arrows and thumb, and the painting from the skin's
// scroll-bar images (TzelSkinScrollBtnRes). Which controls get overlays at
// all is decided here too, from the control's class and ancestry.
//
// Positions along a bar are measured from the bar's start (its top, or its
// left for a horizontal bar), as the system reports the thumb.
//
// Thread safety: pure functions, except that the painter draws on the
// canvas it is given.
#ifndef QUILLORY_SKIN_CONTROLS_PAINT_SCROLL_BAR_H_
#define QUILLORY_SKIN_CONTROLS_PAINT_SCROLL_BAR_H_

#include <optional>
#include <span>

#include "skin/controls/skin_source.h"
#include "skin/draw/canvas.h"
#include "skin/reader/zel_skin_res.h"
#include "ui/widget_class.h"

namespace skin {

enum class TScrollDir { Vertical, Horizontal };

// Bars thicker than this keep their own look.
inline constexpr int kMaxOverlayThickness = 100;

// The overlay's bounds over a system scroll bar whose rectangle, in the
// parent's client coordinates, is ABar; nothing when the bar is invisible,
// ABar is empty or inverted, or the bar is more than kMaxOverlayThickness
// thick (its width when vertical, its height when horizontal).
std::optional<TRect> OverlayBounds(const TRect& ABar, bool AVisible, TScrollDir ADir);

// The corner square between a shown vertical bar AV and a shown horizontal
// bar AH (same coordinates): AV's columns, AH's rows.
inline TRect ScrollCorner(const TRect& AV, const TRect& AH) {
  return {AV.Left, AH.Top, AV.Right, AH.Bottom};
}

// A bar as the painter sees it.
struct TScrollBarLook {
  TScrollDir Dir = TScrollDir::Vertical;
  TSize Size;  // the whole bar
  bool Enabled = true;
  int ThumbTop = 0;  // the thumb's start and end along the bar
  int ThumbBottom = 0;
};

// The bar's parts in its own coordinates. The arrows are squares as long as
// the bar is thick, shorter (half the bar each) when the bar cannot hold
// two; the thumb is the look's, cut to the track between the arrows, and
// empty when the bar is disabled or the thumb has no length there.
struct TScrollBarParts {
  TRect First;   // up or left arrow
  TRect Second;  // down or right arrow
  TRect Thumb;
};
TScrollBarParts ScrollBarParts(const TScrollBarLook& ALook);

// Paints the bar: the background in "SKIN2_SCROLLBARCOLOR", the arrows from
// the first frames of the button images, and the thumb: in the whole-thumb
// style, when longer than 15 pixels, the whole image three-sliced along the
// thumb; otherwise the start cap at the thumb's start and the end cap at its
// end (the end cap's middle rows when the thumb is shorter than the cap),
// the two bodies stretched between and the grip unscaled in the middle when
// it fits between the caps, else stretched over the thumb inset 3 pixels.
// Every piece spans the bar's thickness. Resampling is nearest-pixel, so
// the result is the same on every canvas.
void PaintScrollBar(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin,
                    const TzelSkinScrollBtnRes& ARes, const TScrollBarLook& ALook);

// Whether a control of AClass gets overlay scroll bars. AAncestors are the
// classes of its parents, the nearest first. None for single-line edits
// (AMultiLine false on an edit), mask edits and spin edits, and none for a
// control inside one or more plain panels whose nearest other ancestor is a
// tab page.
bool WantsOverlayScrollBars(const ui::TWidgetClass& AClass, bool AMultiLine,
                            std::span<const ui::TWidgetClass* const> AAncestors);

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_PAINT_SCROLL_BAR_H_
