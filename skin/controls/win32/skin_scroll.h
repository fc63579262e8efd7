// The scroll family of control wrappers: controls whose own scroll bars
// are covered by skinned overlay panels (edits, list boxes, tree views,
// scroll boxes, grids, list views and any other custom control), and the
// stand-alone scroll bar.
//
// An overlay is a small child window of the control's parent, laid over
// the system's bar and painted from the skin's scroll images; the control
// keeps its bars and all their logic. A click on the overlay goes to the
// control as the non-client click on its bar (or, over a stand-alone scroll
// bar, as the same click), so the control scrolls itself. While overlays
// are up the control clips its overlapping siblings (WS_CLIPSIBLINGS), so
// that its own painting of the bars does not cover them; the style comes
// back with the wrapper's removal.
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_SCROLL_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_SCROLL_H_

#include <memory>
#include <optional>

#include "skin/controls/paint_scroll_bar.h"
#include "skin/controls/win32/skin_border.h"
#include "skin/reader/zel_skin_res.h"

namespace skin {

class TDibSurface;

// The window of an overlay: shows its buffer, answers the skinned query and
// hands left-button clicks to OnClick.
class TSkinOverlayWindow {
 public:
  virtual ~TSkinOverlayWindow();
  TSkinOverlayWindow(const TSkinOverlayWindow&) = delete;
  TSkinOverlayWindow& operator=(const TSkinOverlayWindow&) = delete;

  HWND Handle() const { return FHandle; }
  bool Visible() const { return FHandle && IsWindowVisible(FHandle); }
  // In the parent's client coordinates.
  RECT Bounds() const;
  void Hide();
  // Puts the window at ABounds on top of its siblings, shows it and paints
  // ALook into its buffer and onto the screen.
  void ShowAt(const TRect& ABounds, const TScrollBarLook& ALook, const TzelSkinSource& ASkin,
              const TzelSkinScrollBtnRes& ARes);

 protected:
  // A child of AParent with the window class AClassName (registered on
  // first use). Throws when the window cannot be made.
  TSkinOverlayWindow(HWND AParent, const wchar_t* AClassName);
  // A left-button message (WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK)
  // on the overlay; APoint in its client coordinates.
  virtual void OnClick(UINT AMessage, WPARAM AWParam, POINT APoint) = 0;

 private:
  static LRESULT CALLBACK WndProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  LRESULT Message(UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  HWND FHandle = nullptr;
  std::unique_ptr<TDibSurface> m_Buf;  // what it shows
};

class TzelSkinScrollWinControl;

// The overlay over one of a control's own scroll bars (m_Type 0 vertical,
// 1 horizontal). Clicks reach the control as WM_NCLBUTTONDOWN, ...UP and
// ...DBLCLK with HTVSCROLL or HTHSCROLL at the click's screen position.
class TzelSkinInternalScrollBar : public TSkinOverlayWindow {
 public:
  TzelSkinInternalScrollBar(ui::TWidget& ACtrl, TzelSkinScrollWinControl& ASkinCtrl, int AType);
  int Type() const { return m_Type; }

 protected:
  void OnClick(UINT AMessage, WPARAM AWParam, POINT APoint) override;

 private:
  ui::TWidget* m_Ctrl;
  TzelSkinScrollWinControl* m_SkinCtrl;
  int m_Type;
};

// The skinned border plus the overlays. Controls that get none (see
// WantsOverlayScrollBars) keep the border only. Overlays follow every paint
// of the control, its scrolling, moves and visibility, and the engine's
// state; with the engine's DrawScrollBar off they stay hidden.
class TzelSkinScrollWinControl : public TzelSkinBorderWinControl {
 public:
  ~TzelSkinScrollWinControl() override;
  void Init() override;
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;
  void SkinStateChanged() override;

  TzelSkinInternalScrollBar* VScroll() const { return m_VScroll.get(); }
  TzelSkinInternalScrollBar* HScroll() const { return m_HScroll.get(); }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinScrollWinControl(ui::TWidget& AControl, TzelSkinHost& AEngine,
                           const TzelSkinScrollBtnRes& ARes, void* ASkinWnd = nullptr)
      : TzelSkinBorderWinControl(AControl, AEngine, ASkinWnd), m_Res(ARes) {}

  void HideScrollBars();
  const TzelSkinScrollBtnRes& m_Res;

 private:
  // Makes both overlays on the control's parent (again, after the windows
  // were made anew), or none when the control gets none.
  void CreateScrollBars();
  // Places one overlay over the control's bar; the bar's rectangle in the
  // parent's coordinates when shown.
  std::optional<TRect> UpdateScrollBar(TzelSkinInternalScrollBar& ABar);
  void UpdateScrollBars();

  std::unique_ptr<TzelSkinInternalScrollBar> m_VScroll;
  std::unique_ptr<TzelSkinInternalScrollBar> m_HScroll;
  bool m_AddedClipSiblings = false;
  bool m_Updating = false;
};

// Grids: as above; while the engine is active the fixed cells take the
// skin's form colour, the saved colour (m_OldFixedColor) comes back when it
// is not and with the wrapper's removal.
class TzelSkinGrid : public TzelSkinScrollWinControl {
 public:
  ~TzelSkinGrid() override;
  void SkinStateChanged() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinGrid(ui::TWidget& AControl, TzelSkinHost& AEngine, const TzelSkinScrollBtnRes& ARes,
               void* ASkinWnd = nullptr)
      : TzelSkinScrollWinControl(AControl, AEngine, ARes, ASkinWnd) {}

 private:
  void RestoreFixedColor();
  std::optional<int64_t> m_OldFixedColor;
};

// The overlay of a stand-alone scroll bar, with the scroll bar's bounds on
// its parent. Clicks reach the scroll bar unchanged (same position: the
// bounds are the same).
class TzelSkinInternalScrollBar2 : public TSkinOverlayWindow {
 public:
  explicit TzelSkinInternalScrollBar2(ui::TWidget& AControl);

 protected:
  void OnClick(UINT AMessage, WPARAM AWParam, POINT APoint) override;

 private:
  ui::TWidget* m_Control;
};

// Stand-alone scroll bars: the overlay (m_Scroll) shown on top while the
// scroll bar is visible, not more than 100 pixels thick and the engine
// active; repainted after the position or range changes, focus changes,
// scrolling and moves.
class TzelSkinScrollBar : public TzelSkinControlVCL {
 public:
  ~TzelSkinScrollBar() override;
  void Init() override;
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;
  void SkinStateChanged() override;

  TzelSkinInternalScrollBar2* Scroll() const { return m_Scroll.get(); }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinScrollBar(ui::TWidget& AControl, TzelSkinHost& AEngine, const TzelSkinScrollBtnRes& ARes,
                    void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd), m_Res(ARes) {}

 private:
  const TzelSkinScrollBtnRes& m_Res;
  std::unique_ptr<TzelSkinInternalScrollBar2> m_Scroll;
  bool m_AddedClipSiblings = false;
  bool m_Updating = false;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_SCROLL_H_
