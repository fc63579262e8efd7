// Push buttons: a plain button (optionally with a picture of an image list
// left of its caption) and a bitmap button with a glyph. The toolkit paints
// them, so they look the same with every version of the common controls.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_BUTTON_H_
#define QUILLORY_UI_BUTTON_H_

#include "ui/image_list.h"
#include "ui/widget.h"

namespace ui {

struct TButtonArgs {
  TWidgetArgs Widget;
  const TImageList* Images = nullptr;  // not owned; outlives the button
  int ImageIndex = -1;                 // -1: no picture
  bool Default = false;                // Enter clicks it (see Default())
  bool Cancel = false;                 // Escape clicks it
};

class TButton : public TWidget {
 public:
  explicit TButton(const TButtonArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::Button; }

  // Runs OnClick, as a click does.
  void Click();

  // Enter in its form clicks the default button, unless another button has
  // the focus (Enter clicks the focused button); Escape clicks the cancel
  // button. Only enabled, visible buttons are clicked.
  bool Default() const { return FDefault; }
  void SetDefault(bool AOn) { FDefault = AOn; }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool AOn) { FCancel = AOn; }

  TNotifyEvent OnClick;

 protected:
  void CommandNotification(WORD ACode) override;
  void DrawItem(const DRAWITEMSTRUCT& AItem) override;
  bool DialogChar(wchar_t AKey) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

  const TImageList* FImages;
  int FImageIndex;
  bool FImageVisible = true;
  bool FWordWrap = false;
  bool FDefault;
  bool FCancel;
};

// A button with a glyph; Layout, Margin and Spacing place it as a bitmap
// button does (glyph left, centred with its caption, 4 pixels apart).
class TBitBtn : public TButton {
 public:
  explicit TBitBtn(const TButtonArgs& AArgs) : TButton(AArgs) {}
  const TWidgetClass& Class() const override { return classes::BitBtn; }

  // Shows AGlyph, a strip of ANumGlyphs (1 to 4) equal frames (up,
  // disabled, down, held down), in place of the image list's picture
  // (nullptr: the picture again). Not owned; it outlives the button.
  void SetGlyph(HBITMAP AGlyph, int ANumGlyphs);

 protected:
  void DrawItem(const DRAWITEMSTRUCT& AItem) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  HBITMAP FGlyph = nullptr;
  int64_t FNumGlyphs = 1;
  int64_t FLayout = 0;
  int64_t FMargin = -1;
  int64_t FSpacing = 4;
};

}  // namespace ui

#endif  // QUILLORY_UI_BUTTON_H_
