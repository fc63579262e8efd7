// A scroll box: a container of the toolkit's own with scroll bars that
// appear when its children reach beyond its client area, and scroll them.
// After placing or moving children, call UpdateRange.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_SCROLL_BOX_H_
#define QUILLORY_UI_SCROLL_BOX_H_

#include "ui/widget.h"

namespace ui {

class TScrollBox : public TWidget {
 public:
  explicit TScrollBox(const TWidgetArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::ScrollBox; }

  // Sets the scroll ranges from the children's extent.
  void UpdateRange();
  // How far the content is scrolled, in pixels.
  POINT ScrollPosition() const { return FPosition; }
  void ScrollTo(int AX, int AY);

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  void OnScroll(int ABar, WORD ACode);
  POINT FPosition{0, 0};
  SIZE FContent{0, 0};  // the children's extent, unscrolled
};

}  // namespace ui

#endif  // QUILLORY_UI_SCROLL_BOX_H_
