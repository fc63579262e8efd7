#include "ui/string_grid.h"

#include <algorithm>

#include "platform/win32/wide.h"

namespace ui {

TStringGrid::TStringGrid(const TStringGridArgs& AArgs)
    : TWidget(AArgs.Widget), FFixedColor(AArgs.FixedColor) {
  const int cols = std::max(AArgs.ColCount, 1);
  const int rows = std::max(AArgs.RowCount, 1);
  FCols = {std::vector<int>(static_cast<size_t>(cols), AArgs.DefaultColWidth),
           std::clamp(AArgs.FixedCols, 0, cols - 1), 1};
  FRows = {std::vector<int>(static_cast<size_t>(rows), AArgs.DefaultRowHeight),
           std::clamp(AArgs.FixedRows, 0, rows - 1), 1};
  FCells.resize(static_cast<size_t>(cols * rows));
  FCol = FLeftCol = FCols.Fixed;
  FRow = FTopRow = FRows.Fixed;
  SetParentColor(false);
  SetColor(TColor::System(COLOR_WINDOW));
  CreateHandle(nullptr, WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE,
               L"TStringGrid");
  UpdateScrollBars();
}

std::string TStringGrid::Cell(int ACol, int ARow) const {
  if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount()) return {};
  return FCells[static_cast<size_t>(ARow * ColCount() + ACol)];
}

void TStringGrid::SetCell(int ACol, int ARow, const std::string& AText) {
  if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount()) return;
  FCells[static_cast<size_t>(ARow * ColCount() + ACol)] = AText;
  Invalidate();
}

void TStringGrid::SetColWidth(int ACol, int AWidth) {
  if (ACol < 0 || ACol >= ColCount() || AWidth < 0) return;
  FCols.Sizes[static_cast<size_t>(ACol)] = AWidth;
  UpdateScrollBars();
  Invalidate();
}

void TStringGrid::SetFixedColor(TColor AColor) {
  FFixedColor = AColor;
  Invalidate();
}

SIZE TStringGrid::ClientSize() const {
  RECT client{0, 0, 0, 0};
  if (Handle()) GetClientRect(Handle(), &client);
  return {client.right, client.bottom};
}

void TStringGrid::Select(int ACol, int ARow) {
  ACol = std::clamp(ACol, FCols.Fixed, ColCount() - 1);
  ARow = std::clamp(ARow, FRows.Fixed, RowCount() - 1);
  if (ACol == FCol && ARow == FRow) return;
  FCol = ACol;
  FRow = ARow;
  const SIZE size = ClientSize();
  ScrollTo(GridScrollIntoView(FCols, FLeftCol, size.cx, FCol),
           GridScrollIntoView(FRows, FTopRow, size.cy, FRow));
  Invalidate();
  if (OnSelectCell) OnSelectCell();
}

void TStringGrid::ScrollTo(int ALeftCol, int ATopRow) {
  const SIZE size = ClientSize();
  FLeftCol = std::clamp(ALeftCol, FCols.Fixed, GridMaxFirst(FCols, size.cx));
  FTopRow = std::clamp(ATopRow, FRows.Fixed, GridMaxFirst(FRows, size.cy));
  UpdateScrollBars();
  Invalidate();
}

void TStringGrid::UpdateScrollBars() {
  if (!Handle()) return;
  const SIZE size = ClientSize();
  auto update = [this](int ABar, const TGridAxis& AAxis, int AFirst, int AClient) {
    const int max_first = GridMaxFirst(AAxis, AClient);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    if (max_first > AAxis.Fixed) {
      // Positions count scrollable cells; the page is those in view.
      info.nMin = AAxis.Fixed;
      info.nPage = static_cast<UINT>(GridFullyVisible(AAxis, max_first, AClient));
      info.nMax = static_cast<int>(AAxis.Sizes.size()) - 1;
      info.nPos = AFirst;
    }
    SetScrollInfo(Handle(), ABar, &info, TRUE);
  };
  update(SB_HORZ, FCols, FLeftCol, size.cx);
  update(SB_VERT, FRows, FTopRow, size.cy);
}

void TStringGrid::OnScroll(int ABar, WORD ACode) {
  const bool horizontal = ABar == SB_HORZ;
  const TGridAxis& axis = horizontal ? FCols : FRows;
  const SIZE size = ClientSize();
  const int first = horizontal ? FLeftCol : FTopRow;
  const int page = GridFullyVisible(axis, first, horizontal ? size.cx : size.cy);
  int target = first;
  switch (ACode) {
    case SB_LINEUP:
      --target;
      break;
    case SB_LINEDOWN:
      ++target;
      break;
    case SB_PAGEUP:
      target -= page;
      break;
    case SB_PAGEDOWN:
      target += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), ABar, &info);
      target = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  if (horizontal) {
    ScrollTo(target, FTopRow);
  } else {
    ScrollTo(FLeftCol, target);
  }
}

