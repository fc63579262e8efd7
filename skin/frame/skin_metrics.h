// TSkinMetrics: the frame and menu values the engine takes from a skin each
// time one is applied, as one value, and TFrameImages: the images the window
// frame paints from.
//
// Thread safety: plain values; the images belong to the reader they came
// from and live as long as its skin.
#ifndef QUILLORY_SKIN_FRAME_SKIN_METRICS_H_
#define QUILLORY_SKIN_FRAME_SKIN_METRICS_H_

#include <array>

#include "skin/bitmap/bitmap.h"
#include "skin/draw/geometry.h"
#include "skin/reader/zel_skin_reader.h"

namespace skin {

// Colours 3 to 15 of the key table, in order: 0 menu bar start, 1 menu bar
// end, 2 selected top item, 3 its border, 4 its font, 5 top item font,
// 6 left bar start, 7 left bar end, 8 item background, 9 item font,
// 10 selected item, 11 its border, 12 its font.
inline constexpr int kMenuColorCount = 13;

// The number of frames in "SKIN2_TITLEBUTTONS".
inline constexpr int kTitleButtonFrames = 18;

struct TSkinMetrics {
  TColor FormColor = 0;       // "SKIN2_FORMCOLOR"
  TColor FormFrameColor = 0;  // the same colour at first
  TColor TransColor = 0;      // "SKIN2_TRANSCOLOR"
  TColor TitleFontColor = 0;  // colour 1
  TColor InactiveTitleFontColor = 0;
  TColor DisabledMenuFontColor = 0x00808080;
  std::array<TColor, kMenuColorCount> MenuColors{};

  int TitleHeight = 0;        // height of "SKIN2_TITLEBAR1"
  int LeftBorderWidth = 0;    // width of "SKIN2_FORMLEFTBORDER"
  int RightBorderWidth = 0;   // width of "SKIN2_FORMRIGHTBORDER"
  int BottomBorderWidth = 0;  // height of "SKIN2_FORMBOTTOMBORDER1"
  TPoint TitleIconPos;        // integers 0 and 1
  TPoint TitleBtnPos;         // integers 3 and 4: from the right edge, and the top
  int TitleCaptionTop = 0;    // integer 2
  int TitleRegionMin = -1;    // integers 5 to 8
  int TitleRegionMax = -1;
  int BottomRegionMin = -1;
  int BottomRegionMax = -1;
  int MinWidth = 0;
  int AllFormCaptionXPos = -10000;  // negative: the caption follows the icon

  // One caption button: "SKIN2_TITLEBUTTONS" width / 18 by its height.
  TSize TitleButtonSize;

  bool TitleFiveSect = false;
  bool BottomBorderThreeSect = false;
  bool TitleNeedRegion = false;
  bool BottomNeedRegion = false;
  bool TitleBtnTrans = false;
};

// The metrics of ASkin's current skin. Absent images count as 0 by 0,
// absent integers and colours are -1 as the reader gives them.
// AInactiveTitleFontColor is the system's inactive-caption colour.
TSkinMetrics ReadSkinMetrics(const TzelSkinReader& ASkin, TColor AInactiveTitleFontColor);

// The width and height of an image that may be absent (0 then).
inline int WidthOf(const TBitmap* ABitmap) {
  return ABitmap ? ABitmap->Width() : 0;
}
inline int HeightOf(const TBitmap* ABitmap) {
  return ABitmap ? ABitmap->Height() : 0;
}

// The images of the frame; null where the skin has none.
struct TFrameImages {
  const TBitmap* TitleBar[5] = {};  // "SKIN2_TITLEBAR1" to "SKIN2_TITLEBAR5"
  const TBitmap* LeftBorder = nullptr;
  const TBitmap* RightBorder = nullptr;
  const TBitmap* BottomBorder[3] = {};  // "SKIN2_FORMBOTTOMBORDER1" to 3
  const TBitmap* MinimizedTitle = nullptr;
  const TBitmap* TitleButtons = nullptr;
  const TBitmap* MenuBar = nullptr;
};

TFrameImages ReadFrameImages(const TzelSkinReader& ASkin);

}  // namespace skin

#endif  // QUILLORY_SKIN_FRAME_SKIN_METRICS_H_
