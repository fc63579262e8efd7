// A hot-key field over the common controls' msctls_hotkey32 class: the
// user presses a key combination and the field shows it ("Ctrl + Alt + K").
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_HOT_KEY_H_
#define QUILLORY_UI_HOT_KEY_H_

#include "ui/widget.h"

namespace ui {

struct THotKeyArgs {
  TWidgetArgs Widget;
  WORD Key = 0;        // virtual key
  BYTE Modifiers = 0;  // HOTKEYF_SHIFT, HOTKEYF_CONTROL, HOTKEYF_ALT
};

class THotKey : public TWidget {
 public:
  explicit THotKey(const THotKeyArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::HotKey; }

  // The key in the low byte, the HOTKEYF_* modifiers in the high byte.
  WORD HotKey() const;
  void SetHotKey(WORD AValue);

 protected:
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;
};

}  // namespace ui

#endif  // QUILLORY_UI_HOT_KEY_H_
