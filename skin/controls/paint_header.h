// The skinned header of a list view in report style: the item cells on the
// control colour, their dividers and the bottom line in the control border
// colour, the captions in the control font colour.
//
// Thread safety: pure, except that the painter draws on the canvas it is
// given.
#ifndef QUILLORY_SKIN_CONTROLS_PAINT_HEADER_H_
#define QUILLORY_SKIN_CONTROLS_PAINT_HEADER_H_

#include <span>
#include <string>

#include "skin/controls/skin_source.h"
#include "skin/draw/canvas.h"

namespace skin {

struct THeaderItem {
  TRect Rect;  // in the header's client coordinates
  std::u16string Text;
};

// Left padding of a caption in its cell (the same on the right).
inline constexpr int kHeaderTextPadding = 6;

// Fills ASize with "SKIN2_CONTROLCOLOR", draws a one-pixel divider in
// "SKIN2_CONTROLBORDERCOLOR" on the last column of each item and the bottom
// line across the whole header, and each caption in
// "SKIN2_CONTROLFONTCOLOR", shortened with "..." to the cell less the
// padding on both sides, left-aligned and centred vertically in the cell
// above the bottom line.
void PaintHeader(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize,
                 std::span<const THeaderItem> AItems);

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_PAINT_HEADER_H_
