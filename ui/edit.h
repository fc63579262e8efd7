// Text fields: a single-line edit, an edit with a caption label above it,
// and a numeric field with up/down arrows.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_EDIT_H_
#define QUILLORY_UI_EDIT_H_

#include <cstdint>
#include <memory>

#include "ui/label.h"
#include "ui/widget.h"

namespace ui {

struct TEditArgs {
  TWidgetArgs Widget;  // Caption is the initial text
  bool ReadOnly = false;
};

class TEdit : public TWidget {
 public:
  explicit TEdit(const TEditArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::Edit; }

  std::string Text() const { return Caption(); }
  void SetText(const std::string& AText) { SetCaption(AText); }

  bool ReadOnly() const;
  void SetReadOnly(bool AOn);
  // TBorderStyle: 0 none, 1 single (sunken edge).
  int BorderStyle() const;
  void SetBorderStyle(int AStyle);

  // The text really changed, by typing or by the program (once per change;
  // setting the same text again is no change).
  TNotifyEvent OnChange;

 protected:
  void CommandNotification(WORD ACode) override;
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;
};

struct TLabeledEditArgs {
  TEditArgs Edit;
  std::string LabelCaption;  // shown above the field, '&' marks the access key
};

class TLabeledEdit : public TEdit {
 public:
  explicit TLabeledEdit(const TLabeledEditArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::LabeledEdit; }

  TLabel& EditLabel() { return *FLabel; }

 private:
  std::unique_ptr<TLabel> FLabel;
};

class TSpinEdit;

struct TUpDownArgs {
  TWidgetArgs Widget;
  int32_t MinValue = 0;
  int32_t MaxValue = 100;
  int32_t Position = 0;
  int32_t Increment = 1;
  // The field it steps (any widget with a window; not owned, outlives the
  // up-down or is detached first); null: none yet.
  TWidget* Associate = nullptr;
};

// Up and down arrows over the common controls' up-down class. Stand-alone,
// it counts its own Position from MinValue to MaxValue and shows it in its
// associated field, whose Up and Down keys step it too; it moves to the
// field's right edge, inside the field's old width. As a TSpinEdit's arrows
// it only tells the spin edit to step.
class TUpDown : public TWidget {
 public:
  explicit TUpDown(const TUpDownArgs& AArgs);
  TUpDown(TSpinEdit& AEdit, const TWidgetArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::UpDown; }

  int32_t Position() const;
  void SetPosition(int32_t AValue);
  TWidget* Associate() const { return FAssociate; }
  // Attaches to AField (null: detaches from the field it has).
  void SetAssociate(TWidget* AField);

  // The position changed by the arrows or the keys (stand-alone only).
  TNotifyEvent OnChange;

 protected:
  LRESULT Notification(const NMHDR& AHeader) override;
  void Scroll(WORD ACode, WORD APosition) override;
  void WindowRecreated() override;

 private:
  TSpinEdit* FEdit = nullptr;  // set for a spin edit's arrows
  TWidget* FAssociate = nullptr;
  int32_t FMin = 0;
  int32_t FMax = 100;
  int32_t FPosition = 0;
  int32_t FIncrement = 1;
};

struct TSpinEditArgs {
  TWidgetArgs Widget;  // Width includes the arrows
  int32_t MinValue = 0;
  int32_t MaxValue = 100;
  int32_t Increment = 1;
  int32_t Value = 0;
};

// Text that is no number counts as 0 (limited to the range); when the focus
// leaves the field a number outside the range is replaced by the nearest
// limit (which changes the text, so OnChange runs once more).
class TSpinEdit : public TEdit {
 public:
  explicit TSpinEdit(const TSpinEditArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::SpinEdit; }

  int32_t Value() const;
  void SetValue(int32_t AValue);
  int32_t MinValue() const { return FMin; }
  int32_t MaxValue() const { return FMax; }
  TUpDown& Arrows() { return *FArrows; }

 protected:
  void DoExit() override;

 private:
  friend class TUpDown;
  void Step(int ADirection);
  void CheckOnExit();

  int32_t FMin;
  int32_t FMax;
  int32_t FIncrement;
  std::unique_ptr<TUpDown> FArrows;
};

}  // namespace ui

#endif  // QUILLORY_UI_EDIT_H_
