// Painting the push button, check box and radio button from the skin, over
// any canvas: the wrappers paint into an off-screen buffer with these and
// copy it to the control in one step.
//
// Thread safety: each call uses only the canvas and values it is given.
#ifndef QUILLORY_SKIN_CONTROLS_PAINT_BUTTONS_H_
#define QUILLORY_SKIN_CONTROLS_PAINT_BUTTONS_H_

#include <string>

#include "skin/controls/skin_source.h"
#include "skin/draw/button_layout.h"
#include "skin/draw/canvas.h"
#include "skin/draw/state_frames.h"

namespace skin {

// A colour that is not there (a parent without a "Color" property).
inline constexpr TColor kNoColor = 0xFFFFFFFFu;

// A bitmap button's glyph strip.
struct TButtonGlyph {
  const TBitmap* Strip = nullptr;  // null: no glyph
  int NumGlyphs = 1;
  TGlyphSide Side = TGlyphSide::Left;
  int Margin = -1;
  int Spacing = 4;
  // With no strip: the size of an image list's picture, which the caller
  // draws where PaintPushButton places it.
  TSize Picture{0, 0};
};

struct TPushButtonLook {
  TSize Size;                     // the button's client size
  TColor ParentColor = kNoColor;  // the parent's "Color", kNoColor for the form colour
  bool Pressed = false;
  bool Hot = false;
  bool Focused = false;
  bool Enabled = true;
  bool WordWrap = false;
  bool RightToLeft = false;
  std::u16string Caption;
  TColor FontColor = 0;
  TButtonGlyph Glyph;
};

// Paints a push button over the whole of ACanvas's (0, 0, Size) area: the
// parent's colour (or the skin's form colour), the state frame of
// "SKIN2_BUTTON" nine-sliced over it (transparent in the skin's
// transparent colour when "SKIN2_BUTTONTRANS"), the glyph and the caption.
// Returns the focus rectangle the caller draws (inset 5 pixels, moved by
// (1, 1) when pressed), empty when the button has no focus. With a
// Glyph.Picture size, the picture's top left corner goes to *APictureAt
// (when given).
TRect PaintPushButton(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin,
                      const TPushButtonLook& ALook, TPoint* APictureAt = nullptr);

struct TCheckLook {
  TRect Client;
  TColor ControlColor = 0;  // fills the box's square
  bool Enabled = true;
  bool RightAligned = false;  // the control's text alignment
  bool RightToLeft = false;
};

// Paints a check box's box only (the control paints its text): frame
// CheckBoxFrame(AState, Enabled) of "SKIN2_CHECKBOX", masked when
// "SKIN2_CHECKBOXTRANS", on its square (PlaceCheckBox). Returns the square;
// empty when the skin has no check box image.
TRect PaintCheckBoxBox(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TCheckLook& ALook,
                       TCheckState AState);

// The same for a radio button from "SKIN2_RADIOBUTTON" and
// "SKIN2_RADIOBUTTONTRANS".
TRect PaintRadioButtonBox(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin,
                          const TCheckLook& ALook, bool AChecked);

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_PAINT_BUTTONS_H_
