// Times the skin's drawing routines on the bitmap canvas.
//
//   skin_draw_bench [MILLISECONDS_PER_STEP]     (default 300)
#include <cstdio>
#include <cstdlib>

#include "bench/skin/draw_workload.h"
#include "skin/draw/bitmap_canvas.h"

int main(int AArgc, char** AArgv) {
  const double ms = AArgc > 1 ? std::atof(AArgv[1]) : 300;
  skin::TzelSkinReader reader;
  if (!bench::LoadOwnSkin(reader)) {
    std::fprintf(stderr, "skin_draw_bench: cannot load our own skin\n");
    return 1;
  }
  std::vector<skin::TBitmap> images;
  const auto steps = bench::Steps(reader, images);
  skin::TBitmap target(1024, 64);
  skin::TBitmapCanvas canvas(target);
  bench::TimeSteps("bitmap", canvas, steps, ms);
  return 0;
}
