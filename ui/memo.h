// A multi-line text field over the system's EDIT class, with scroll bars
// as ScrollBars asks. Enter starts a new line; Tab still moves the focus.
// Lines are kept with CR LF in the window and handed out without them.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_MEMO_H_
#define QUILLORY_UI_MEMO_H_

#include <string>
#include <vector>

#include "ui/widget.h"

namespace ui {

enum class TScrollStyle { None, Horizontal, Vertical, Both };

struct TMemoArgs {
  TWidgetArgs Widget;  // Caption is ignored; see Lines
  std::vector<std::string> Lines;
  TScrollStyle ScrollBars = TScrollStyle::Vertical;
  bool WordWrap = true;  // off: long lines scroll sideways
  bool ReadOnly = false;
};

class TMemo : public TWidget {
 public:
  explicit TMemo(const TMemoArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::Memo; }

  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& ALines);
  bool ReadOnly() const;
  bool WordWrap() const { return FWordWrap; }
  TScrollStyle ScrollBars() const { return FScrollBars; }

  TNotifyEvent OnChange;

 protected:
  void CommandNotification(WORD ACode) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  TScrollStyle FScrollBars;
  bool FWordWrap;
};

}  // namespace ui

#endif  // QUILLORY_UI_MEMO_H_
