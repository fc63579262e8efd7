// A tab control over the common controls' SysTabControl32 class: a row (or
// several rows) of tabs on the top, bottom, left or right, without pages of
// its own; the program shows what belongs to the selected tab (OnChange).
// Left and right tabs always come in rows of their own.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_TAB_CONTROL_H_
#define QUILLORY_UI_TAB_CONTROL_H_

#include <string>
#include <vector>

#include "ui/image_list.h"
#include "ui/widget.h"

namespace ui {

enum class TTabPosition { Top, Bottom, Left, Right };

struct TTabControlArgs {
  TWidgetArgs Widget;
  std::vector<std::string> Tabs;
  TTabPosition TabPosition = TTabPosition::Top;
  bool MultiLine = false;
  int TabIndex = 0;
  const TImageList* Images = nullptr;  // not owned; outlives the control
};

class TTabControl : public TWidget {
 public:
  explicit TTabControl(const TTabControlArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::TabControl; }

  int TabCount() const;
  int TabIndex() const;
  void SetTabIndex(int AIndex);
  TTabPosition TabPosition() const { return FTabPosition; }
  bool MultiLine() const;
  // The client rectangle inside the tabs, where the content goes.
  RECT DisplayRect() const;

  // The selected tab changed by the user.
  TNotifyEvent OnChange;

 protected:
  LRESULT Notification(const NMHDR& AHeader) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  TTabPosition FTabPosition;
  const TImageList* FImages;
};

// The window styles of a tab position (shared with page controls).
DWORD TabPositionStyle(TTabPosition APosition, bool AMultiLine);

}  // namespace ui

#endif  // QUILLORY_UI_TAB_CONTROL_H_
