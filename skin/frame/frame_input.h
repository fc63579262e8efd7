// The frame's answers to the mouse: what WM_NCHITTEST returns for each part
// of the frame, the caption buttons' press-and-release tracking, and the
// action each click and double click asks for. Pure decisions: the window
// wrapper carries the actions out.
//
// Thread safety: TCaptionButtonTracker belongs to its window's thread; the
// functions are pure.
#ifndef QUILLORY_SKIN_FRAME_FRAME_INPUT_H_
#define QUILLORY_SKIN_FRAME_FRAME_INPUT_H_

#include "skin/frame/frame_metrics.h"
#include "skin/frame/paint_frame.h"

namespace skin {

// The parts of a window, as WM_NCHITTEST names them (HTCLIENT, HTCAPTION,
// ...); the Win32 side maps them to the HT values.
enum class THitTest {
  Nowhere,
  Client,
  Caption,
  SysMenu,
  MinButton,
  MaxButton,
  Close,
  Help,
  Menu,
  Left,
  Right,
  Top,
  TopLeft,
  TopRight,
  Bottom,
  BottomLeft,
  BottomRight,
  Border,
};

// How far from each end of an edge a resize corner reaches, and the top
// resize edge's height.
inline constexpr int kResizeCorner = 16;
inline constexpr int kTopResizeEdge = 4;

// The part of a window AWindowSize large under APoint (window coordinates),
// ATitle being its title layout. Sizeable normal windows resize at their
// borders and along the top 4 rows; where the skin's buttons start within
// those rows (button top at most 3), points from the button top to row 7
// between ATitle.TitleBtnLeft and the buttons' right end belong to the
// caption instead. Title rows give the caption buttons, the icon
// (SysMenu) and the caption; menu rows Menu; other frame pixels Border.
THitTest FrameHitTest(const TSkinMetrics& AMetrics, const TFrameState& AState, TSize AWindowSize,
                      const TTitleLayout& ATitle, TPoint APoint);

// What the frame asks the window to do (each a WM_SYSCOMMAND, or the
// system menu opened below the icon or at the pointer).
enum class TFrameAction {
  None,
  SystemMenuBelowIcon,
  SystemMenuAtPointer,
  Close,
  ContextHelp,
  Maximize,
  Minimize,
  Restore,
};

// The action of a click on AElement: close; help; maximise/restore:
// restore when minimised or maximised, maximise when the window may be
// maximised, else none; minimise: restore when minimised, else minimise;
// the icon: the system menu below it.
TFrameAction ElementAction(TFrameElement AElement, const TFrameState& AState);

// A double click. On the icon: close. On the caption (not on a button):
// restore a minimised or maximised window, maximise one that may be, else
// nothing. Anywhere else PassAsNowhere: the system must not act on it.
struct TDoubleClick {
  TFrameAction Action = TFrameAction::None;
  bool PassAsNowhere = false;
};
TDoubleClick DoubleClickAction(THitTest AHit, TFrameElement AElement, const TFrameState& AState);

// A right button press: the system menu at the pointer on the caption, not
// on a caption button or the icon.
TFrameAction RightButtonAction(THitTest AHit, TFrameElement AElement);

// The system menu's top-left corner when opened below the icon: the client
// area's top-left corner (screen coordinates), moved right onto the work
// area when left of it, and 24 - title height lower for a minimised window.
TPoint SystemMenuPosition(TPoint AClientTopLeft, const TRect& AWorkArea, bool AMinimized,
                          int ATitleHeight);

// The caption buttons' press tracking. A press on a button (or the icon)
// marks it; the release acts only on the element that was pressed, and a
// pointer leaving the buttons forgets the press.
class TCaptionButtonTracker {
 public:
  // WM_NCMOUSEMOVE: AElement is now under the pointer. True when the frame
  // must be repainted (hover changed or a press was forgotten).
  bool Move(TFrameElement AElement);

  // WM_NCLBUTTONDOWN at AElement. True when the press must reach the system
  // as HTNOWHERE: on a caption button or the icon, or on the caption of a
  // maximised window that fills its work area (which must not move).
  bool Down(TFrameElement AElement, THitTest AHit, bool AMaximizedFillingWorkArea);

  // WM_NCLBUTTONUP at AElement: the action, when it is the pressed one.
  TFrameAction Up(TFrameElement AElement, const TFrameState& AState);

  // The press is forgotten (after a double click, or the pointer leaving).
  void Forget();

  TFrameElement Hot() const { return FHot; }
  TFrameElement Pressed() const { return FPressed; }
  bool MouseDown() const { return FMouseDown; }

  // The pointer for PaintFrame: a button shows pressed only while it is
  // the pressed one and under the pointer.
  TFramePointer PaintPointer(std::optional<TPoint> AAt) const;

 private:
  TFrameElement FHot = TFrameElement::None;
  TFrameElement FPressed = TFrameElement::None;
  bool FMouseDown = false;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_FRAME_FRAME_INPUT_H_
