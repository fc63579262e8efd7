// The base of every widget of the toolkit: a component that owns one window.
//
// A widget is created from a struct of arguments, keeps its window for its
// whole life and destroys it with itself. Events are public std::function
// members (OnClick, OnChange, ...).
//
// Messages: the window is hooked through the stacking subclass chain (see
// ui/subclass.h); the toolkit's link passes each message to WindowProc,
// which starts out as the widget's own handler (HandleMessage) and may be
// replaced by code that wants to see or change messages first. Notifications
// a parent receives on a child's behalf reach the child as CN_* messages, and
// the toolkit's notifications (CM_*, ui/messages.h) are sent to the window
// once per real change, so both pass every hook. The toolkit's own handling
// of focus (WM_SETFOCUS, WM_KILLFOCUS) lives in HandleMessage, so a hook that
// withholds those messages withholds it too; WM_NCDESTROY is finished after
// WindowProc in any case. A window is mapped to its widget by a window
// property, never by the user-data slot.
//
// Every widget carries what a painter of its look needs to know, readable by
// property name as well (see TComponent): its class with ancestry, Tag,
// colour and whether it takes its parent's, font with colour and whether it
// takes its parent's, caption, and so on.
//
// Ownership: the owner is AArgs.Owner, else the form the widget sits on.
// Destroying a parent's window destroys the children's windows; the child
// widgets then have no window (Handle() is null) and no parent.
//
// Exceptions thrown by handlers stop at the window procedure: the form shows
// them in the application's error box and the program goes on.
//
// Thread safety: a widget belongs to the thread that created it.
#ifndef QUILLORY_UI_WIDGET_H_
#define QUILLORY_UI_WIDGET_H_

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/gdi.h"
#include "ui/messages.h"
#include "ui/subclass.h"
#include "ui/widget_class.h"

namespace ui {

class TForm;

using TNotifyEvent = std::function<void()>;

// Minimum and maximum sizes; 0 means no limit.
struct TSizeConstraints {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  bool operator==(const TSizeConstraints&) const = default;
};

// Bits of the Anchors set.
enum TAnchor : int64_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

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
  std::string Name = {};
  TComponent* Owner = nullptr;  // nullptr: the parent's form
};

class TWidget : public TComponent {
 public:
  using TWndProc = std::function<LRESULT(UINT AMessage, WPARAM AWParam, LPARAM ALParam)>;

  ~TWidget() override;

  const TWidgetClass& Class() const override { return classes::Control; }

  // The widget that owns AWindow, or nullptr (also for windows the toolkit
  // did not create).
  static TWidget* FromHandle(HWND AWindow);

  HWND Handle() const { return FHandle; }
  TWidget* Parent() const { return FParent; }
  const std::vector<TWidget*>& Children() const { return FChildren; }
  // The form this widget sits on (the form itself for a form).
  TForm* Form() const { return FForm; }

  // The colour the widget paints its background with: its own, or its
  // parent's while ParentColor is on. Native controls paint it too.
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

  // The widget's own visibility flag (its parent may still hide it).
  bool Visible() const;
  void SetVisible(bool AVisible);
  bool Enabled() const;
  void SetEnabled(bool AEnabled);
  bool TabStop() const;
  void SetTabStop(bool AOn);
  bool DoubleBuffered() const { return FDoubleBuffered; }
  virtual void SetDoubleBuffered(bool AOn);
  // Which edges of the parent the widget keeps its distance to when the
  // parent's size changes (akRight or akBottom without the opposite edge
  // moves it; with it, stretches it). The distances are those at the time
  // of the call.
  int64_t Anchors() const { return FAnchors; }
  void SetAnchors(int64_t AAnchors);
  const TSizeConstraints& Constraints() const { return FConstraints; }
  void SetConstraints(const TSizeConstraints& AConstraints) { FConstraints = AConstraints; }
  bool Focused() const { return FHandle && GetFocus() == FHandle; }
  // Whether the widget can take the focus: window, visible and enabled up to
  // its form.
  bool CanFocus() const;

  void Invalidate();
  // Invalidates and paints at once, for code that does not return to the
  // message loop soon.
  void Repaint();
  void SetFocus();
  // Puts the widget above its siblings (first in the tab order).
  void BringToFront();
  // Sends a message to the window (0 without a window).
  LRESULT Perform(UINT AMessage, WPARAM AWParam = 0, LPARAM ALParam = 0);
  // Makes the window anew with its current styles, text and place, and the
  // windows of the widgets inside it, and sends CM_RECREATEWND to each new
  // window. WindowProc stays; hooks on the old windows go with them (they
  // see WM_NCDESTROY) and hook the new ones on CM_RECREATEWND if they wish.
  void RecreateWnd();

