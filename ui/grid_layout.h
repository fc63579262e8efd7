// The arithmetic of a grid along one direction (columns or rows): leading
// fixed cells that never scroll, then scrollable cells starting at the
// first one in view. Each cell is followed by a grid line. Portable.
//
// Thread safety: plain functions on immutable values.
#ifndef QUILLORY_UI_GRID_LAYOUT_H_
#define QUILLORY_UI_GRID_LAYOUT_H_

#include <vector>

namespace ui {

struct TGridAxis {
  std::vector<int> Sizes;  // width of each column (or height of each row)
  int Fixed = 0;           // how many leading cells are fixed
  int LineWidth = 1;       // the line after each cell
};

// Where cell AIndex starts when AFirst is the first scrollable cell in
// view; -1 for a scrollable cell scrolled out before AFirst.
int GridCellStart(const TGridAxis& AAxis, int AFirst, int AIndex);
// The cell at pixel APos (from the edge), or -1 past the last cell.
int GridCellAt(const TGridAxis& AAxis, int AFirst, int APos);
// How many scrollable cells from AFirst fit wholly in AClient pixels
// (at least 1 while any is left, so that scrolling always moves).
int GridFullyVisible(const TGridAxis& AAxis, int AFirst, int AClient);
// The largest AFirst that still fills the view: the last cell is then the
// last one in view; never below the first scrollable cell.
int GridMaxFirst(const TGridAxis& AAxis, int AClient);
// The AFirst that brings AIndex wholly into view, moving as little as
// possible from AFirst.
int GridScrollIntoView(const TGridAxis& AAxis, int AFirst, int AClient, int AIndex);

}  // namespace ui

#endif  // QUILLORY_UI_GRID_LAYOUT_H_
