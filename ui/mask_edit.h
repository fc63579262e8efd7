// A text field over the system's EDIT class whose input follows an edit
// mask (ui/edit_mask.h): typed characters fill the input positions and
// skip the literals, refused ones beep, Backspace and Delete blank a
// position, pasting goes through the mask too.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_MASK_EDIT_H_
#define QUILLORY_UI_MASK_EDIT_H_

#include <string>

#include "ui/edit_mask.h"
#include "ui/widget.h"

namespace ui {

struct TMaskEditArgs {
  TWidgetArgs Widget;    // Caption: the initial characters, put through the mask
  std::string EditMask;  // UTF-8; throws std::invalid_argument when malformed
};

class TMaskEdit : public TWidget {
 public:
  explicit TMaskEdit(const TMaskEditArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::MaskEdit; }

  // The text with literals and blanks.
  std::string Text() const { return Caption(); }
  const std::string& EditMask() const { return FMaskText; }
  // True when every required position is filled.
  bool IsComplete() const;

  TNotifyEvent OnChange;

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  void CommandNotification(WORD ACode) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  // Puts AText into the window with the caret at ACaret.
  void Show(const std::wstring& AText, size_t ACaret);
  size_t Caret() const;
  std::wstring WideText() const;

  std::string FMaskText;
  TEditMask FMask;
};

}  // namespace ui

#endif  // QUILLORY_UI_MASK_EDIT_H_
