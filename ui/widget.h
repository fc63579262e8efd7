// The base of every widget of the toolkit: an object that owns one window.
//
// A widget is created from a struct of arguments, keeps its window for its
// whole life and destroys it with itself. Events are public std::function
// members (OnClick, OnChange, ...); the window's messages reach the widget
// through WindowProc, which starts out as the widget's own handler and may
// be replaced by code that wants to see or change the messages first (it
// keeps the previous value and calls it for what it does not handle itself).
//
// Every widget also carries what a painter of its look needs to know: its
// class with ancestry, a Tag, its colour and whether it takes its parent's,
// its font with colour and whether it takes its parent's, and its caption.
//
// Exceptions thrown by handlers stop at the window procedure: the form shows
// them in the application's error box and the program goes on.
//
// Thread safety: a widget belongs to the thread that created it.
#ifndef QUILLORY_UI_WIDGET_H_
#define QUILLORY_UI_WIDGET_H_

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/gdi.h"
#include "ui/widget_class.h"

namespace ui {

class TForm;

using TNotifyEvent = std::function<void()>;

// What every widget is created with. Positions are in the parent's client
// coordinates.
struct TWidgetArgs {
  class TWidget* Parent = nullptr;  // nullptr only for forms
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::string Caption;  // UTF-8
  int Tag = 0;
};

class TWidget {
 public:
  using TWndProc = std::function<LRESULT(UINT AMessage, WPARAM AWParam, LPARAM ALParam)>;

  virtual ~TWidget();
  TWidget(const TWidget&) = delete;
  TWidget& operator=(const TWidget&) = delete;

  // The widget's class; see TWidgetClass.
  virtual const TWidgetClass& Class() const { return classes::Widget; }

  // The widget that owns AWindow, or nullptr.
  static TWidget* FromHandle(HWND AWindow);

  HWND Handle() const { return FHandle; }
  TWidget* Parent() const { return FParent; }
  const std::vector<TWidget*>& Children() const { return FChildren; }
  // The form this widget sits on (the form itself for a form).
  TForm* Form() const { return FForm; }

  int Tag() const { return FTag; }
  void SetTag(int ATag) { FTag = ATag; }

  // The colour the widget paints its background with: its own, or its
  // parent's while ParentColor is on.
  TColor Color() const;
  void SetColor(TColor AColor);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool AOn);

  // The font (with its colour): its own, or its parent's while ParentFont is
  // on. Changing a font reaches the children that take their parent's.
  const TFont& Font() const;
  void SetFont(const TFont& AFont);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool AOn);
  // The GDI font of Font(), made on first use.
  HFONT FontHandle();

  // The caption (window text), UTF-8.
  std::string Caption() const;
  virtual void SetCaption(const std::string& ACaption);

  // Position and size in the parent's client coordinates.
  RECT BoundsRect() const;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

  bool Visible() const;
  void SetVisible(bool AVisible);
  void Invalidate();
  // Invalidates and paints at once, for code that does not return to the
  // message loop soon.
  void Repaint();
  void SetFocus();
  // Puts the widget above its siblings.
  void BringToFront();

  // The window procedure of this widget; see the file comment.
  TWndProc WindowProc;
  // What the window would do with a message without this widget: the
  // native control's procedure, or the system's default.
  LRESULT DefaultHandler(UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  // The keyboard focus moved from this widget, or a widget inside it, to a
  // widget outside it.
  TNotifyEvent OnExit;

  // Paints this widget's background into ADc, in client coordinates, as a
  // transparent child sees it through itself (the part in ARect at least).
  virtual void PaintBackground(HDC ADc, const RECT& ARect);

 protected:
  explicit TWidget(const TWidgetArgs& AArgs);

  // Makes the window: a native control of window class AClassName
  // (subclassed), or a window of the toolkit's own class named
  // AOwnClassName when AClassName is nullptr. Children get WS_CHILD.
  void CreateHandle(const wchar_t* AClassName, DWORD AStyle, DWORD AExStyle,
                    const wchar_t* AOwnClassName = L"TWidget");

  // Destroys the window now (children included); see TForm.
  void DestroyHandle() {
    if (FHandle) DestroyWindow(FHandle);
  }

  // The widget's own message handling; the default of WindowProc.
  virtual LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  // A WM_COMMAND notification of this widget's native control (sent to its
  // parent and handed on here).
  virtual void CommandNotification(WORD /*ACode*/) {}
  // A WM_NOTIFY notification of this widget's native control.
  virtual LRESULT Notification(const NMHDR& /*AHeader*/) { return 0; }
  // WM_DRAWITEM for an owner-drawn native control.
  virtual void DrawItem(const DRAWITEMSTRUCT& /*AItem*/) {}
  // The focus left this widget (see OnExit); the default runs OnExit.
  virtual void DoExit() {
    if (OnExit) OnExit();
  }
  // The effective font changed; the default tells the window (WM_SETFONT).
  virtual void FontChanged();
  // Paints what the parent shows behind this widget's client area.
  void PaintParentBackground(HDC ADc);

 private:
  static LRESULT CALLBACK StaticWndProc(HWND AWindow, UINT AMessage, WPARAM AWParam,
                                        LPARAM ALParam);
  LRESULT Dispatch(UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  void PropagateFontChange();

  HWND FHandle = nullptr;
  WNDPROC FNativeProc = nullptr;  // set for subclassed native controls
  TWidget* FParent;
  TForm* FForm;
  std::vector<TWidget*> FChildren;
  TWidgetArgs FInitial;  // geometry and caption until the window exists
  int FTag;
  TColor FColor = TColor::System(COLOR_BTNFACE);
  bool FParentColor;
  TFont FFont;
  bool FParentFont;
  TFontHandle FFontHandle;

  friend class TForm;
};

}  // namespace ui

#endif  // QUILLORY_UI_WIDGET_H_
