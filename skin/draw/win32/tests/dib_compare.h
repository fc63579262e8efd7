// Comparing a DIB a device canvas painted with the bitmap the bitmap canvas
// painted, for the Wine tests of the drawing layer and its users.
#ifndef QUILLORY_SKIN_DRAW_WIN32_TESTS_DIB_COMPARE_H_
#define QUILLORY_SKIN_DRAW_WIN32_TESTS_DIB_COMPARE_H_

#include <cstdio>
#include <functional>
#include <string>

#include "skin/bitmap/bitmap.h"
#include "skin/draw/win32/dib_surface.h"

namespace skin::test {

// The number of pixels where ADib and AExpected differ, leaving out those
// ASkip (when given) names; AFirst describes the first one.
inline int CountDifferences(const TDibSurface& ADib, const TBitmap& AExpected, std::string& AFirst,
                            const std::function<bool(int, int)>& ASkip = {}) {
  int differing = 0;
  for (int y = 0; y < AExpected.Height(); ++y) {
    for (int x = 0; x < AExpected.Width(); ++x) {
      if ((ASkip && ASkip(x, y)) || ADib.Pixel(x, y) == AExpected.Pixel(x, y)) continue;
      if (differing++ == 0) {
        char text[96];
        std::snprintf(text, sizeof text, "first at %d,%d: device %06X, bitmap %06X", x, y,
                      ADib.Pixel(x, y), AExpected.Pixel(x, y));
        AFirst = text;
      }
    }
  }
  return differing;
}

}  // namespace skin::test

#endif  // QUILLORY_SKIN_DRAW_WIN32_TESTS_DIB_COMPARE_H_
