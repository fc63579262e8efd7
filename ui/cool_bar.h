// A cool bar over the common controls' ReBarWindow32 class: bands, each
// holding one widget (a tool bar, a combo box, ...) with a gripper and an
// optional caption. It sits where its geometry says; its height follows
// its rows of bands.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_COOL_BAR_H_
#define QUILLORY_UI_COOL_BAR_H_

#include <string>

#include "ui/widget.h"

namespace ui {

class TCoolBar : public TWidget {
 public:
  explicit TCoolBar(const TWidgetArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::CoolBar; }

  // Puts AChild (a widget whose parent is this bar) into a new band of
  // AWidth pixels (0: as wide as the child), on a new row when ABreak.
  void AddBand(TWidget& AChild, const std::string& ACaption, int AWidth, bool ABreak);
  int BandCount() const;

 protected:
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;
};

}  // namespace ui

#endif  // QUILLORY_UI_COOL_BAR_H_
