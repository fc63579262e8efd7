// A grid of text cells painted by the toolkit: fixed rows and columns (in
// FixedColor) that stay while the rest scrolls, scroll bars when the cells
// do not fit, one selected cell moved by the arrow keys, Home, End and the
// mouse.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_STRING_GRID_H_
#define QUILLORY_UI_STRING_GRID_H_

#include <string>
#include <vector>

#include "ui/grid_layout.h"
#include "ui/widget.h"

namespace ui {

struct TStringGridArgs {
  TWidgetArgs Widget;
  int ColCount = 5;
  int RowCount = 5;
  int FixedCols = 1;
  int FixedRows = 1;
  int DefaultColWidth = 64;
  int DefaultRowHeight = 24;
  TColor FixedColor = TColor::System(COLOR_BTNFACE);
};

class TStringGrid : public TWidget {
 public:
  explicit TStringGrid(const TStringGridArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::StringGrid; }

  int ColCount() const { return static_cast<int>(FCols.Sizes.size()); }
  int RowCount() const { return static_cast<int>(FRows.Sizes.size()); }
  // Empty for a cell outside the grid.
  std::string Cell(int ACol, int ARow) const;
  void SetCell(int ACol, int ARow, const std::string& AText);
  void SetColWidth(int ACol, int AWidth);
  // The selected cell (never a fixed one).
  int Col() const { return FCol; }
  int Row() const { return FRow; }
  void Select(int ACol, int ARow);
  int LeftCol() const { return FLeftCol; }
  int TopRow() const { return FTopRow; }
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor AColor);

  // The selection moved.
  TNotifyEvent OnSelectCell;

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  void Paint(HDC ADc);
  void UpdateScrollBars();
  void ScrollTo(int ALeftCol, int ATopRow);
  void OnScroll(int ABar, WORD ACode);
  SIZE ClientSize() const;

  TGridAxis FCols;
  TGridAxis FRows;
  std::vector<std::string> FCells;  // row by row
  TColor FFixedColor;
  int FCol;
  int FRow;
  int FLeftCol;
  int FTopRow;
};

}  // namespace ui

#endif  // QUILLORY_UI_STRING_GRID_H_
