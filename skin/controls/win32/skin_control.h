// The control wrappers' bases. A wrapper sits in front of one control's
// window procedure, lets the control do its own work and paints it again
// from the skin. TzelSkinControlVCL takes the place of a toolkit widget's
// replaceable WindowProc; TzelSkinControlWnd that of a native window's
// procedure, through a small executable thunk that carries the object.
// Removing the wrapper gives the control its procedure back unchanged.
//
// Dispatch of every message (both kinds): while the engine is being
// destroyed or is not really active, or the control's Tag is the
// DisabledTag (toolkit), the message goes to the saved procedure only.
// Otherwise scroll-thumb tracking runs (toolkit), then PreProcess decides
// whether the saved procedure handles the message, then AfterProcess runs
// unless teardown has begun.
//
// Wrappers are made with MakeSkinControl<T>(...), which installs them and
// calls Init once the object is complete.
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CONTROL_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CONTROL_H_

#include <windows.h>
// (commctrl.h needs windows.h first)
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "skin/controls/skin_host.h"
#include "skin/draw/geometry.h"
#include "ui/widget.h"

namespace skin {

class TDibSurface;

// One message as the wrappers see it; Result is what the dispatcher
// answers.
struct TSkinMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result = 0;
};

// Bits of m_MouseState.
inline constexpr unsigned kMouseHot = 1;
inline constexpr unsigned kMousePressed = 2;

class TzelSkinControl : public TzelSkinCtrlObject {
 public:
  ~TzelSkinControl() override = default;
  TzelSkinControl(const TzelSkinControl&) = delete;
  TzelSkinControl& operator=(const TzelSkinControl&) = delete;

  // The virtual operations, in slot order.
  // True when the control's own procedure is to handle AMessage.
  virtual bool PreProcess(TSkinMessage& AMessage);
  virtual void AfterProcess(TSkinMessage& AMessage);
  virtual void Paint() {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown() {}
  virtual void MouseUp() {}
  virtual void KeyDown(WPARAM /*AKey*/) {}
  virtual void KeyUp(WPARAM /*AKey*/) {}
  // On attach and whenever the engine is switched or the skin changes.
  void SkinStateChanged() override {}
  virtual void Init() {}
  void BeforeDestroy() override { m_Destroying = true; }
  virtual RECT GetClientRect() const = 0;
  virtual HWND GetHandle() const = 0;
  virtual bool GetEnabled() const = 0;
  // The control takes its parent's (skinned) colour.
  virtual bool ParentColor() const { return false; }

  bool Hot() const { return (m_MouseState & kMouseHot) != 0; }
  bool Pressed() const { return (m_MouseState & kMousePressed) != 0; }
  bool Destroying() const { return m_Destroying; }
  TzelSkinHost& Engine() const { return *m_Engine; }
  // Keeps AHost (the engine's answers) for the wrapper's life.
  void AdoptHost(std::unique_ptr<TzelSkinHost> AHost) { m_OwnedHost = std::move(AHost); }

 protected:
  TzelSkinControl(TzelSkinHost& AEngine, void* ASkinWnd)
      : m_SkinWnd(ASkinWnd), m_Engine(&AEngine) {}

  // Paint, only while the engine is really active.
  void Repaint();
  // Copies ABuf to the control: into the paint DC during WM_PAINT, else
  // into the window's client DC.
  void PaintBitmap(const TDibSurface& ABuf, POINT APosition);
  // Paints a push button of ALook in AFont into a buffer and copies it to
  // the control; picture AImageIndex of AImages (when given) goes where the
  // layout places ALook.Glyph.Picture.
  void PaintPushButtonLook(const struct TPushButtonLook& ALook, HFONT AFont,
                           HIMAGELIST AImages = nullptr, int AImageIndex = -1);
  // Answers WM_PAINT with begin paint, Paint, end paint (result 0).
  void OwnerPaint(TSkinMessage& AMessage);
  // For a control the wrapper paints wholly: answers WM_PAINT (OwnerPaint)
  // and WM_ERASEBKGND (1, nothing erased). True when AMessage was one of
  // them, so that the control does not get it.
  bool AnswerOwnerPaint(TSkinMessage& AMessage);
  // Runs APaint on a buffer of the control's client size (nothing for an
  // empty client) and copies the buffer to the control in one step.
  void PaintBuffered(const std::function<void(TDibSurface& ABuf, TSize ASize)>& APaint);
  // The DC Paint draws on during WM_PAINT, else null.
  HDC PaintDc() const { return m_PaintDc; }

  void* m_SkinWnd;  // the window wrapper that owns this one, not owned
  TzelSkinHost* m_Engine;
  unsigned m_MouseState = 0;
  bool m_Destroying = false;

 private:
  HDC m_PaintDc = nullptr;
  std::unique_ptr<TzelSkinHost> m_OwnedHost;
};

// A toolkit control's wrapper.
class TzelSkinControlVCL : public TzelSkinControl {
 public:
  ~TzelSkinControlVCL() override;

  RECT GetClientRect() const override;
  HWND GetHandle() const override { return m_Control->Handle(); }
  bool GetEnabled() const override { return m_Control->Enabled(); }
  ui::TWidget& Control() const { return *m_Control; }

  // Puts the control's saved window method back (the window wrapper does so
  // before freeing the wrapper); idempotent.
  void Uninstall();

 protected:
  TzelSkinControlVCL(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd)
      : TzelSkinControl(AEngine, ASkinWnd), m_Control(&AControl) {}
  LRESULT Dispatch(UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  ui::TWidget::TWndProc m_OldWndProc;
  ui::TWidget* m_Control;

 private:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  void Install();
  bool m_Installed = false;
};

// A native window's wrapper.
class TzelSkinControlWnd : public TzelSkinControl {
 public:
  ~TzelSkinControlWnd() override;

  RECT GetClientRect() const override;
  HWND GetHandle() const override { return m_CtrlWnd; }
  bool GetEnabled() const override { return IsWindowEnabled(m_CtrlWnd) != FALSE; }

  // Puts the saved window procedure back while the window exists and still
  // has the thunk; idempotent.
  void Uninstall();
  // The saved procedure with AMessage.
  LRESULT CallOld(const TSkinMessage& AMessage) const;

 protected:
  TzelSkinControlWnd(HWND ACtrlWnd, TzelSkinHost& AEngine, void* ASkinWnd)
      : TzelSkinControl(AEngine, ASkinWnd), m_CtrlWnd(ACtrlWnd) {}
  LRESULT Dispatch(UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  WNDPROC m_OldWndProc = nullptr;
  WNDPROC m_NewWndProc = nullptr;  // the thunk
  HWND m_CtrlWnd;

 private:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  static LRESULT CALLBACK ThunkTarget(TzelSkinControlWnd* ASelf, UINT AMessage, WPARAM AWParam,
                                      LPARAM ALParam);
  void Install();
  void* m_Thunk = nullptr;
};

// Makes a wrapper, installs it on its control and calls Init.
template <class T, class... A>
std::unique_ptr<T> MakeSkinControl(A&&... AArgs) {
  std::unique_ptr<T> wrapper(new T(std::forward<A>(AArgs)...));
  wrapper->Install();
  wrapper->Init();
  return wrapper;
}

// The window text of AWindow.
std::u16string WindowText16(HWND AWindow);

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CONTROL_H_
