// A speed button: a button that never takes the focus, with a glyph strip
// and a caption placed by Layout, Margin and Spacing. Flat buttons show
// their edge only while the pointer is over them or they are down. Buttons
// of one parent with the same nonzero GroupIndex stay down one at a time;
// AllowAllUp lets the down one come up again.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_SPEED_BUTTON_H_
#define QUILLORY_UI_SPEED_BUTTON_H_

#include "ui/glyph_layout.h"
#include "ui/widget.h"

namespace ui {

struct TSpeedButtonArgs {
  TWidgetArgs Widget;
  HBITMAP Glyph = nullptr;  // not owned; outlives the button
  int NumGlyphs = 1;
  TButtonLayout Layout = TButtonLayout::GlyphLeft;
  int Margin = -1;
  int Spacing = 4;
  bool Flat = false;
  int GroupIndex = 0;
  bool Down = false;
  bool AllowAllUp = false;
};

class TSpeedButton : public TWidget {
 public:
  explicit TSpeedButton(const TSpeedButtonArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::SpeedButton; }

  bool Down() const { return FDown; }
  // Putting a grouped button down brings the others of its group up.
  void SetDown(bool ADown);
  int GroupIndex() const { return FGroupIndex; }
  bool Flat() const { return FFlat; }
  // As a click does: toggles within a group, then OnClick.
  void Click();

  TNotifyEvent OnClick;

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  void Paint(HDC ADc);
  void ReleaseGroup();

  HBITMAP FGlyph;
  int FNumGlyphs;
  TButtonLayout FLayout;
  int FMargin;
  int FSpacing;
  bool FFlat;
  int FGroupIndex;
  bool FDown;
  bool FAllowAllUp;
  bool FPressed = false;  // the mouse button is held on it
  bool FHot = false;
};

}  // namespace ui

#endif  // QUILLORY_UI_SPEED_BUTTON_H_
