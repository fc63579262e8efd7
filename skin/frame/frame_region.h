// The window region of a skinned frame: the window's rectangle with the
// title's and bottom border's transparent pixels cut away, as a list of
// rectangles (the Win32 side turns it into a region handle).
//
// Thread safety: pure functions.
#ifndef QUILLORY_SKIN_FRAME_FRAME_REGION_H_
#define QUILLORY_SKIN_FRAME_FRAME_REGION_H_

#include <vector>

#include "skin/bitmap/bitmap.h"
#include "skin/frame/frame_metrics.h"
#include "skin/frame/skin_metrics.h"

namespace skin {

// Rows ARows of ABuffer (its own coordinates) as rectangles moved down by
// ATop: from the first row of the range, ARegionMin (-1 means 0), to
// ARegionMax, or to the last row when the minimum is not below the
// maximum, every run of pixels other than ATransColor is a one-row
// rectangle; the rows above and below the range are taken whole. The range
// is cut to the buffer's rows.
std::vector<TRect> ScanRegionRows(const TBitmap& ABuffer, int ATop, int ARegionMin, int ARegionMax,
                                  TColor ATransColor);

// The region of a window AWindowSize large, in window coordinates: the
// whole window when the skin shapes neither title nor bottom, and for a
// minimised window; otherwise the union of the title's rows (scanned when
// the skin shapes the title, with ACaptionEnd placing a five-part title's
// third piece), the middle in full width, and the bottom border's rows
// (scanned when the skin shapes the bottom). Rectangles that continue each
// other with the same columns are merged; the list covers each pixel once.
std::vector<TRect> FrameRegion(const TSkinMetrics& AMetrics, const TFrameImages& AImages,
                               const TFrameState& AState, TSize AWindowSize, int ACaptionEnd);

}  // namespace skin

#endif  // QUILLORY_SKIN_FRAME_FRAME_REGION_H_
