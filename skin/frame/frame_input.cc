#include "skin/frame/frame_input.h"

#include <algorithm>

namespace skin {
namespace {

bool IsButton(TFrameElement AElement) {
  return AElement == TFrameElement::Close || AElement == TFrameElement::Maximize ||
         AElement == TFrameElement::Minimize || AElement == TFrameElement::Help;
}

THitTest ButtonHit(TFrameElement AElement) {
  switch (AElement) {
    case TFrameElement::Icon:
      return THitTest::SysMenu;
    case TFrameElement::Close:
      return THitTest::Close;
    case TFrameElement::Maximize:
      return THitTest::MaxButton;
    case TFrameElement::Minimize:
      return THitTest::MinButton;
    case TFrameElement::Help:
      return THitTest::Help;
    case TFrameElement::None:
      break;
  }
  return THitTest::Caption;
}

// The resize edge under APoint of a sizeable window, or Nowhere.
THitTest ResizeEdge(const TFrameEdges& AEdges, int AW, int AH, TPoint APoint) {
  const int x = APoint.X, y = APoint.Y;
  const bool left = x < std::max(AEdges.Left, 1), right = x >= AW - std::max(AEdges.Right, 1);
  const bool top = y < kTopResizeEdge, bottom = y >= AH - std::max(AEdges.Bottom, 1);
  const bool nearLeft = x < kResizeCorner, nearRight = x >= AW - kResizeCorner;
  const bool nearTop = y < kResizeCorner, nearBottom = y >= AH - kResizeCorner;
  if ((top && nearLeft) || (left && nearTop)) return THitTest::TopLeft;
  if ((top && nearRight) || (right && nearTop)) return THitTest::TopRight;
  if ((bottom && nearLeft) || (left && nearBottom)) return THitTest::BottomLeft;
  if ((bottom && nearRight) || (right && nearBottom)) return THitTest::BottomRight;
  if (top) return THitTest::Top;
  if (bottom) return THitTest::Bottom;
  if (left) return THitTest::Left;
  if (right) return THitTest::Right;
  return THitTest::Nowhere;
}

}  // namespace

THitTest FrameHitTest(const TSkinMetrics& AMetrics, const TFrameState& AState, TSize AWindowSize,
                      const TTitleLayout& ATitle, TPoint APoint) {
  const int w = AWindowSize.Width, h = AWindowSize.Height;
  if (APoint.X < 0 || APoint.Y < 0 || APoint.X >= w || APoint.Y >= h) return THitTest::Nowhere;
  const TFrameElement element = ElementAt(ATitle, APoint);
  if (AState.Show == TWindowShow::Minimized) return ButtonHit(element);

  const TFrameEdges e = FrameEdges(AMetrics, AState);
  if (Sizeable(AState) && ShowsBorders(AState)) {
    const THitTest edge = ResizeEdge(e, w, h, APoint);
    const bool captionInstead =
        AMetrics.TitleBtnPos.Y <= 3 && (edge == THitTest::Top || edge == THitTest::TopRight) &&
        APoint.Y >= AMetrics.TitleBtnPos.Y && APoint.Y <= 7 && APoint.X >= ATitle.TitleBtnLeft &&
        APoint.X <= w - AMetrics.TitleBtnPos.X;
    if (edge != THitTest::Nowhere && !captionInstead) return edge;
  }
  if (APoint.Y < e.Title) return ButtonHit(element);
  const bool betweenBorders = APoint.X >= e.Left && APoint.X < w - e.Right;
  if (APoint.Y < e.Title + e.Menu && betweenBorders) return THitTest::Menu;
  if (betweenBorders && APoint.Y < h - e.Bottom) return THitTest::Client;
  return THitTest::Border;
}

TFrameAction ElementAction(TFrameElement AElement, const TFrameState& AState) {
  const bool minimized = AState.Show == TWindowShow::Minimized;
  switch (AElement) {
    case TFrameElement::Icon:
      return TFrameAction::SystemMenuBelowIcon;
    case TFrameElement::Close:
      return TFrameAction::Close;
    case TFrameElement::Help:
      return TFrameAction::ContextHelp;
    case TFrameElement::Maximize:
      if (minimized || AState.Show == TWindowShow::Maximized) return TFrameAction::Restore;
      return ShowsMaxButton(AState) ? TFrameAction::Maximize : TFrameAction::None;
    case TFrameElement::Minimize:
      return minimized ? TFrameAction::Restore : TFrameAction::Minimize;
    case TFrameElement::None:
      break;
  }
  return TFrameAction::None;
}

TDoubleClick DoubleClickAction(THitTest AHit, TFrameElement AElement, const TFrameState& AState) {
  if (AElement == TFrameElement::Icon) return {TFrameAction::Close, false};
  if (AHit == THitTest::Caption && AElement == TFrameElement::None) {
    if (AState.Show != TWindowShow::Normal) return {TFrameAction::Restore, false};
    return {ShowsMaxButton(AState) ? TFrameAction::Maximize : TFrameAction::None, false};
  }
  return {TFrameAction::None, true};
}

TFrameAction RightButtonAction(THitTest AHit, TFrameElement AElement) {
  return AHit == THitTest::Caption && AElement == TFrameElement::None
             ? TFrameAction::SystemMenuAtPointer
             : TFrameAction::None;
}

TPoint SystemMenuPosition(TPoint AClientTopLeft, const TRect& AWorkArea, bool AMinimized,
                          int ATitleHeight) {
  TPoint p = AClientTopLeft;
  p.X = std::max(p.X, AWorkArea.Left);
  if (AMinimized) p.Y += 24 - ATitleHeight;
  return p;
}

bool TCaptionButtonTracker::Move(TFrameElement AElement) {
  bool changed = FHot != AElement;
  FHot = AElement;
  if (FMouseDown && !IsButton(AElement) && AElement != TFrameElement::Icon) {
    changed = changed || FPressed != TFrameElement::None;
    Forget();
  }
  return changed;
}

bool TCaptionButtonTracker::Down(TFrameElement AElement, THitTest AHit,
                                 bool AMaximizedFillingWorkArea) {
  FMouseDown = true;
  FHot = FPressed = AElement;
  return IsButton(AElement) || AElement == TFrameElement::Icon ||
         (AHit == THitTest::Caption && AMaximizedFillingWorkArea);
}

TFrameAction TCaptionButtonTracker::Up(TFrameElement AElement, const TFrameState& AState) {
  const TFrameElement pressed = FPressed;
  const bool down = FMouseDown;
  Forget();
  FHot = AElement;
  if (!down || pressed == TFrameElement::None || pressed != AElement) return TFrameAction::None;
  return ElementAction(AElement, AState);
}

void TCaptionButtonTracker::Forget() {
  FMouseDown = false;
  FPressed = TFrameElement::None;
}

TFramePointer TCaptionButtonTracker::PaintPointer(std::optional<TPoint> AAt) const {
  return {AAt, FMouseDown && FPressed != TFrameElement::None && FPressed == FHot};
}

}  // namespace skin
