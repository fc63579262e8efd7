// A page control and its pages: tabs on the top (the default), bottom,
// left or right, in several rows when needed (left and right tabs always
// stand in rows of their own).
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_PAGE_CONTROL_H_
#define QUILLORY_UI_PAGE_CONTROL_H_

#include <vector>

#include "ui/tab_control.h"
#include "ui/widget.h"

namespace ui {

class TTabSheet;

struct TPageControlArgs {
  TWidgetArgs Widget;
  TTabPosition TabPosition = TTabPosition::Top;
  bool MultiLine = true;
};

class TPageControl : public TWidget {
 public:
  // Tabs on the top, in several rows when needed.
  explicit TPageControl(const TWidgetArgs& AArgs) : TPageControl(TPageControlArgs{AArgs}) {}
  explicit TPageControl(const TPageControlArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::PageControl; }

  TTabPosition TabPosition() const { return FTabPosition; }
  bool MultiLine() const;

  const std::vector<TTabSheet*>& Pages() const { return FPages; }
  TTabSheet* ActivePage() const { return FActive; }
  // Brings APage to view; its OnShow runs when the form is visible.
  void SetActivePage(TTabSheet* APage);

  // The client rectangle in which pages are shown.
  RECT DisplayRect() const;

 protected:
  LRESULT Notification(const NMHDR& AHeader) override;
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;
  void WindowRecreated() override;

 private:
  friend class TTabSheet;
  void InsertTab(size_t AIndex, const std::string& ACaption);
  void AddPage(TTabSheet* APage);
  void RemovePage(TTabSheet* APage);
  void LayoutPages();

  TTabPosition FTabPosition;
  std::vector<TTabSheet*> FPages;
  TTabSheet* FActive = nullptr;
};

struct TTabSheetArgs {
  TPageControl* PageControl = nullptr;
  std::string Caption;  // the tab's text
  int Tag = 0;
};

class TTabSheet : public TWidget {
 public:
  explicit TTabSheet(const TTabSheetArgs& AArgs);
  ~TTabSheet() override;
  const TWidgetClass& Class() const override { return classes::TabSheet; }

  TPageControl& PageControl() const { return *FPageControl; }

  // The page came into view.
  TNotifyEvent OnShow;

 private:
  TPageControl* FPageControl;
};

}  // namespace ui

#endif  // QUILLORY_UI_PAGE_CONTROL_H_
