// Painting the skinned parts of combo-box-like controls over any canvas:
// the frame and drop-down button drawn over a combo box's own painting,
// and the two overlay panels (drop-down button, up-down arrows) that sit
// over a date-time picker's own buttons.
//
// Thread safety: each call uses only the canvas and values it is given.
#ifndef QUILLORY_SKIN_CONTROLS_PAINT_COMBO_H_
#define QUILLORY_SKIN_CONTROLS_PAINT_COMBO_H_

#include "skin/controls/skin_source.h"
#include "skin/draw/canvas.h"

namespace skin {

struct TComboLook {
  TRect Client;             // the control's client rectangle
  TRect Button;             // the system's drop-down button, in client coordinates
  TColor ControlColor = 0;  // the control's own colour (inner frame)
  bool Enabled = true;
  bool RightToLeft = false;  // the button sits on the left
};

// Over a combo box that painted itself: the client rectangle framed in
// "SKIN2_CONTROLBORDERCOLOR" with an inner frame in ControlColor; the
// button filled with "SKIN2_CONTROLCOLOR", a line in the border colour on
// its inner side (its left column, or its right one for right-to-left
// reading) and the drop arrow centred in it (half the spare room, truncated).
void PaintComboBoxSkin(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TComboLook& ALook);

// The top-left corner of the drop arrow centred in AButton.
TPoint DropArrowOrigin(const TRect& AButton);

// The state of an overlay drop-down button.
enum class TDropButtonState { Normal, Hot, Pressed, Disabled };

// The overlay drop-down button over (0, 0, ASize): filled with
// "SKIN2_CONTROLCOLOR" (normal, disabled), "SKIN2_TOOLBARONCOLOR" (hot) or
// "SKIN2_TOOLBARDOWNCOLOR" (pressed); a line in "SKIN2_CONTROLBORDERCOLOR"
// on its left column (right column for right-to-left reading); the drop
// arrow centred, moved by (1, 1) when pressed, grey when disabled.
void PaintDropButton(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize,
                     TDropButtonState AState, bool ARightToLeft);

// The overlay up-down arrows over (0, 0, ASize), split as UpDownHalf
// splits (vertical): filled with "SKIN2_CONTROLCOLOR", both halves
// outlined and the pressed one (APressedHalf -1 or 1, 0 none) marked as
// PaintUpDownHalves does, an upward arrow centred in the first half and a
// downward one in the second.
void PaintSpinButtons(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize,
                      int APressedHalf, bool AEnabled);

// The upward arrow (rows of 1, 3, 5 and 7 pixels) with its top-left corner
// at (AX, AY), in the colours DrawDropArrow uses.
void DrawUpArrow(TPaintCanvas& ACanvas, int AX, int AY, bool AEnabled);

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_PAINT_COMBO_H_
