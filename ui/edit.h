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

// The arrows of a TSpinEdit; the field is their buddy, so the Up and Down
// keys in the field step it too.
class TUpDown : public TWidget {
 public:
  TUpDown(TSpinEdit& AEdit, const TWidgetArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::UpDown; }

 protected:
  LRESULT Notification(const NMHDR& AHeader) override;
  void WindowRecreated() override;

 private:
  TSpinEdit& FEdit;
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
