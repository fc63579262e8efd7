// Wrappers of tab controls (toolkit tab and page controls, native
// SysTabControl32 windows). Both are owner-painted: the wrapper answers
// WM_PAINT and WM_ERASEBKGND and paints the whole control from the skin
// into one buffer (see PaintSkinnedTabs). The native wrapper also sets the
// tabs' height to the skin's tab image while the engine is active and
// gives the control its own height back (m_OldTabHeight) when inactive or
// removed.
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_TABS_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_TABS_H_

#include "skin/controls/paint_tabs.h"
#include "skin/controls/win32/skin_control.h"

namespace skin {

// The side ATab's tabs sit on, from its window styles.
TTabSide TabSideOf(HWND ATab);

// Paints the tab control ATab onto ADc (a DC of its client area): a buffer
// of the form colour, the page outline, every tab with a non-empty
// rectangle (its face, image and caption), the line along the page edge,
// then one copy to ADc, leaving the control's visible child windows alone.
void PaintSkinnedTabs(HWND ATab, HDC ADc, const TzelSkinHost& AEngine);

class TzelSkinTabControl : public TzelSkinControlVCL {
 public:
  bool PreProcess(TSkinMessage& AMessage) override;
  void Paint() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinTabControl(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}
};

class TzelSkinWndTabControl : public TzelSkinControlWnd {
 public:
  ~TzelSkinWndTabControl() override;
  bool PreProcess(TSkinMessage& AMessage) override;
  void Paint() override;
  void SkinStateChanged() override;
  // The control's own tab height while the skin's is set, else 0.
  int OldTabHeight() const { return m_OldTabHeight; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinWndTabControl(HWND ACtrlWnd, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlWnd(ACtrlWnd, AEngine, ASkinWnd) {}

 private:
  void RestoreTabHeight();
  int m_OldTabHeight = 0;
  int m_OldTabWidth = 0;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_TABS_H_
