// A stand-alone scroll bar over the system's SCROLLBAR class, horizontal
// or vertical. Arrows move by SmallChange, the track by LargeChange, the
// thumb follows the pointer.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_SCROLL_BAR_H_
#define QUILLORY_UI_SCROLL_BAR_H_

#include "ui/widget.h"

namespace ui {

enum class TScrollBarKind { Horizontal, Vertical };

struct TScrollBarArgs {
  TWidgetArgs Widget;
  TScrollBarKind Kind = TScrollBarKind::Horizontal;
  int Min = 0;
  int Max = 100;
  int Position = 0;
  int SmallChange = 1;
  int LargeChange = 10;
};

class TScrollBar : public TWidget {
 public:
  explicit TScrollBar(const TScrollBarArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::ScrollBar; }

  int Position() const { return FPosition; }
  // Limited to Min..Max.
  void SetPosition(int APosition);

  // The position changed by the user.
  TNotifyEvent OnChange;

 protected:
  void Scroll(WORD ACode, WORD APosition) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  TScrollBarKind FKind;
  int FMin;
  int FMax;
  int FPosition;
  int FSmallChange;
  int FLargeChange;
};

}  // namespace ui

#endif  // QUILLORY_UI_SCROLL_BAR_H_
