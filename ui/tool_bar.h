// A tool bar over the common controls' ToolbarWindow32 class: buttons with
// pictures of an image list and optional captions, check buttons,
// separators; flat (buttons raised only while hot) or not. It sits where
// its geometry says, not glued to the parent's top.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_TOOL_BAR_H_
#define QUILLORY_UI_TOOL_BAR_H_

#include <string>
#include <vector>

#include "ui/image_list.h"
#include "ui/widget.h"

namespace ui {

enum class TToolButtonStyle { Button, Check, Separator };

struct TToolButton {
  std::string Caption;  // shown below the picture when ShowCaptions
  std::string Hint;     // the tooltip
  int ImageIndex = -1;
  TToolButtonStyle Style = TToolButtonStyle::Button;
  bool Down = false;  // check buttons: pressed
  bool Enabled = true;
  TNotifyEvent OnClick = {};
};

struct TToolBarArgs {
  TWidgetArgs Widget;
  const TImageList* Images = nullptr;  // not owned; outlives the bar
  std::vector<TToolButton> Buttons;
  bool Flat = true;
  bool ShowCaptions = false;
};

class TToolBar : public TWidget {
 public:
  explicit TToolBar(const TToolBarArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::ToolBar; }

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  // Check buttons: pressed.
  bool ButtonDown(int AIndex) const;
  void SetButtonDown(int AIndex, bool ADown);
  bool Flat() const;
  void SetFlat(bool AOn);
  // The size the buttons need.
  SIZE IdealSize() const;

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  std::vector<TToolButton> FButtons;
  const TImageList* FImages;
  int FFirstId;
};

}  // namespace ui

#endif  // QUILLORY_UI_TOOL_BAR_H_
