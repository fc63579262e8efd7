// The up-down control's skinned halves: which half a press hit, and the
// outlines painted over the control's own arrows.
//
// Thread safety: pure functions, except that the painter draws on the
// canvas it is given.
#ifndef QUILLORY_SKIN_CONTROLS_PAINT_UPDOWN_H_
#define QUILLORY_SKIN_CONTROLS_PAINT_UPDOWN_H_

#include "skin/controls/skin_source.h"
#include "skin/draw/canvas.h"

namespace skin {

// -1 the first half (top, or left when horizontal), 1 the second, 0 when
// APoint is outside ASize. Halves split at half the height (vertical) or
// half the width (horizontal), truncated towards zero.
int UpDownHalf(TPoint APoint, TSize ASize, bool AVertical);

// The rectangle of half AHalf (-1 or 1).
TRect UpDownHalfRect(TSize ASize, bool AVertical, int AHalf);

// Outlines both halves in "SKIN2_TOOLBARBORDERCOLOR"; the pressed half
// (APressedHalf -1 or 1; 0 none) gets a second outline inside it in
// "SKIN2_TOOLBARDOWNCOLOR".
void PaintUpDownHalves(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize,
                       bool AVertical, int APressedHalf);

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_PAINT_UPDOWN_H_
