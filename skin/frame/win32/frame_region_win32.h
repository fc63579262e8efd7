// The frame's window region as a GDI region handle, counted in the GDI
// census like every object of the skin's drawing layer.
//
// Thread safety: as the handle it returns.
#ifndef QUILLORY_SKIN_FRAME_WIN32_FRAME_REGION_WIN32_H_
#define QUILLORY_SKIN_FRAME_WIN32_FRAME_REGION_WIN32_H_

#include <windows.h>

#include <vector>

#include "skin/draw/geometry.h"
#include "skin/draw/win32/gdi_census.h"

namespace skin {

// A region that is the union of ARects (window coordinates), or an empty
// region for an empty list; null only when GDI refuses. SetWindowRgn takes
// the handle over: hand it on with Release().
TCountedObject RegionFromRects(const std::vector<TRect>& ARects);

inline HRGN RegionHandle(const TCountedObject& ARegion) {
  return static_cast<HRGN>(ARegion.Get());
}

}  // namespace skin

#endif  // QUILLORY_SKIN_FRAME_WIN32_FRAME_REGION_WIN32_H_
