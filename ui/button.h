// A push button with an optional picture (glyph) left of its caption. The
// toolkit paints it, so it looks the same with every version of the common
// controls.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_BUTTON_H_
#define QUILLORY_UI_BUTTON_H_

#include "ui/image_list.h"
#include "ui/widget.h"

namespace ui {

struct TButtonArgs {
  TWidgetArgs Widget;
  const TImageList* Glyphs = nullptr;  // not owned; outlives the button
  int GlyphIndex = -1;                 // -1: no glyph
};

class TButton : public TWidget {
 public:
  explicit TButton(const TButtonArgs& AArgs);
  const TWidgetClass& Class() const override {
    return FGlyphIndex >= 0 ? classes::BitBtn : classes::Button;
  }

  TNotifyEvent OnClick;

 protected:
  void CommandNotification(WORD ACode) override;
  void DrawItem(const DRAWITEMSTRUCT& AItem) override;

 private:
  const TImageList* FGlyphs;
  int FGlyphIndex;
};

}  // namespace ui

#endif  // QUILLORY_UI_BUTTON_H_
