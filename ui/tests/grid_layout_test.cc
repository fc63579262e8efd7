#include "ui/grid_layout.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// One fixed column of 30, then six of 50; lines of 1: cells take 31, 51.
const TGridAxis kAxis{{30, 50, 50, 50, 50, 50, 50}, 1, 1};

TEST(GridLayout, CellStartsFollowTheFirstCellInView) {
  EXPECT_EQ(GridCellStart(kAxis, 1, 0), 0);
  EXPECT_EQ(GridCellStart(kAxis, 1, 1), 31);
  EXPECT_EQ(GridCellStart(kAxis, 1, 3), 31 + 2 * 51);
  EXPECT_EQ(GridCellStart(kAxis, 3, 0), 0);  // fixed cells stay
  EXPECT_EQ(GridCellStart(kAxis, 3, 3), 31);
  EXPECT_EQ(GridCellStart(kAxis, 3, 2), -1);  // scrolled out
  EXPECT_EQ(GridCellStart(kAxis, 1, 7), -1);  // no such cell
}

TEST(GridLayout, HitTestingFindsTheCellUnderAPixel) {
  struct {
    int First, Pos, Cell;
  } cases[] = {{1, 0, 0},  {1, 30, 0}, {1, 31, 1},  {1, 81, 1},          {1, 82, 2},
               {3, 31, 3}, {3, 10, 0}, {1, -1, -1}, {1, 31 + 6 * 51, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(GridCellAt(kAxis, c.First, c.Pos), c.Cell) << c.First << " " << c.Pos;
  }
}

TEST(GridLayout, VisibleCountAndScrollLimits) {
  // 200 pixels: 31 fixed, then 169 hold three whole cells of 51.
  EXPECT_EQ(GridFullyVisible(kAxis, 1, 200), 3);
  EXPECT_EQ(GridFullyVisible(kAxis, 5, 200), 2);  // only two are left
  EXPECT_EQ(GridFullyVisible(kAxis, 1, 40), 1);   // none fits: still one
  // The last first cell: 4, 5, 6 fill the view.
  EXPECT_EQ(GridMaxFirst(kAxis, 200), 4);
  EXPECT_EQ(GridMaxFirst(kAxis, 1000), 1);  // all fit: no scrolling
  EXPECT_EQ(GridMaxFirst(kAxis, 40), 6);    // the last cell alone
}

TEST(GridLayout, ScrollingIntoViewMovesAsLittleAsPossible) {
  EXPECT_EQ(GridScrollIntoView(kAxis, 1, 200, 2), 1);  // already in view
  EXPECT_EQ(GridScrollIntoView(kAxis, 1, 200, 4), 2);  // now the last one in view
  EXPECT_EQ(GridScrollIntoView(kAxis, 1, 200, 6), 4);
  EXPECT_EQ(GridScrollIntoView(kAxis, 4, 200, 2), 2);  // back to it
  EXPECT_EQ(GridScrollIntoView(kAxis, 4, 200, 0), 4);  // fixed: no move
}

}  // namespace
}  // namespace ui
