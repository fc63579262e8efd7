// Wrappers of bar-like controls: progress bars and track bars (painted
// wholly by the wrapper), speed buttons, tool bars (toolkit and native),
// status bars (the size grip) and group boxes (frame and caption over the
// control's own painting).
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BARS_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BARS_H_

#include "skin/controls/win32/skin_control.h"

namespace skin {

// A toolkit control the wrapper paints wholly: WM_PAINT is answered with
// begin paint, Paint, end paint; WM_ERASEBKGND with 1 without erasing.
class TzelSkinPaintedControl : public TzelSkinControlVCL {
 public:
  bool PreProcess(TSkinMessage& AMessage) override;

 protected:
  TzelSkinPaintedControl(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}
};

// A progress bar from the skin's four progress pieces (turned left for
// vertical bars); repaints after the position or range changes.
class TzelSkinProgressBar : public TzelSkinPaintedControl {
 public:
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  using TzelSkinPaintedControl::TzelSkinPaintedControl;
};

// A track bar: the channel image m_BarImg ("SKIN2_TRACKBAR", turned left
// for vertical bars, taken whenever the skin state changes) along the
// control's channel and the thumb image over the control's thumb, on the
// parent's colour. Focus changes repaint.
class TzelSkinTrackBar : public TzelSkinPaintedControl {
 public:
  void Init() override { SkinStateChanged(); }
  void SkinStateChanged() override;
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;
  const TBitmap& BarImg() const { return m_BarImg; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  using TzelSkinPaintedControl::TzelSkinPaintedControl;

 private:
  bool Vertical() const;
  TBitmap m_BarImg;
};

// A speed button, painted on its parent's colour: with the engine's
// DrawSpeedButtonAsBitBtn the push button's state frame, else a tool
// button face (down, hot or the form colour); then the toolkit's glyph and
// caption layout. The pointer's arrival makes it hot and starts a 286 ms
// timer that ends the hot state once the pointer has left. A button whose
// Tag is kOwnLookTag keeps its own painting and only gets a 2-pixel frame in
// the button-face colour with a left line in "SKIN2_CONTROLBORDERCOLOR".
class TzelSkinSpeedButton : public TzelSkinControlVCL {
 public:
  ~TzelSkinSpeedButton() override;
  bool PreProcess(TSkinMessage& AMessage) override;
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;
  void MouseEnter() override;

  static constexpr std::int64_t kOwnLookTag = 999999;
  static constexpr UINT_PTR kHotTimer = 0x5EB8;
  static constexpr UINT kHotTimerMs = 286;
  bool HasTimer() const { return m_Timer; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinSpeedButton(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}

 private:
  bool OwnLook() const { return m_Control->Tag() == kOwnLookTag; }
  void StopTimer();
  void PaintOwnLookFrame();
  bool m_Timer = false;
};

// A tool bar: its Flat and Color are saved (m_OldFlat, m_OldColor) and put
// back when the engine is inactive or the wrapper goes; while active it is
// flat and painted by the wrapper: the skin's tool bar background, hot and
// down buttons as tool button faces, then each button's picture and text.
class TzelSkinToolBar : public TzelSkinPaintedControl {
 public:
  ~TzelSkinToolBar() override;
  void SkinStateChanged() override;
  void Paint() override;
  bool ParentColor() const override { return true; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinToolBar(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr);

 private:
  void Restore();
  bool m_OldFlat;
  ui::TColor m_OldColor;
  bool m_OldParentColor;
  bool m_Changed = true;  // attaching takes the parent's colour
};

// A status bar: takes its parent's colour; when its size grip shows, the
// grip is drawn again as diagonal ridges over the control's colour.
class TzelSkinStatusBar : public TzelSkinControlVCL {
 public:
  void Paint() override;
  bool ParentColor() const override { return true; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinStatusBar(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}
};

// A group box: takes its parent's colour; after its own painting the frame
// (from half the caption's height down) is drawn in
// "SKIN2_CONTROLBORDERCOLOR" and the caption 8 pixels from the left (right
// for right-to-left reading) in "SKIN2_CONTROLFONTCOLOR".
class TzelSkinGroupBox : public TzelSkinControlVCL {
 public:
  void Paint() override;
  bool ParentColor() const override { return true; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinGroupBox(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}
};

// A native tool bar: on the 9x family of Windows it gets the flat and
// transparent tool bar styles; otherwise the base behaviour.
class TzelSkinWndToolbarWindow32 : public TzelSkinControlWnd {
 public:
  void Init() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinWndToolbarWindow32(HWND ACtrlWnd, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlWnd(ACtrlWnd, AEngine, ASkinWnd) {}
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BARS_H_
