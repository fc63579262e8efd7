// A status bar over the common controls' msctls_statusbar32 class, along
// the bottom of its parent: panels of given widths (the last one takes the
// rest) or one simple text, and a size grip when asked.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_STATUS_BAR_H_
#define QUILLORY_UI_STATUS_BAR_H_

#include <string>
#include <vector>

#include "ui/widget.h"

namespace ui {

struct TStatusPanel {
  std::string Text;
  int Width = 100;  // pixels; the last panel's width is ignored
};

struct TStatusBarArgs {
  TWidgetArgs Widget;  // the geometry follows the parent
  std::vector<TStatusPanel> Panels;
  bool SizeGrip = true;
  bool SimplePanel = false;  // one text (Widget.Caption) instead of the panels
};

class TStatusBar : public TWidget {
 public:
  explicit TStatusBar(const TStatusBarArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::StatusBar; }

  int PanelCount() const { return static_cast<int>(FPanels.size()); }
  void SetPanelText(int AIndex, const std::string& AText);
  std::string PanelText(int AIndex) const;
  bool SizeGrip() const { return FSizeGrip; }
  bool SimplePanel() const { return FSimple; }
  void SetSimplePanel(bool AOn);
  // Follows the parent's new size (the parent calls it from its WM_SIZE, or
  // the program after resizing).
  void Realign();

 protected:
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  void ApplyParts();
  std::vector<TStatusPanel> FPanels;
  bool FSizeGrip;
  bool FSimple;
};

}  // namespace ui

#endif  // QUILLORY_UI_STATUS_BAR_H_