  // Puts a hook in front of this widget's window (see ui/subclass.h).
  bool Subclass(uintptr_t AId, TSubclassHandler AHandler);
  bool Unsubclass(uintptr_t AId);

  // The window procedure of this widget; see the file comment.
  TWndProc WindowProc;
  // What the window would do with a message without this widget: the
  // native control's procedure, or the system's default.
  virtual LRESULT DefaultHandler(UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  // The keyboard focus moved from this widget, or a widget inside it, to a
  // widget outside it.
  TNotifyEvent OnExit;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // Paints this widget's background into ADc, in client coordinates, as a
  // transparent child sees it through itself (the part in ARect at least).
  virtual void PaintBackground(HDC ADc, const RECT& ARect);

 protected:
  explicit TWidget(const TWidgetArgs& AArgs);

  // Makes the window: a native control of window class AClassName, or a
  // window of the toolkit's own class named AOwnClassName when AClassName is
  // nullptr. Children get WS_CHILD.
  void CreateHandle(const wchar_t* AClassName, DWORD AStyle, DWORD AExStyle,
                    const wchar_t* AOwnClassName = L"TWidget");

  // Destroys the window now (children included); see TForm.
  void DestroyHandle() {
    if (FHandle) DestroyWindow(FHandle);
  }

  // The widget's own message handling; the default of WindowProc.
  virtual LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  // Reflected notifications of this widget's native control.
  virtual void CommandNotification(WORD /*ACode*/) {}
  virtual LRESULT Notification(const NMHDR& /*AHeader*/) { return 0; }
  virtual void DrawItem(const DRAWITEMSTRUCT& /*AItem*/) {}
  virtual void MeasureItem(MEASUREITEMSTRUCT& /*AItem*/) {}
  virtual void Scroll(WORD /*ACode*/, WORD /*APosition*/) {}
  // WM_CTLCOLOR* of this widget's control: the brush to paint it with. The
  // default paints the widget's Color and font colour.
  virtual HBRUSH ControlColor(HDC ADc);
  // The access key AKey (upper case) was pressed; true when taken. The
  // default takes it when the caption marks it, and focuses the widget.
  virtual bool DialogChar(wchar_t AKey);
  // The focus left this widget (see OnExit); the default runs OnExit.
  virtual void DoExit() {
    if (OnExit) OnExit();
  }
  // The effective font changed; the default tells the window (WM_SETFONT).
  virtual void FontChanged();
  // The window was made anew (RecreateWnd): puts back what only the window
  // kept (items, ranges, buddies).
  virtual void WindowRecreated() {}
  // The window text may have changed: CM_TEXTCHANGED when it really did.
  void CheckTextChanged();
  // Paints what the parent shows behind this widget's client area (asks the
  // parent by CM_PAINTBACKGROUND).
  void PaintParentBackground(HDC ADc);

  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  static LRESULT CALLBACK OwnClassProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  void Attach(HWND AWindow, WNDPROC AOriginal);
  LRESULT Dispatch(UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  bool Reflect(UINT AMessage, WPARAM AWParam, LPARAM ALParam, LRESULT& AResult);
  void PropagateFontChange(const TFont& AOld);
  void PropagateColorChange(TColor AOld);
  void WindowGone();
  void ReleaseWindow();
  void CheckVisibleChanged();
  // The parent's client area is now AWidth x AHeight: follow the anchors.
  void ApplyAnchors(int AWidth, int AHeight);

  HWND FHandle = nullptr;
  std::wstring FWindowClass;      // of the window made last
  WNDPROC FNativeProc = nullptr;  // what the window did before the toolkit
  TWidget* FParent;
  TForm* FForm;
  std::vector<TWidget*> FChildren;
  TWidgetArgs FInitial;  // geometry and caption until the window exists
  TColor FColor = TColor::System(COLOR_BTNFACE);
  bool FParentColor;
  TFont FFont;
  bool FParentFont;
  TFontHandle FFontHandle;
  TBrushHandle FColorBrush;  // for ControlColor
  TColor FColorBrushColor = TColor::System(COLOR_BTNFACE);
  std::wstring FLastText;  // the text of the last CM_TEXTCHANGED
  bool FMouseInside = false;
  bool FAnnouncedVisible = false;  // the visibility of the last CM_VISIBLECHANGED
  bool FOwnWindow = false;         // of the toolkit's own window class
  bool FDoubleBuffered = false;
  int64_t FAnchors = akLeft | akTop;
  int FAnchorRight = 0;   // distance to the parent's right edge when anchored
  int FAnchorBottom = 0;  // distance to the parent's bottom edge when anchored
  int64_t FBevelEdges = 15;
  TSizeConstraints FConstraints;

  friend class TForm;
};

}  // namespace ui

#endif  // QUILLORY_UI_WIDGET_H_
