// Where an MDI parent's skinned window wrapper puts the children when it
// cascades or tiles them. Portable arithmetic over plain rectangles in the
// MDI client window's coordinates.
//
// Thread safety: pure functions.
#ifndef QUILLORY_SKIN_WINDOW_MDI_LAYOUT_H_
#define QUILLORY_SKIN_WINDOW_MDI_LAYOUT_H_

#include <vector>

#include "skin/draw/geometry.h"

namespace skin {

// The step between two cascaded children, right and down.
inline constexpr int kMDICascadeStep = 22;

// Cascading ACount children in a client area AClient large: result[k] is
// the place of the k-th child counted from the last (bottom-most) one:
// each 80 percent of the client width wide and 60 percent of its height
// high, the k-th at (22 k, 22 k).
std::vector<TRect> CascadeRects(int ACount, TSize AClient);

// Tiling ACount children over AClient: up to three side by side (in rows
// when AHorizontal), more in a grid of ceil(sqrt(ACount)) columns (rows),
// the last ones taking one cell more each when the count does not divide
// evenly. The cells cover the client area without gaps or overlaps;
// result[i] is the place of the i-th child counted from the top-most.
std::vector<TRect> TileRects(int ACount, TSize AClient, bool AHorizontal);

}  // namespace skin

#endif  // QUILLORY_SKIN_WINDOW_MDI_LAYOUT_H_
