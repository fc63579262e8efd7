// A panel: a container of the toolkit's own with an outer and an inner
// bevel (raised, lowered or none) and a centred caption.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_PANEL_H_
#define QUILLORY_UI_PANEL_H_

#include "ui/widget.h"

namespace ui {

enum class TPanelBevel { None, Lowered, Raised };

struct TPanelArgs {
  TWidgetArgs Widget;
  TPanelBevel BevelOuter = TPanelBevel::Raised;
  TPanelBevel BevelInner = TPanelBevel::None;
  int BevelWidth = 1;
  bool BorderSingle = false;  // BorderStyle single: a black line outside the bevels
};

class TPanel : public TWidget {
 public:
  explicit TPanel(const TPanelArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::Panel; }

  TPanelBevel BevelOuter() const { return FBevelOuter; }
  TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevels(TPanelBevel AOuter, TPanelBevel AInner);

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  void Paint(HDC ADc);
  TPanelBevel FBevelOuter;
  TPanelBevel FBevelInner;
  int FBevelWidth;
  bool FBorderSingle;
};

}  // namespace ui

#endif  // QUILLORY_UI_PANEL_H_
