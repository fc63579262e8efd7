// The drawing benchmark's workload: each routine of the skin's drawing
// layer on our own skin's images at the sizes the Configurator paints,
// timed on whatever canvas it is given.
#ifndef QUILLORY_BENCH_SKIN_DRAW_WORKLOAD_H_
#define QUILLORY_BENCH_SKIN_DRAW_WORKLOAD_H_

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "skin/archive/file_stream.h"
#include "skin/bitmap/image_routines.h"
#include "skin/draw/ellipsis_text.h"
#include "skin/draw/fills.h"
#include "skin/draw/slices.h"
#include "skin/own/own_skin.h"
#include "skin/reader/zel_skin_reader.h"

namespace bench {

using namespace skin;

// Our own skin, loaded through the reader.
inline bool LoadOwnSkin(TzelSkinReader& AReader) {
  auto data = OwnSkinData();
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "quillory-draw-bench.zsk";
  if (!WriteWholeFile(file, {data.begin(), data.end()})) return false;
  AReader.LoadSkin(file, "");
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
  return AReader.Ready();
}

struct TStep {
  const char* Name;
  std::function<void(TPaintCanvas&)> Draw;
};

// The steps, on images cut from AReader's skin (kept alive by AImages).
inline std::vector<TStep> Steps(const TzelSkinReader& AReader, std::vector<TBitmap>& AImages) {
  AImages.resize(3);
  SpitBitmap(AReader.GetBitmap(TSkinBitmapKey::Button), AImages[0], 3, 1);
  SpitBitmap(AReader.GetBitmap(TSkinBitmapKey::TabControl), AImages[1], 2, 1);
  AImages[2] = *AReader.GetBitmap(TSkinBitmapKey::TitleBar2);
  const TBitmap* button = &AImages[0];
  const TBitmap* tab = &AImages[1];
  const TBitmap* title = &AImages[2];
  const TBitmap* progress = AReader.GetBitmap(TSkinBitmapKey::ProgressBar2);
  const TColor trans = static_cast<TColor>(AReader.GetColor(TSkinColorKey::TransColor));
  return {
      {"nine-slice button 75x25",
       [=](TPaintCanvas& C) {
         DrawNineSlice(*button, C, {0, 0, 75, 25}, trans, false);
       }},
      {"nine-slice button 300x60 masked",
       [=](TPaintCanvas& C) {
         DrawNineSlice(*button, C, {0, 0, 300, 60}, trans, true);
       }},
      {"three-frame tab 90x22 masked",
       [=](TPaintCanvas& C) {
         DrawThreeFrameH(*tab, C, {0, 0, 90, 22}, trans, true);
       }},
      {"three-slice progress 400x12",
       [=](TPaintCanvas& C) {
         DrawThreeSliceH(*progress, C, {0, 0, 400, 12}, 3);
       }},
      {"stretch title 1000x31",
       [=](TPaintCanvas& C) {
         StretchBitmap(*title, C, {0, 0, 1000, 31});
       }},
      {"gradient vertical 400x60",
       [](TPaintCanvas& C) {
         DrawGradientV(C, {0, 0, 400, 60}, 0x00FCF8F5, 0x00F2E4DA);
       }},
      {"gradient horizontal 400x60",
       [](TPaintCanvas& C) {
         DrawGradientH(C, {0, 0, 400, 60}, 0x00FCF8F5, 0x00F2E4DA);
       }},
      {"control border 200x21",
       [](TPaintCanvas& C) {
         DrawControlBorder(C, {0, 0, 200, 21}, 0x00CAAF9B, 0x00F4E6DA, true);
       }},
      {"ellipsis caption to 120 px",
       [](TPaintCanvas& C) {
         EllipsisText(C, u"Quillory Konfiguration - Dienst QuillorySvr auf diesem Server", 120);
       }},
  };
}

// Runs each step for about AMilliseconds and prints microseconds per call.
inline void TimeSteps(const char* ACanvasName, TPaintCanvas& ACanvas,
                      const std::vector<TStep>& ASteps, double AMilliseconds) {
  using TClock = std::chrono::steady_clock;
  for (const TStep& step : ASteps) {
    long calls = 0;
    const auto start = TClock::now();
    double elapsed = 0;
    do {
      for (int i = 0; i < 16; ++i) step.Draw(ACanvas);
      calls += 16;
      elapsed = std::chrono::duration<double, std::milli>(TClock::now() - start).count();
    } while (elapsed < AMilliseconds);
    std::printf("%-8s %-34s %10.2f us/call\n", ACanvasName, step.Name, elapsed * 1000.0 / calls);
  }
}

}  // namespace bench

#endif  // QUILLORY_BENCH_SKIN_DRAW_WORKLOAD_H_
