// PaintFrame: the skinned window frame painted on a canvas covering the
// whole window: the title bar (three- or five-part, or the minimised
// title), icon, caption and caption buttons, the borders and the gaps
// between them and the client area.
//
// Thread safety: as the canvas it paints on.
#ifndef QUILLORY_SKIN_FRAME_PAINT_FRAME_H_
#define QUILLORY_SKIN_FRAME_PAINT_FRAME_H_

#include <optional>
#include <string>
#include <string_view>

#include "skin/draw/canvas.h"
#include "skin/frame/frame_metrics.h"
#include "skin/frame/skin_metrics.h"

namespace skin {

// The pointer as the frame sees it: where it is (window coordinates, none
// when outside the window) and whether the left button went down on the
// frame.
struct TFramePointer {
  std::optional<TPoint> At;
  bool MouseDown = false;
};

// What one paint drew.
struct TFramePaint {
  TTitleLayout Title;
  std::u16string Caption;                         // the caption as drawn, shortened with "..."
  TFrameElement InButtons = TFrameElement::None;  // the element under the pointer
};

// The element of ALayout under APoint (window coordinates): a caption
// button, the icon, or none.
TFrameElement ElementAt(const TTitleLayout& ALayout, TPoint APoint);

// Paints the frame of a window AWindowSize large on ACanvas, whose origin
// is the window's top-left corner; the client area is not touched. The
// caption is drawn in the canvas's font, in the title font colour while
// AState.Active, else the inactive one. AIcon (16 x 16, drawn through its
// transparent colour when it has one) goes where the layout puts the icon.
// Where the skin shapes the title or the bottom border, their transparent
// pixels show the form colour (the window region cuts them away). Stretched
// pieces are resampled with TStretchMode::Nearest.
TFramePaint PaintFrame(TPaintCanvas& ACanvas, const TSkinMetrics& AMetrics,
                       const TFrameImages& AImages, const TFrameState& AState, TSize AWindowSize,
                       std::u16string_view ACaption, const TFramePointer& APointer,
                       const TBitmap* AIcon);

// The pieces of PaintFrame that the window region is scanned from. The
// title images of a window AWidth wide, at the top of ACanvas: three-part,
// or five-part with "SKIN2_TITLEBAR3" after the caption that ends at
// ACaptionEnd. Drawn through the transparent colour when AMasked.
void PaintTitleImages(TPaintCanvas& ACanvas, const TSkinMetrics& AMetrics,
                      const TFrameImages& AImages, int AWidth, int ACaptionEnd, bool AMasked);

// The bottom border images over ARect (its height the skin's bottom border
// height): three-part, or "SKIN2_FORMBOTTOMBORDER1" cut in three frames.
void PaintBottomImages(TPaintCanvas& ACanvas, const TSkinMetrics& AMetrics,
                       const TFrameImages& AImages, const TRect& ARect, bool AMasked);

}  // namespace skin

#endif  // QUILLORY_SKIN_FRAME_PAINT_FRAME_H_
