#include "skin/frame/frame_metrics.h"

#include <algorithm>

namespace skin {
namespace {

constexpr int kSystemBorder = 4;
constexpr int kIconSize = 16;
// The caption starts this far right of the icon's left edge.
constexpr int kCaptionAfterIcon = 20;

bool Framed(const TFrameState& AState) {
  return AState.Style != TBorderStyle::None;
}
bool DialogOrTool(const TFrameState& AState) {
  return AState.Style == TBorderStyle::Dialog || AState.Style == TBorderStyle::ToolWindow ||
         AState.Style == TBorderStyle::SizeToolWin;
}

}  // namespace

bool ShowsTitle(const TFrameState& AState) {
  return AState.TitleVisible && Framed(AState);
}
bool ShowsBorders(const TFrameState& AState) {
  return AState.BorderVisible && Framed(AState);
}
bool ShowsIcon(const TFrameState& AState) {
  return ShowsTitle(AState) && AState.Icons.SystemMenu && !DialogOrTool(AState);
}
bool ShowsCloseButton(const TFrameState& AState) {
  return ShowsTitle(AState) && AState.Icons.SystemMenu;
}
bool ShowsMaxButton(const TFrameState& AState) {
  return ShowsCloseButton(AState) && !DialogOrTool(AState) && AState.Icons.Maximize;
}
bool ShowsMinButton(const TFrameState& AState) {
  return ShowsCloseButton(AState) && !DialogOrTool(AState) && AState.Icons.Minimize;
}
bool ShowsHelpButton(const TFrameState& AState) {
  return ShowsCloseButton(AState) && AState.Icons.Help && !ShowsMaxButton(AState) &&
         !ShowsMinButton(AState);
}
bool Sizeable(const TFrameState& AState) {
  return (AState.Style == TBorderStyle::Sizeable || AState.Style == TBorderStyle::SizeToolWin) &&
         AState.Show == TWindowShow::Normal;
}

TFrameEdges FrameEdges(const TSkinMetrics& AMetrics, const TFrameState& AState) {
  TFrameEdges e;
  if (ShowsTitle(AState)) {
    e.Title = std::max({AMetrics.TitleHeight, AState.SystemTitleHeight, 0});
  }
  if (AState.Show == TWindowShow::Minimized) return e;
  e.Menu = std::max(AState.MenuHeight, 0);
  if (ShowsBorders(AState)) {
    e.Left = std::max(AMetrics.LeftBorderWidth, kSystemBorder);
    e.Right = std::max(AMetrics.RightBorderWidth, kSystemBorder);
    e.Bottom = std::max(AMetrics.BottomBorderWidth, kSystemBorder);
  }
  return e;
}

TRect ClientRect(const TSkinMetrics& AMetrics, const TFrameState& AState, const TRect& AWindow) {
  const TRect window{AWindow.Left, AWindow.Top, std::max(AWindow.Left, AWindow.Right),
                     std::max(AWindow.Top, AWindow.Bottom)};
  if (AState.Show == TWindowShow::Minimized) {
    return {window.Left, window.Bottom, window.Left, window.Bottom};
  }
  const TFrameEdges e = FrameEdges(AMetrics, AState);
  // Each edge stays inside the window, the far ones never before the near.
  TRect c;
  c.Top = std::min(window.Top + e.Title + e.Menu, window.Bottom);
  c.Left = std::min(window.Left + e.Left, window.Right);
  c.Right = std::max(window.Right - e.Right, c.Left);
  c.Bottom = std::max(window.Bottom - e.Bottom, c.Top);
  return c;
}

TRect MaximizedRect(const TRect& AWorkArea) {
  return AWorkArea.Inset(-kSystemBorder, -kSystemBorder);
}

std::optional<TRect> MaximizedPlacement(const TRect& AWindow, const TRect& AWorkArea) {
  const int slack = 2 * kSystemBorder;
  if (AWindow.Width() < AWorkArea.Width() + slack ||
      AWindow.Height() < AWorkArea.Height() + slack) {
    return MaximizedRect(AWorkArea);
  }
  return std::nullopt;
}

TTitleLayout LayoutTitle(const TSkinMetrics& AMetrics, const TFrameState& AState,
                         TSize AWindowSize) {
  TTitleLayout t;
  const bool minimized = AState.Show == TWindowShow::Minimized;
  const int b = AMetrics.TitleButtonSize.Width, bh = AMetrics.TitleButtonSize.Height;
  const int w = AWindowSize.Width;

  const bool close = ShowsCloseButton(AState), max = ShowsMaxButton(AState);
  const bool min = ShowsMinButton(AState), help = ShowsHelpButton(AState);
  const int m = (close ? 1 : 0) + (max ? 1 : 0);
  t.ButtonAreaWidth = b * (m + (min ? 1 : 0)) + 2 * (min ? m : m - 1) + 15;

  const int iconX = std::max(0, AMetrics.TitleIconPos.X);
  const bool icon = ShowsIcon(AState);
  if (icon) {
    const int iconY = minimized ? AMetrics.TitleIconPos.Y : std::max(AMetrics.TitleIconPos.Y, 4);
    t.Icon = TRect::Sized(iconX, iconY, kIconSize, kIconSize);
  }
  t.Caption.X =
      AState.CaptionXPos >= 0 ? AState.CaptionXPos : iconX + (icon ? kCaptionAfterIcon : 0);
  t.Caption.Y = minimized ? 4 : AMetrics.TitleCaptionTop;
  t.CaptionWidth = std::max(0, w - (iconX + kCaptionAfterIcon) - t.ButtonAreaWidth - 4);

  int x = minimized ? w - b - 5 : w - AMetrics.TitleBtnPos.X - b;
  int y = AMetrics.TitleBtnPos.Y;
  if (minimized) {
    y = std::max(0, (26 - bh) / 2);
    if (y + bh < 22) y += 2;
  }
  auto place = [&](TFrameElement AElement, TCaptionButton AFrames) {
    t.Buttons.push_back(
        {AElement, TRect::Sized(x, y, b, bh), CaptionButtonFrame(AFrames, false, false)});
    x -= b + 2;
  };
  if (close) place(TFrameElement::Close, TCaptionButton::Close);
  if (max) {
    place(TFrameElement::Maximize, AState.Show == TWindowShow::Maximized
                                       ? TCaptionButton::Restore
                                       : TCaptionButton::Maximize);
  }
  if (min)
    place(TFrameElement::Minimize, minimized ? TCaptionButton::Restore : TCaptionButton::Minimize);
  if (help) place(TFrameElement::Help, TCaptionButton::Help);
  // 2 pixels left of the leftmost button; with a help button its right edge.
  t.TitleBtnLeft = help ? t.Buttons.back().Bounds.Right : x + b;
  return t;
}

}  // namespace skin
