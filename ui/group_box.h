// A group box: a captioned frame that holds other widgets. It is a window
// of the toolkit's own (the children sit inside it and their notifications
// reach them), painted with the system's etched frame.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_GROUP_BOX_H_
#define QUILLORY_UI_GROUP_BOX_H_

#include "ui/widget.h"

namespace ui {

class TGroupBox : public TWidget {
 public:
  explicit TGroupBox(const TWidgetArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::GroupBox; }

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;

 private:
  void Paint(HDC ADc);
};

}  // namespace ui

#endif  // QUILLORY_UI_GROUP_BOX_H_
