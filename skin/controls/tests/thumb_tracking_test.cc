// The dragged thumb's position.
#include "skin/controls/thumb_tracking.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(ThumbTrackingTest, TrackMovesWithTheCursorInsideTheArrows) {
  // A 200-pixel bar with 17-pixel arrows, the thumb at 40..70.
  const TSystemThumb system{40, 70, 200, 17};
  const struct {
    int Cursor;
    int Top;
  } cases[] = {
      {100, 40},   // no movement
      {125, 65},   // 25 down
      {60, 17},    // past the top arrow: held at it
      {300, 153},  // past the bottom: 200 - 17 - 30
      {93, 33},
  };
  for (const auto& c : cases) {
    TThumbAxis axis;
    OnScrollMessage(axis, TThumbCode::Track, system, c.Cursor, 100);
    EXPECT_TRUE(axis.Tracking);
    EXPECT_EQ(axis.TrackTop, c.Top) << c.Cursor;
    EXPECT_EQ(axis.TrackBottom, c.Top + 30) << c.Cursor;
  }
}

TEST(ThumbTrackingTest, StartIsReadOnceAndPositionEndsTheDrag) {
  TThumbAxis axis;
  OnScrollMessage(axis, TThumbCode::Track, {40, 70, 200, 17}, 110, 100);
  EXPECT_EQ(axis.TrackTop, 50);
  // The system's thumb moved meanwhile; the drag still counts from 40.
  OnScrollMessage(axis, TThumbCode::Track, {50, 80, 200, 17}, 120, 100);
  EXPECT_EQ(axis.TrackTop, 60);
  OnScrollMessage(axis, TThumbCode::Other, {90, 120, 200, 17}, 0, 0);
  EXPECT_EQ(axis.Top, 40);
  OnScrollMessage(axis, TThumbCode::Position, {60, 90, 200, 17}, 0, 0);
  EXPECT_FALSE(axis.Tracking);
  EXPECT_EQ(axis.Top, 60);
  EXPECT_EQ(axis.Length, 30);
  // A bar shorter than thumb and arrows: the thumb stays at the arrow.
  TThumbAxis small;
  OnScrollMessage(small, TThumbCode::Track, {17, 47, 60, 17}, 150, 100);
  EXPECT_EQ(small.TrackTop, 17);
}

}  // namespace
}  // namespace skin
