// A text label (a graphic control in the class tree): painted by the toolkit, optionally
// transparent over what its parent shows, sized to its text, with mouse hover and click events.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_LABEL_H_
#define QUILLORY_UI_LABEL_H_

#include "ui/widget.h"

namespace ui {

enum class TAlignment { Left, Right, Center };

struct TLabelArgs {
  TWidgetArgs Widget;  // Width and Height are ignored while AutoSize is on
  TAlignment Alignment = TAlignment::Left;
  bool AutoSize = true;  // the size follows the text; a right-aligned label keeps its right edge
  bool Transparent = false;
  // Right-aligned, auto-sized labels: the x of the right edge (Widget.Left
  // is ignored then).
  int Right = 0;
};

class TLabel : public TWidget {
 public:
  explicit TLabel(const TLabelArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::Label; }

  void SetCaption(const std::string& ACaption) override;
  TAlignment Alignment() const { return FAlignment; }
  bool Transparent() const { return FTransparent; }
  // The cursor shown over the label (a system cursor id such as IDC_HAND),
  // nullptr for the arrow.
  void SetCursor(const wchar_t* ACursor) { FCursor = ACursor; }
  // The control that the label's access key focuses (not owned), or
  // nullptr. A paired control that goes clears it.
  void SetFocusControl(TWidget* AControl);
  TWidget* FocusControl() const { return FFocusControl; }

  TNotifyEvent OnClick;

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  void FontChanged() override;
  bool DialogChar(wchar_t AKey) override;
  void Notification(TComponent& AComponent, TOperation AOperation) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  void AdjustSize();
  void Paint(HDC ADc);
  UINT DrawFlags() const;

  TAlignment FAlignment;
  bool FAutoSize;
  bool FTransparent;
  bool FWordWrap = false;
  int64_t FLayout = 0;  // TTextLayout: 0 top, 1 centre, 2 bottom
  int FRight;
  const wchar_t* FCursor = nullptr;
  TWidget* FFocusControl = nullptr;
};

}  // namespace ui

#endif  // QUILLORY_UI_LABEL_H_