LRESULT TStringGrid::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_PAINT: {
      TPaintDc dc(Handle());
      Paint(dc.Get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // Paint covers everything
    case WM_SIZE:
      ScrollTo(FLeftCol, FTopRow);
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (ALParam == 0) {  // the grid's own bars
        OnScroll(AMessage == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(AWParam));
        return 0;
      }
      break;
    case WM_KEYDOWN:
      switch (AWParam) {
        case VK_LEFT:
          Select(FCol - 1, FRow);
          return 0;
        case VK_RIGHT:
          Select(FCol + 1, FRow);
          return 0;
        case VK_UP:
          Select(FCol, FRow - 1);
          return 0;
        case VK_DOWN:
          Select(FCol, FRow + 1);
          return 0;
        case VK_HOME:
          Select(FCols.Fixed, FRow);
          return 0;
        case VK_END:
          Select(ColCount() - 1, FRow);
          return 0;
        default:
          break;
      }
      break;
    case WM_LBUTTONDOWN: {
      SetFocus();
      const int col = GridCellAt(FCols, FLeftCol, static_cast<short>(LOWORD(ALParam)));
      const int row = GridCellAt(FRows, FTopRow, static_cast<short>(HIWORD(ALParam)));
      if (col >= FCols.Fixed && row >= FRows.Fixed) Select(col, row);
      return 0;
    }
    case CM_GOTFOCUS:
    case CM_LOSTFOCUS:
      Invalidate();
      break;
    default:
      break;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

void TStringGrid::Paint(HDC ADc) {
  RECT client;
  GetClientRect(Handle(), &client);
  // Off screen first, so that scrolling does not flicker.
  TMemoryDc memory(ADc);
  TBitmapHandle buffer(CreateCompatibleBitmap(ADc, std::max<LONG>(client.right, 1),
                                              std::max<LONG>(client.bottom, 1)));
  TSelectObject select_buffer(memory.Get(), buffer.Get());
  HDC dc = memory.Get();
  TBrushHandle background(CreateSolidBrush(Color().Resolve()));
  FillRect(dc, &client, background.Get());
  TBrushHandle fixed(CreateSolidBrush(FFixedColor.Resolve()));
  TBrushHandle line(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
  TBrushHandle selected(CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT)));
  TSelectObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  const bool focused = Focused();
  for (int row = 0; row < RowCount(); ++row) {
    const int top = GridCellStart(FRows, FTopRow, row);
    if (top < 0) continue;
    if (top >= client.bottom) break;
    for (int col = 0; col < ColCount(); ++col) {
      const int left = GridCellStart(FCols, FLeftCol, col);
      if (left < 0) continue;
      if (left >= client.right) break;
      RECT cell{left, top, left + FCols.Sizes[static_cast<size_t>(col)],
                top + FRows.Sizes[static_cast<size_t>(row)]};
      const bool is_fixed = col < FCols.Fixed || row < FRows.Fixed;
      const bool is_selected = col == FCol && row == FRow;
      if (is_fixed) {
        FillRect(dc, &cell, fixed.Get());
        RECT edge = cell;
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
      } else if (is_selected) {
        FillRect(dc, &cell, selected.Get());
      }
      RECT right_line{cell.right, cell.top, cell.right + 1, cell.bottom + 1};
      RECT bottom_line{cell.left, cell.bottom, cell.right + 1, cell.bottom + 1};
      FillRect(dc, &right_line, line.Get());
      FillRect(dc, &bottom_line, line.Get());
      SetTextColor(
          dc, is_selected && !is_fixed ? GetSysColor(COLOR_HIGHLIGHTTEXT) : Font().Color.Resolve());
      const std::wstring text = platform::win32::ToWide(Cell(col, row));
      RECT text_rect = cell;
      InflateRect(&text_rect, -3, 0);
      DrawTextW(dc, text.c_str(), -1, &text_rect,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
      if (is_selected && focused) DrawFocusRect(dc, &cell);
    }
  }
  BitBlt(ADc, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

bool TStringGrid::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "ColCount") {
    AValue = int64_t{ColCount()};
  } else if (name == "RowCount") {
    AValue = int64_t{RowCount()};
  } else if (name == "FixedCols") {
    AValue = int64_t{FCols.Fixed};
  } else if (name == "FixedRows") {
    AValue = int64_t{FRows.Fixed};
  } else if (name == "DefaultColWidth") {
    AValue = int64_t{FCols.Sizes.front()};
  } else if (name == "DefaultRowHeight") {
    AValue = int64_t{FRows.Sizes.front()};
  } else if (name == "FixedColor") {
    AValue = FFixedColor.Encode();
  } else if (name == "BorderStyle") {
    AValue = int64_t{1};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TStringGrid::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "FixedColor") {
    SetFixedColor(TColor::Decode(std::get<int64_t>(AValue)));
    return true;
  }
  if (name == "ColCount" || name == "RowCount" || name == "FixedCols" || name == "FixedRows" ||
      name == "DefaultColWidth" || name == "DefaultRowHeight" || name == "BorderStyle") {
    return false;  // fixed at creation
  }
  return TWidget::WriteProperty(AInfo, AValue);
}

}  // namespace ui
