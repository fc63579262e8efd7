// A bevel over the system's STATIC class: an etched box, or an etched line
// along the top or the left of its rectangle (a separator).
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_BEVEL_H_
#define QUILLORY_UI_BEVEL_H_

#include "ui/widget.h"

namespace ui {

enum class TBevelShape { Box, TopLine, LeftLine };

struct TBevelArgs {
  TWidgetArgs Widget;
  TBevelShape Shape = TBevelShape::Box;
};

class TBevel : public TWidget {
 public:
  explicit TBevel(const TBevelArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::Bevel; }
  TBevelShape Shape() const { return FShape; }

 private:
  TBevelShape FShape;
};

}  // namespace ui

#endif  // QUILLORY_UI_BEVEL_H_
