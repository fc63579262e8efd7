// A frame: an embedded container of the toolkit's own, built like a form
// (widgets are placed on it) but living inside another window. Tab moves
// into and out of it as through any part of its form.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_FRAME_H_
#define QUILLORY_UI_FRAME_H_

#include "ui/widget.h"

namespace ui {

class TFrame : public TWidget {
 public:
  explicit TFrame(const TWidgetArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::Frame; }

 protected:
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;
};

}  // namespace ui

#endif  // QUILLORY_UI_FRAME_H_
