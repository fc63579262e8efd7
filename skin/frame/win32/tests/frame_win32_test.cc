// The frame painted through the device-context canvas into a DIB must
// match the bitmap canvas pixel for pixel, and the region's rectangles
// must become a GDI region (and a window's region) covering the same
// pixels. Runs under Wine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/gdi_census.h"
#include "skin/draw/win32/hdc_canvas.h"
#include "skin/draw/win32/tests/dib_compare.h"
#include "skin/frame/frame_region.h"
#include "skin/frame/paint_frame.h"
#include "skin/frame/tests/frame_test_util.h"
#include "skin/frame/win32/frame_region_win32.h"

namespace skin::test {
namespace {

constexpr TColor kClient = 0x00123456;

struct TCase {
  const char* Name;
  TFrameState State;
  TSize Size;
  TFramePointer Pointer;
};

TFrameState With(void (*AChange)(TFrameState&)) {
  TFrameState s;
  AChange(s);
  return s;
}

// Paints ACase on a DIB and on a bitmap; returns the DIB pixels that
// differ outside ASkip.
int Differences(const TCase& ACase, std::u16string_view ACaption, TRect* ACaptionBand,
                int* ACaptionInk) {
  const TSkinMetrics m = OwnMetrics();
  const TFrameImages f = OwnImages();
  TDibSurface dib(ACase.Size.Width, ACase.Size.Height);
  EXPECT_TRUE(dib.Valid());
  if (!dib.Valid()) return -1;
  THdcCanvas device(dib.Dc());
  device.FillRect({0, 0, ACase.Size.Width, ACase.Size.Height}, kClient);
  const TFramePaint painted =
      PaintFrame(device, m, f, ACase.State, ACase.Size, ACaption, ACase.Pointer, nullptr);

  TBitmap memory(ACase.Size.Width, ACase.Size.Height, kClient);
  TBitmapCanvas model(memory);
  PaintFrame(model, m, f, ACase.State, ACase.Size, ACaption, ACase.Pointer, nullptr);

  TRect band;
  if (!ACaption.empty()) {
    band = TRect::Sized(painted.Title.Caption.X, painted.Title.Caption.Y,
                        painted.Title.CaptionWidth, m.TitleHeight - painted.Title.Caption.Y);
  }
  if (ACaptionBand) *ACaptionBand = band;
  auto inBand = [&](int AX, int AY) {
    return AX >= band.Left && AX < band.Right && AY >= band.Top && AY < band.Bottom;
  };
  int ink = 0;
  for (int y = band.Top; y < band.Bottom; ++y) {
    for (int x = band.Left; x < band.Right; ++x) ink += dib.Pixel(x, y) == m.TitleFontColor;
  }
  std::string first;
  const int differing = CountDifferences(dib, memory, first, inBand);
  if (ACaptionInk) *ACaptionInk = ink;
  EXPECT_EQ(differing, 0) << first;
  return differing;
}

TEST(FrameWin32Test, DeviceCanvasPaintsTheSameFrame) {
  const TGdiCensus before = GdiCensus();
  const TCase cases[] = {
      {"normal, close pressed", {}, {300, 200}, {TPoint{280, 15}, true}},
      {"hover on maximise", {}, {320, 240}, {TPoint{250, 15}, false}},
      {"minimised", With([](TFrameState& s) { s.Show = TWindowShow::Minimized; }), {160, 26}, {}},
      {"maximised, inactive",
       With([](TFrameState& s) {
         s.Show = TWindowShow::Maximized;
         s.Active = false;
       }),
       {400, 300},
       {}},
      {"dialog with a menu bar",
       With([](TFrameState& s) {
         s.Style = TBorderStyle::Dialog;
         s.MenuHeight = 20;
       }),
       {260, 180},
       {}},
      {"narrow", {}, {24, 60}, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Differences(c, u"", nullptr, nullptr);
  }
  EXPECT_EQ(GdiCensus().Live(), before.Live());
}

TEST(FrameWin32Test, CaptionTextIsDrawnInTheTitleFontColour) {
  TRect band;
  int ink = 0;
  Differences({"caption", {}, {300, 200}, {}}, u"Quillory Konfiguration", &band, &ink);
  EXPECT_FALSE(band.Empty());
  EXPECT_GT(ink, 10);  // text pixels in the caption's colour
}

TEST(FrameWin32Test, RegionFromRectanglesCoversTheSamePixels) {
  const TSkinMetrics m = OwnMetrics();
  const int w = 300, h = 200;
  const std::vector<TRect> rects = FrameRegion(m, OwnImages(), {}, {w, h}, 0);
  const TGdiCensus before = GdiCensus();
  {
    TCountedObject region = RegionFromRects(rects);
    ASSERT_TRUE(region);
    EXPECT_EQ(GdiCensus().Live(), before.Live() + 1);
    int mismatches = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        bool want = false;
        for (const TRect& r : rects) {
          want = want || (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom);
        }
        mismatches += (PtInRegion(RegionHandle(region), x, y) != FALSE) != want;
      }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_FALSE(PtInRegion(RegionHandle(region), 0, 0));
    EXPECT_TRUE(PtInRegion(RegionHandle(region), 150, 100));
  }
  EXPECT_EQ(GdiCensus().Live(), before.Live());

  // An empty list is an empty region, not a failure.
  {
    TCountedObject empty = RegionFromRects({});
    ASSERT_TRUE(empty);
    RECT box;
    EXPECT_EQ(GetRgnBox(RegionHandle(empty), &box), NULLREGION);
  }
}

// Needs a display: under Wine without one no window can be made, and the
// case is skipped, unless QUILLORY_FRAME_NEEDS_WINDOW is set (the display
// run of this test sets it).
TEST(FrameWin32Test, WindowTakesTheRegionOver) {
  const int w = 300, h = 200;
  const std::vector<TRect> rects = FrameRegion(OwnMetrics(), OwnImages(), {}, {w, h}, 0);
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, w, h, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) {
    ASSERT_EQ(std::getenv("QUILLORY_FRAME_NEEDS_WINDOW"), nullptr) << "no window could be made";
    GTEST_SKIP() << "no display: no window could be made";
  }
  const TGdiCensus before = GdiCensus();
  TCountedObject region = RegionFromRects(rects);
  ASSERT_TRUE(region);
  // SetWindowRgn owns the handle from here: it leaves the census.
  ASSERT_NE(SetWindowRgn(window, static_cast<HRGN>(region.Release()), FALSE), 0);
  EXPECT_FALSE(region);
  EXPECT_EQ(GdiCensus().Live(), before.Live());
  RECT box;
  EXPECT_EQ(GetWindowRgnBox(window, &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, w);
  EXPECT_EQ(box.bottom, h);
  DestroyWindow(window);
}

}  // namespace
}  // namespace skin::test
