#include "ui/grid_layout.h"

#include <algorithm>

namespace ui {
namespace {

int Count(const TGridAxis& AAxis) {
  return static_cast<int>(AAxis.Sizes.size());
}

int Extent(const TGridAxis& AAxis, int AIndex) {
  return AAxis.Sizes[static_cast<size_t>(AIndex)] + AAxis.LineWidth;
}

int FixedExtent(const TGridAxis& AAxis) {
  int total = 0;
  for (int i = 0; i < std::min(AAxis.Fixed, Count(AAxis)); ++i) total += Extent(AAxis, i);
  return total;
}

}  // namespace

int GridCellStart(const TGridAxis& AAxis, int AFirst, int AIndex) {
  if (AIndex < 0 || AIndex >= Count(AAxis)) return -1;
  int pos = 0;
  if (AIndex < AAxis.Fixed) {
    for (int i = 0; i < AIndex; ++i) pos += Extent(AAxis, i);
    return pos;
  }
  if (AIndex < AFirst) return -1;
  pos = FixedExtent(AAxis);
  for (int i = AFirst; i < AIndex; ++i) pos += Extent(AAxis, i);
  return pos;
}

int GridCellAt(const TGridAxis& AAxis, int AFirst, int APos) {
  if (APos < 0) return -1;
  int pos = 0;
  for (int i = 0; i < std::min(AAxis.Fixed, Count(AAxis)); ++i) {
    pos += Extent(AAxis, i);
    if (APos < pos) return i;
  }
  for (int i = std::max(AFirst, AAxis.Fixed); i < Count(AAxis); ++i) {
    pos += Extent(AAxis, i);
    if (APos < pos) return i;
  }
  return -1;
}

int GridFullyVisible(const TGridAxis& AAxis, int AFirst, int AClient) {
  int room = AClient - FixedExtent(AAxis);
  int count = 0;
  for (int i = std::max(AFirst, AAxis.Fixed); i < Count(AAxis); ++i) {
    room -= Extent(AAxis, i);
    if (room < 0) break;
    ++count;
  }
  return std::max(count, AFirst < Count(AAxis) ? 1 : 0);
}

int GridMaxFirst(const TGridAxis& AAxis, int AClient) {
  int room = AClient - FixedExtent(AAxis);
  int first = Count(AAxis);
  while (first > AAxis.Fixed && room - Extent(AAxis, first - 1) >= 0) {
    room -= Extent(AAxis, first - 1);
    --first;
  }
  // A last cell wider than the view is still shown from its start.
  return std::max(AAxis.Fixed, std::min(first, Count(AAxis) - 1));
}

int GridScrollIntoView(const TGridAxis& AAxis, int AFirst, int AClient, int AIndex) {
  if (AIndex < AAxis.Fixed || AIndex >= Count(AAxis)) return AFirst;
  if (AIndex < AFirst) return AIndex;
  int first = AFirst;
  while (first < AIndex && first + GridFullyVisible(AAxis, first, AClient) <= AIndex) ++first;
  return first;
}

}  // namespace ui
