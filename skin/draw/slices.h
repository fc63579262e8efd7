// Drawing skin images stretched over a rectangle with their ends or
// corners kept unscaled: the nine-, three-slice and three-frame routines
// the control and frame painters share.
//
// Thread safety: each call uses only the canvas and bitmap it is given.
#ifndef QUILLORY_SKIN_DRAW_SLICES_H_
#define QUILLORY_SKIN_DRAW_SLICES_H_

#include "skin/draw/canvas.h"

namespace skin {

// Draws ABitmap over ARect keeping its corners unscaled. With source width
// w and target width W (heights alike): the left corner is the source's
// columns 0..w/2-1, the right corner its last w/2-1 columns; each is drawn
// at its corner of ARect, cut to the target's own quarter (W/2 columns on
// the left, W/2-1 on the right), keeping the part nearest the corner. The
// source's columns between the corners are stretched over the target's
// columns between the drawn corners; rows likewise, so that the edges are
// stretched along one axis and the centre along both. Corners are drawn
// masked with ATransColor when ATransparent, plainly otherwise; edges and
// centre always plainly. Nothing is drawn for an empty ARect or bitmap.
void DrawNineSlice(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect,
                   TColor ATransColor, bool ATransparent);

// Draws ABitmap over ARect: its first and last AEndWidth columns unscaled
// at the two ends (each cut to ARect's width, keeping the outer part), the
// columns between stretched (halftone) over the rest; every part takes
// ARect's height. Nothing is drawn when ARect is empty or its left edge is
// negative.
void DrawThreeSliceH(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect,
                     int AEndWidth);

// DrawThreeSliceH turned on its side: the first and last AEndHeight rows
// unscaled, the rows between stretched; every part takes ARect's width. An
// AEndHeight of 0 means a third of the bitmap's height. Nothing is drawn
// when ARect is empty or its top edge is negative.
void DrawThreeSliceV(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect,
                     int AEndHeight);

// Cuts ABitmap into three columns of width w/3: the first is drawn at
// ARect's left, the third at its right, the second stretched between (all
// masked with AMaskColor when AMasked, and taking ARect's height). When
// ARect is narrower than one column only the first is drawn, cut to ARect's
// width.
void DrawThreeFrameH(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect,
                     TColor AMaskColor, bool AMasked);

// The whole of ABitmap stretched (halftone) into ARect.
void StretchBitmap(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect);

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_SLICES_H_
