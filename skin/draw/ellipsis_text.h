// Shortening a caption with "..." to fit a width.
//
// Thread safety: as the canvas it measures with.
#ifndef QUILLORY_SKIN_DRAW_ELLIPSIS_TEXT_H_
#define QUILLORY_SKIN_DRAW_ELLIPSIS_TEXT_H_

#include <string>
#include <string_view>

#include "skin/draw/canvas.h"

namespace skin {

// AText when it is at most AWidth pixels wide in ACanvas's font; otherwise
// the longest prefix of 1, 2, ... characters followed by "..." that is at
// most AWidth wide; "..." alone when no prefix fits with it, and the empty
// text when not even "..." fits. The result never exceeds AWidth, and a
// surrogate pair is never split.
std::u16string EllipsisText(TPaintCanvas& ACanvas, std::u16string_view AText, int AWidth);

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_ELLIPSIS_TEXT_H_
