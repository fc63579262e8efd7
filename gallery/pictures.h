// Pictures the gallery draws for itself (no resources needed): coloured
// shapes for image lists and glyph strips.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_GALLERY_PICTURES_H_
#define QUILLORY_GALLERY_PICTURES_H_

#include <windows.h>

#include "ui/gdi.h"
#include "ui/image_list.h"

namespace gallery {

// The transparent colour of the drawn pictures.
inline constexpr COLORREF kMaskColor = RGB(255, 0, 255);

// Adds ACount pictures of the list's size: shapes in distinct colours.
void AddPictures(ui::TImageList& AList, int ACount);

// A strip of ACount frames of AWidth x AHeight: frame i is picture i's
// shape, the second frame greyed (as a disabled glyph), on kMaskColor.
ui::TBitmapHandle MakeGlyphStrip(int AWidth, int AHeight, int ACount);

}  // namespace gallery

#endif  // QUILLORY_GALLERY_PICTURES_H_
