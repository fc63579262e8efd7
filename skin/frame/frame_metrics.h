// The geometry of a skinned window frame: how large the frame is (what the
// window answers to WM_NCCALCSIZE), where the icon, caption and caption
// buttons sit, and where a maximised window goes. All coordinates are
// window-relative (0, 0 is the window's top-left corner) unless a function
// says otherwise.
//
// Thread safety: pure functions over plain values.
#ifndef QUILLORY_SKIN_FRAME_FRAME_METRICS_H_
#define QUILLORY_SKIN_FRAME_FRAME_METRICS_H_

#include <optional>
#include <vector>

#include "skin/draw/geometry.h"
#include "skin/draw/state_frames.h"
#include "skin/frame/skin_metrics.h"

namespace skin {

// The form's border style, as the toolkit names them.
enum class TBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

// The form's border icons.
struct TBorderIcons {
  bool SystemMenu = true;
  bool Minimize = true;
  bool Maximize = true;
  bool Help = false;
};

enum class TWindowShow { Normal, Minimized, Maximized };

// What the frame needs to know of the window besides the skin.
struct TFrameState {
  TBorderStyle Style = TBorderStyle::Sizeable;
  TBorderIcons Icons;
  TWindowShow Show = TWindowShow::Normal;
  bool TitleVisible = true;
  bool BorderVisible = true;
  bool Active = true;         // the window is the active one (caption colour)
  int MenuHeight = 0;         // rows of the menu bar below the title, 0 for none
  int SystemTitleHeight = 0;  // the system's own title height, 0 when unknown
  int CaptionXPos = -10000;   // a fixed caption position; negative: automatic
};

// The caption elements, numbered as the frame remembers the one under the
// pointer: -1 none, 0 icon, 1 close, 2 maximise/restore, 3 minimise, 4 help.
enum class TFrameElement { None = -1, Icon = 0, Close = 1, Maximize = 2, Minimize = 3, Help = 4 };

// One drawn caption button.
struct TCaptionButtonPlace {
  TFrameElement Element = TFrameElement::None;
  TRect Bounds;
  // The first of its three frames (normal; hot +1, pressed +2).
  int FirstFrame = 0;
  bool operator==(const TCaptionButtonPlace&) const = default;
};

// Whether the window shows the title bar, the borders, an icon, and which
// caption buttons. No system-menu icon: no icon and no buttons; dialog and
// tool windows: no icon, and no minimise or maximise buttons; the help
// button only where neither of those is shown.
bool ShowsTitle(const TFrameState& AState);
bool ShowsBorders(const TFrameState& AState);
bool ShowsIcon(const TFrameState& AState);
bool ShowsCloseButton(const TFrameState& AState);
bool ShowsMaxButton(const TFrameState& AState);
bool ShowsMinButton(const TFrameState& AState);
bool ShowsHelpButton(const TFrameState& AState);
// Whether the window may be resized by its edges.
bool Sizeable(const TFrameState& AState);

// The sizes of the frame around the client area.
struct TFrameEdges {
  int Title = 0;  // rows of the title (the larger of skin's and system's)
  int Menu = 0;   // rows of the menu bar below it
  int Left = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TFrameEdges&) const = default;
};

// The frame's sizes: the title the larger of the skin's and the system's
// title height (none while the title is hidden or the window is
// minimised), the menu bar's rows below it, and each border the larger of
// the skin's and 4 pixels (none without borders).
TFrameEdges FrameEdges(const TSkinMetrics& AMetrics, const TFrameState& AState);

// The client rectangle for window rectangle AWindow (screen coordinates),
// as WM_NCCALCSIZE answers. A window too small for its frame gets an empty
// client rectangle inside its own rectangle, never a negative one; a
// minimised window's client area is empty at its bottom edge.
TRect ClientRect(const TSkinMetrics& AMetrics, const TFrameState& AState, const TRect& AWindow);

// The rectangle a maximised window takes: AWorkArea grown by 4 pixels on
// every side.
TRect MaximizedRect(const TRect& AWorkArea);

// Where a maximised window that is smaller than AWorkArea grown by 8
// pixels in either direction is moved; nothing when it is large enough.
std::optional<TRect> MaximizedPlacement(const TRect& AWindow, const TRect& AWorkArea);

// Where the painted pieces of the title go in a window AWindowSize large.
struct TTitleLayout {
  TRect Icon;                                // 16 x 16; empty when the window shows none
  TPoint Caption;                            // top-left of the caption text
  int CaptionWidth = 0;                      // the most the caption may take, at least 0
  int ButtonAreaWidth = 0;                   // the caption-button area's width
  std::vector<TCaptionButtonPlace> Buttons;  // from the right
  int TitleBtnLeft = 10000;                  // left edge of the leftmost button, 10000 for none
};

// The title's layout. Buttons: the first at window width - button x - b
// (minimised: width - b - 5) and the button top (minimised: centred in 26
// rows, moved 2 down when it would end above row 22), each next one b + 2
// further left, in the order close, maximise/restore, minimise/restore,
// help.
TTitleLayout LayoutTitle(const TSkinMetrics& AMetrics, const TFrameState& AState,
                         TSize AWindowSize);

}  // namespace skin

#endif  // QUILLORY_SKIN_FRAME_FRAME_METRICS_H_
