// Painting the bar-like controls from the skin, over any canvas: progress
// bars, track bars, the status bar's size grip, tool bar backgrounds and
// button faces (shared with speed buttons) and group box frames. The
// geometry is kept in small functions of its own so that it can be pinned
// by tables; the painters only put pieces where those functions say.
//
// Thread safety: each call uses only the canvas and values it is given.
#ifndef QUILLORY_SKIN_CONTROLS_PAINT_BARS_H_
#define QUILLORY_SKIN_CONTROLS_PAINT_BARS_H_

#include <string>

#include "skin/controls/skin_source.h"
#include "skin/draw/canvas.h"

namespace skin {

// --- Progress bars

// Pixels of AInner filled for APosition within AMin..AMax: AInner x
// (APosition - AMin) / (AMax - AMin), truncated; the position is limited to
// the range first, and an empty or inverted range fills nothing.
int ProgressFillLength(int AInner, int AMin, int AMax, int APosition);

// Where the four pieces of "SKIN2_PROGRESSBAR1".."4" go: 1 the start cap,
// 2 the fill, 3 the empty track, 4 the end cap. Horizontal: the start cap
// (ABorder1 wide) at the left, the end cap (ABorder2) at the right, the
// track between them and the fill over it from the start cap on, AFill
// long. Vertical bars use the pieces turned left, so the start cap
// sits at the bottom and the fill grows upwards.
struct TProgressLayout {
  TRect Start, Back, Fill, End;
};
TProgressLayout LayoutProgressBar(TSize ASize, bool AVertical, int ABorder1, int ABorder2,
                                  int AFill);

struct TProgressLook {
  TSize Size;
  bool Vertical = false;
  int Min = 0;
  int Max = 100;
  int Position = 0;
};

// Paints a progress bar over (0, 0, Size): each piece stretched (nearest)
// over its rectangle of LayoutProgressBar, the fill over the track. Nothing is drawn when the skin
// lacks one of the pieces.
void PaintProgressBar(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin,
                      const TProgressLook& ALook);

// --- Track bars

// Columns (rows when vertical) of the channel image kept unscaled at each
// end.
inline constexpr int kTrackBarChannelEnd = 3;

// The channel image's rectangle: along AChannel's length (the control's
// own channel), ABar thick, centred across on AThumb's centre line.
TRect PlaceTrackChannel(const TRect& AChannel, const TRect& AThumb, TSize ABar, bool AVertical);
// The thumb image centred on the control's thumb rectangle (half the
// difference, truncated towards zero).
TRect PlaceTrackThumb(const TRect& AThumb, TSize AImage);

struct TTrackLook {
  TSize Size;
  bool Vertical = false;
  TRect Channel;  // the control's channel, upright
  TRect Thumb;    // the control's thumb
  TColor Back = 0;
};

// Paints a track bar over (0, 0, Size): the background in Back, ABar (the
// channel image, turned left for vertical bars) three-sliced along the
// channel, the thumb ("SKIN2_TRACKBARSLIDER", or "SKIN2_TRACKBARVSLIDER"
// when vertical) masked in the skin's transparent colour.
void PaintTrackBar(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TBitmap& ABar,
                   const TTrackLook& ALook);

// --- Status bar size grip

// The grip's square at the bottom right of AClient, AGrip pixels (no more
// than the client's height or width).
TRect SizeGripRect(TSize AClient, int AGrip);

// Fills AGrip with AControlColor and draws three diagonal ridges from the
// bottom-left to the top-right of it: counting diagonals d from the bottom
// right corner (d = distance right + distance down from it), each ridge is
// two dark diagonals in ALine (d = k, k + 1) and a light one in ALight
// (d = k + 2), for k = 2, 6, 10 while the ridge fits the square.
void PaintSizeGrip(TPaintCanvas& ACanvas, const TRect& AGrip, TColor AControlColor, TColor ALine,
                   TColor ALight);

// --- Tool bars and speed buttons

enum class TToolFace { Normal, Hot, Down };

// A tool button's face: outlined in "SKIN2_TOOLBARBORDERCOLOR" and filled
// with "SKIN2_TOOLBARDOWNCOLOR" (down) or "SKIN2_TOOLBARONCOLOR" (hot). A
// normal face is filled with ANormalFill inside the outline, or left alone
// entirely when ANormalFill is kNoFace.
inline constexpr TColor kNoFace = 0xFFFFFFFFu;
void PaintToolFace(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TRect& ARect,
                   TToolFace AFace, TColor ANormalFill);

// The tool bar's background over (0, 0, ASize): "SKIN2_TOOLBAR" stretched
// (nearest) when the skin has it, else a vertical gradient from
// "SKIN2_TOOLBARSTARTCOLOR" to "SKIN2_TOOLBARENDCOLOR".
void PaintToolBarBack(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize);

// --- Group boxes

// The frame from half the caption's height down to the bottom.
TRect GroupBoxFrameRect(TSize ASize, int ACaptionHeight);
// The caption 8 pixels from the left, or from the right for right-to-left
// reading.
TRect GroupBoxCaptionRect(TSize ASize, TSize ACaption, bool ARightToLeft);

struct TGroupBoxLook {
  TSize Size;
  std::u16string Caption;
  int CaptionHeight = 0;  // of the control's font, also without a caption
  bool RightToLeft = false;
  TColor ControlColor = 0;
};

// Outlines the frame in "SKIN2_CONTROLBORDERCOLOR", then puts the caption
// on the control's colour in "SKIN2_CONTROLFONTCOLOR" (canvas font).
void PaintGroupBox(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TGroupBoxLook& ALook);

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_PAINT_BARS_H_
