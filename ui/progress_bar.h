// A progress bar over the common controls' msctls_progress32 class,
// horizontal or vertical, from Min to Max.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_PROGRESS_BAR_H_
#define QUILLORY_UI_PROGRESS_BAR_H_

#include "ui/widget.h"

namespace ui {

enum class TOrientation { Horizontal, Vertical };

struct TProgressBarArgs {
  TWidgetArgs Widget;
  int Min = 0;
  int Max = 100;
  int Position = 0;
  TOrientation Orientation = TOrientation::Horizontal;
};

class TProgressBar : public TWidget {
 public:
  explicit TProgressBar(const TProgressBarArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::ProgressBar; }

  int Position() const;
  // Limited to Min..Max.
  void SetPosition(int APosition);
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  TOrientation Orientation() const { return FOrientation; }

 protected:
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  int FMin;
  int FMax;
  TOrientation FOrientation;
};

}  // namespace ui

#endif  // QUILLORY_UI_PROGRESS_BAR_H_
