// The tab control's skinned look over any canvas: each tab's face from the
// "SKIN2_TABCONTROL" strip, the page outline and the line along the page
// edge on the tabs' side. Tabs on the bottom, left or right are built
// upright (as a tab on the top) and then turned to their side.
//
// Thread safety: pure functions, except that the painters draw on the
// canvas they are given.
#ifndef QUILLORY_SKIN_CONTROLS_PAINT_TABS_H_
#define QUILLORY_SKIN_CONTROLS_PAINT_TABS_H_

#include "skin/controls/skin_source.h"
#include "skin/draw/canvas.h"

namespace skin {

// Where the tabs sit around the page.
enum class TTabSide { Top, Bottom, Left, Right };

// The size of ATab built upright: as it is for top and bottom tabs, width
// and height swapped for left and right ones.
TSize UprightTabSize(const TRect& ATab, TTabSide ASide);

// AUpright (a tab or line built for the top) turned to ASide: unchanged for
// the top, half a turn for the bottom, a quarter turn anticlockwise for the
// left (the upright top becomes the left edge) and clockwise for the right
// (the upright top becomes the right edge).
TBitmap TurnToSide(const TBitmap& AUpright, TTabSide ASide);

// Paints one upright tab face over (0, 0, ASize): the frame TabFrame(ASelected)
// of "SKIN2_TABCONTROL", first stretched to ASize's height with
// DrawThreeSliceV (a third of its height kept at each end) when the tab is
// more than one pixel taller than the frame, then drawn with
// DrawThreeFrameH, masked with the transparent colour when
// "SKIN2_TABCONTROLTRANS". The canvas should hold the form colour behind.
// Returns false (nothing drawn) when the skin has no tab image.
bool PaintTabFace(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize, bool ASelected);

// The caption's colour: "SKIN2_TABCONTROLACTIVEFONTCOLOR" for the selected
// tab, "SKIN2_TABCONTROLINACTIVEFONTCOLOR" for the others.
TColor TabFontColor(const TzelSkinSource& ASkin, bool ASelected);

// An image and a caption centred together in an upright tab of ASize: the
// image (AImage empty for none) on the left, 3 pixels before the text.
struct TTabCaptionPlace {
  TPoint Image;
  TRect Text;
};
TTabCaptionPlace PlaceTabCaption(TSize ASize, TSize AText, TSize AImage);

// The page area: ADisplay grown by 2 pixels on every side.
TRect TabPageRect(const TRect& ADisplay);

// The strip along APage's edge on ASide that the tab line covers,
// AThickness pixels deep inside the page outline.
TRect TabLineRect(const TRect& APage, TTabSide ASide, int AThickness);

// The page: APage outlined in "SKIN2_CONTROLBORDERCOLOR".
void PaintTabPage(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TRect& APage);

// The page edge on ASide redrawn: the strip TabLineRect filled with the
// form colour, then "SKIN2_TABCONTROLLINE" (turned to ASide) stretched
// along it.
void PaintTabLine(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TRect& APage,
                  TTabSide ASide);

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_PAINT_TABS_H_
