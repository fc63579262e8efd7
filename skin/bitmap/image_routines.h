// Image routines the skin reader and the painters cut skin images with.
//
// Thread safety: each call works on the bitmaps it is given only.
#ifndef QUILLORY_SKIN_BITMAP_IMAGE_ROUTINES_H_
#define QUILLORY_SKIN_BITMAP_IMAGE_ROUTINES_H_

#include "skin/bitmap/bitmap.h"

namespace skin {

// ASource is a horizontal strip of ASpitCount frames of equal width (its
// width div ASpitCount); frame ASpitIndex (1-based) is copied into ADest,
// which takes that frame's size and ASource's depth and transparency.
// Nothing happens when ASource is null; a count below 1 or an index out of
// 1..ASpitCount leaves ADest empty.
void SpitBitmap(const TBitmap* ASource, TBitmap& ADest, int ASpitCount, int ASpitIndex);

// Turns ABitmap 90 degrees counter-clockwise in place: the pixel at (x, y)
// of a W-wide image goes to (y, W-1-x); width and height swap.
void RotateLeft(TBitmap& ABitmap);

// Turns ABitmap half a turn: (x, y) goes to (W-1-x, H-1-y).
void Rotate180(TBitmap& ABitmap);

// Turns ABitmap 90 degrees clockwise in place: the pixel at (x, y) of an
// H-high image goes to (H-1-y, x); width and height swap.
void RotateRight(TBitmap& ABitmap);

// Makes ABitmap 24 bits per pixel and replaces every pixel equal to
// AFromColor by AToColor.
void ReplaceColor(TBitmap& ABitmap, TColor AFromColor, TColor AToColor);

}  // namespace skin

#endif  // QUILLORY_SKIN_BITMAP_IMAGE_ROUTINES_H_
