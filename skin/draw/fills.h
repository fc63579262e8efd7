// Plain painting routines of the control and frame painters: gradients,
// control borders and the drop-down arrow.
//
// Thread safety: each call uses only the canvas it is given.
#ifndef QUILLORY_SKIN_DRAW_FILLS_H_
#define QUILLORY_SKIN_DRAW_FILLS_H_

#include "skin/draw/canvas.h"

namespace skin {

// Fills ARect line by line from AColor1 to AColor2: the top line in
// AColor1, the bottom line in AColor2, and each line y between them with
// every channel c1 + trunc((c2 - c1) / height * (y - top - 1)), computed in
// floating point and truncated towards zero. A one-line rectangle is
// AColor1. Nothing happens for an empty rectangle.
void DrawGradientV(TPaintCanvas& ACanvas, const TRect& ARect, TColor AColor1, TColor AColor2);

// As DrawGradientV from the left column to the right one, except that the
// columns between use (x - left) where the lines use (y - top - 1).
void DrawGradientH(TPaintCanvas& ACanvas, const TRect& ARect, TColor AColor1, TColor AColor2);

// A one-pixel frame in ABorderColor just inside ARect (a window's whole
// rectangle) and, when ADrawInner, a second one inside it in AInnerColor.
void DrawControlBorder(TPaintCanvas& ACanvas, const TRect& ARect, TColor ABorderColor,
                       TColor AInnerColor, bool ADrawInner);

// Size of the drop-down arrow: rows of 7, 5, 3 and 1 pixels, centred.
inline constexpr TSize kDropArrowSize{7, 4};

// The downward triangle of a drop-down button with its top-left corner at
// (AX, AY): black when AEnabled; otherwise a white copy one pixel right and
// down, then the arrow in grey (0x808080).
void DrawDropArrow(TPaintCanvas& ACanvas, int AX, int AY, bool AEnabled);

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_FILLS_H_
