// The list view's wrapper: the scroll family's border and overlays, and
// the header window of the report view subclassed (m_Header, its previous
// procedure m_OldProc) so that, while the engine is active, the wrapper
// paints the header itself (see PaintHeader) on WM_PAINT and again after
// each HDM_SETITEM. The header's procedure comes back with the wrapper's
// removal, unless the list view is being destroyed.
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_LIST_VIEW_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_LIST_VIEW_H_

#include "skin/controls/win32/skin_scroll.h"

namespace skin {

class TzelSkinListView : public TzelSkinScrollWinControl {
 public:
  ~TzelSkinListView() override;
  void Init() override;
  void AfterProcess(TSkinMessage& AMessage) override;
  void SkinStateChanged() override;

  HWND Header() const { return m_Header; }
  // Paints the header from the skin (onto ADc, or its window when null).
  void PaintHeaderNow(HDC ADc = nullptr);

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinListView(ui::TWidget& AControl, TzelSkinHost& AEngine, const TzelSkinScrollBtnRes& ARes,
                   void* ASkinWnd = nullptr)
      : TzelSkinScrollWinControl(AControl, AEngine, ARes, ASkinWnd) {}

 private:
  static LRESULT CALLBACK HeaderProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  LRESULT HeaderMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  bool Skinning() const;
  void HookHeader();
  void ReleaseHeader();

  HWND m_Header = nullptr;
  WNDPROC m_OldProc = nullptr;
  HWND m_Handle = nullptr;  // the list view
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_LIST_VIEW_H_
