// Times the skin's drawing routines on a device context (a DIB section in
// a memory DC), and checks that the GDI objects the drawing layer creates
// are all deleted again (under Wine the system's own count is not there).
//
//   skin_draw_hdc_bench [MILLISECONDS_PER_STEP]     (default 300)
#include <cstdio>
#include <cstdlib>

#include "bench/skin/draw_workload.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"

int main(int AArgc, char** AArgv) {
  const double ms = AArgc > 1 ? std::atof(AArgv[1]) : 300;
  skin::TzelSkinReader reader;
  if (!bench::LoadOwnSkin(reader)) {
    std::fprintf(stderr, "skin_draw_hdc_bench: cannot load our own skin\n");
    return 1;
  }
  std::vector<skin::TBitmap> images;
  const auto steps = bench::Steps(reader, images);
  const skin::TGdiCensus before = skin::GdiCensus();
  {
    skin::TDibSurface surface(1024, 64);
    if (!surface.Valid()) {
      std::fprintf(stderr, "skin_draw_hdc_bench: no DIB section\n");
      return 1;
    }
    skin::TSelection font(surface.Dc(), GetStockObject(DEFAULT_GUI_FONT));
    skin::THdcCanvas canvas(surface.Dc());
    bench::TimeSteps("hdc", canvas, steps, ms);
  }
  const skin::TGdiCensus after = skin::GdiCensus();
  std::printf("GDI objects: %lld created, %lld deleted, %lld left\n",
              static_cast<long long>(after.Created - before.Created),
              static_cast<long long>(after.Deleted - before.Deleted),
              static_cast<long long>(after.Live() - before.Live()));
  return after.Live() == before.Live() ? 0 : 1;
}
