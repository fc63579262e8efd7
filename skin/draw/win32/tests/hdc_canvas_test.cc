// The device-context canvas against the bitmap canvas: the same calls on a
// DIB section and on a TBitmap must give the same pixels. Runs under Wine.
#include "skin/draw/win32/hdc_canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/button_layout.h"
#include "skin/draw/ellipsis_text.h"
#include "skin/draw/fills.h"
#include "skin/draw/slices.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/tests/dib_compare.h"

namespace skin {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr TColor kBackground = 0x00123456;
constexpr TColor kMagenta = 0x00FF00FF;

// A source whose every pixel differs from its neighbours.
TBitmap Coded(int AWidth, int AHeight) {
  TBitmap b(AWidth, AHeight);
  for (int y = 0; y < AHeight; ++y) {
    for (int x = 0; x < AWidth; ++x) {
      b.SetPixel(x, y, RGBColor(20 * x + 3, 20 * y + 5, (x * 7 + y * 13) & 0xFF));
    }
  }
  return b;
}

// Coded, with magenta on a diagonal and in the corners.
TBitmap Keyed(int AWidth, int AHeight) {
  TBitmap b = Coded(AWidth, AHeight);
  for (int i = 0; i < std::min(AWidth, AHeight); ++i) b.SetPixel(i, i, kMagenta);
  b.SetPixel(AWidth - 1, 0, kMagenta);
  b.SetPixel(0, AHeight - 1, kMagenta);
  return b;
}

struct TCase {
  const char* Name;
  std::function<void(TPaintCanvas&)> Draw;
};

// Draws ACase on both canvases and counts the pixels that differ.
void ExpectSame(const TCase& ACase) {
  SCOPED_TRACE(ACase.Name);
  TDibSurface dib(kWidth, kHeight);
  ASSERT_TRUE(dib.Valid());
  THdcCanvas device(dib.Dc());
  device.FillRect({0, 0, kWidth, kHeight}, kBackground);
  ACase.Draw(device);

  TBitmap memory(kWidth, kHeight, kBackground);
  TBitmapCanvas model(memory);
  ACase.Draw(model);

  std::string first;
  const int differing = test::CountDifferences(dib, memory, first);
  EXPECT_EQ(differing, 0) << first;
}

TEST(HdcCanvasTest, NearestBlitsAndStretchesMatchTheBitmapCanvas) {
  const TBitmap source = Coded(13, 11);
  const TCase cases[] = {
      {"copy",
       [&](TPaintCanvas& C) {
         C.DrawBitmap({3, 2, 16, 13}, source, BoundsOf(source), TStretchMode::Nearest);
       }},
      {"part",
       [&](TPaintCanvas& C) {
         C.DrawBitmap({0, 0, 5, 4}, source, {4, 3, 9, 7}, TStretchMode::Nearest);
       }},
      {"enlarge",
       [&](TPaintCanvas& C) {
         C.DrawBitmap({1, 1, 41, 38}, source, {2, 1, 7, 5}, TStretchMode::Nearest);
       }},
      {"enlarge odd",
       [&](TPaintCanvas& C) {
         C.DrawBitmap({0, 0, 29, 23}, source, BoundsOf(source), TStretchMode::Nearest);
       }},
      {"shrink",
       [&](TPaintCanvas& C) {
         C.DrawBitmap({5, 6, 10, 10}, source, BoundsOf(source), TStretchMode::Nearest);
       }},
      {"shrink odd",
       [&](TPaintCanvas& C) {
         C.DrawBitmap({5, 6, 12, 9}, source, BoundsOf(source), TStretchMode::Nearest);
       }},
      {"mixed",
       [&](TPaintCanvas& C) {
         C.DrawBitmap({2, 2, 6, 31}, source, {0, 0, 7, 3}, TStretchMode::Nearest);
       }},
      {"off the edge",
       [&](TPaintCanvas& C) {
         C.DrawBitmap({-7, -5, 30, 26}, source, BoundsOf(source), TStretchMode::Nearest);
       }},
      {"one pixel wide",
       [&](TPaintCanvas& C) {
         C.DrawBitmap({9, 0, 10, 40}, source, {6, 0, 7, 11}, TStretchMode::Nearest);
       }},
  };
  for (const TCase& c : cases) ExpectSame(c);
}

TEST(HdcCanvasTest, MaskedBlitsMatchTheBitmapCanvas) {
  const TBitmap source = Keyed(9, 7);
  const TCase cases[] = {
      {"masked copy",
       [&](TPaintCanvas& C) {
         C.DrawBitmapMasked({4, 4, 13, 11}, source, BoundsOf(source), kMagenta);
       }},
      {"masked part",
       [&](TPaintCanvas& C) {
         C.DrawBitmapMasked({0, 0, 4, 5}, source, {1, 1, 5, 6}, kMagenta);
       }},
      {"masked enlarge",
       [&](TPaintCanvas& C) {
         C.DrawBitmapMasked({2, 3, 31, 40}, source, BoundsOf(source), kMagenta);
       }},
      {"masked off the edges",
       [&](TPaintCanvas& C) {
         C.DrawBitmapMasked({-20, -9, 90, 70}, source, BoundsOf(source), kMagenta);
       }},
      {"masked shrink",
       [&](TPaintCanvas& C) {
         C.DrawBitmapMasked({2, 3, 7, 6}, source, BoundsOf(source), kMagenta);
       }},
  };
  for (const TCase& c : cases) ExpectSame(c);
}

TEST(HdcCanvasTest, FillsGradientsBordersAndArrowsMatchTheBitmapCanvas) {
  const TCase cases[] = {
      {"fills",
       [](TPaintCanvas& C) {
         C.FillRect({-4, 3, 20, 9}, 0x0000AA00);
         C.FillRect({60, 40, 90, 70}, 0x00AA00AA);
         C.FillRect({10, 10, 5, 20}, 0x00FFFFFF);  // empty
       }},
      {"gradient down",
       [](TPaintCanvas& C) {
         DrawGradientV(C, {2, 1, 40, 44}, 0x00F0E0D0, 0x00102030);
       }},
      {"gradient up",
       [](TPaintCanvas& C) {
         DrawGradientV(C, {0, 0, 64, 7}, 0x00000000, 0x00FFFFFF);
       }},
      {"gradient across",
       [](TPaintCanvas& C) {
         DrawGradientH(C, {3, 5, 61, 30}, 0x0010C0FF, 0x00FF4000);
       }},
      {"border",
       [](TPaintCanvas& C) {
         DrawControlBorder(C, {0, 0, 40, 20}, 0x00CAAF9B, 0x00F4E6DA, true);
       }},
      {"arrows",
       [](TPaintCanvas& C) {
         DrawDropArrow(C, 3, 3, true);
         DrawDropArrow(C, 20, 3, false);
       }},
  };
  for (const TCase& c : cases) ExpectSame(c);
}

TEST(HdcCanvasTest, SlicingRoutinesMatchTheBitmapCanvas) {
  const TBitmap frame = Keyed(25, 21);
  const TBitmap strip = Keyed(24, 11);
  const TCase cases[] = {
      {"nine-slice larger",
       [&](TPaintCanvas& C) {
         DrawNineSlice(frame, C, {1, 2, 60, 40}, kMagenta, true);
       }},
      {"nine-slice smaller",
       [&](TPaintCanvas& C) {
         DrawNineSlice(frame, C, {4, 4, 17, 13}, kMagenta, false);
       }},
      {"three-frame masked",
       [&](TPaintCanvas& C) {
         DrawThreeFrameH(strip, C, {0, 5, 50, 30}, kMagenta, true);
       }},
      {"three-frame narrow",
       [&](TPaintCanvas& C) {
         DrawThreeFrameH(strip, C, {0, 5, 6, 16}, kMagenta, false);
       }},
  };
  for (const TCase& c : cases) ExpectSame(c);
}

TEST(HdcCanvasTest, HalftoneMatchesWhereTheSourceIsUniform) {
  // Halftone averages neighbours, so only uniform sources (and unscaled
  // copies) are pixel-exact on both back ends.
  const TBitmap solid(3, 5, 0x00336699);
  const TBitmap coded = Coded(8, 6);
  TBitmap bands(12, 4, 0x000000FF);
  for (int y = 0; y < 4; ++y) {
    for (int x = 4; x < 8; ++x) bands.SetPixel(x, y, 0x0000FF00);
  }
  const TCase cases[] = {
      {"stretch solid",
       [&](TPaintCanvas& C) {
         StretchBitmap(solid, C, {2, 2, 50, 40});
       }},
      {"copy",
       [&](TPaintCanvas& C) {
         StretchBitmap(coded, C, {5, 5, 13, 11});
       }},
      {"three-slice ends",
       [&](TPaintCanvas& C) {
         DrawThreeSliceH(bands, C, {0, 0, 12, 4}, 4);
       }},
  };
  for (const TCase& c : cases) ExpectSame(c);
}

TEST(HdcCanvasTest, DrawingLeavesNoGdiObjectsBehind) {
  const TGdiCensus before = GdiCensus();
  {
    TDibSurface dib(kWidth, kHeight);
    ASSERT_TRUE(dib.Valid());
    THdcCanvas canvas(dib.Dc());
    const TBitmap source = Keyed(25, 21);
    for (int i = 0; i < 50; ++i) {
      DrawNineSlice(source, canvas, {0, 0, 40 + i % 7, 30}, kMagenta, true);
      DrawThreeFrameH(source, canvas, {0, 0, 50, 21}, kMagenta, true);
      DrawGradientV(canvas, {0, 0, 64, 48}, 0, 0x00FFFFFF);
    }
  }
  const TGdiCensus after = GdiCensus();
  EXPECT_GT(after.Created, before.Created + 100);
  EXPECT_EQ(after.Live(), before.Live());
}

TEST(HdcCanvasTest, EllipsisTextFitsInTheDevicesFont) {
  TDibSurface dib(kWidth, kHeight);
  ASSERT_TRUE(dib.Valid());
  TSelection font(dib.Dc(), GetStockObject(DEFAULT_GUI_FONT));
  THdcCanvas canvas(dib.Dc());
  const std::u16string caption = u"Quillory Konfiguration - Dienst QuilloryServer";
  const int full = canvas.TextExtent(caption).Width;
  ASSERT_GT(full, 40);
  EXPECT_EQ(EllipsisText(canvas, caption, full), caption);
  for (int width : {full - 1, full / 2, 30}) {
    const std::u16string shortened = EllipsisText(canvas, caption, width);
    EXPECT_LE(canvas.TextExtent(shortened).Width, width) << width;
    ASSERT_GE(shortened.size(), 4u) << width;
    EXPECT_EQ(shortened.substr(shortened.size() - 3), u"...");
    EXPECT_EQ(caption.substr(0, shortened.size() - 3), shortened.substr(0, shortened.size() - 3));
  }
  // Wrapped extents break lines and grow downwards.
  const TSize line = canvas.TextExtent(u"Dienst neu starten");
  const TSize wrapped = canvas.TextExtent(u"Dienst neu starten", line.Width * 2 / 3);
  EXPECT_LT(wrapped.Width, line.Width);
  EXPECT_EQ(wrapped.Height, 2 * line.Height);
}

TEST(HdcCanvasTest, EveryCallLeavesTheDcAsItFoundIt) {
  TDibSurface dib(kWidth, kHeight);
  ASSERT_TRUE(dib.Valid());
  HDC dc = dib.Dc();
  SetStretchBltMode(dc, BLACKONWHITE);
  SetTextColor(dc, 0x00010203);
  SetBkMode(dc, OPAQUE);
  SetDCBrushColor(dc, 0x00040506);
  SetBrushOrgEx(dc, 3, 4, nullptr);
  THdcCanvas canvas(dc);
  const TBitmap source = Keyed(9, 7);
  canvas.DrawBitmap({0, 0, 20, 20}, source, BoundsOf(source), TStretchMode::Halftone);
  canvas.DrawBitmap({0, 0, 20, 20}, source, BoundsOf(source), TStretchMode::Nearest);
  canvas.DrawBitmapMasked({0, 0, 5, 5}, source, BoundsOf(source), kMagenta);
  canvas.FillRect({0, 0, 9, 9}, 0x00FFFFFF);
  canvas.PaintText({0, 0, 60, 40}, u"Dienst neu starten", 0x00FFFFFF,
                   {.WordWrap = true, .Centred = true});
  EXPECT_EQ(GetStretchBltMode(dc), BLACKONWHITE);
  EXPECT_EQ(GetTextColor(dc), 0x00010203u);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetDCBrushColor(dc), 0x00040506u);
  POINT origin{};
  GetBrushOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 3);
  EXPECT_EQ(origin.y, 4);
}

TEST(HdcCanvasTest, ButtonCaptionStaysInsideItsMeasuredRectangle) {
  for (bool wrap : {false, true}) {
    SCOPED_TRACE(wrap);
    TDibSurface dib(kWidth, kHeight);
    ASSERT_TRUE(dib.Valid());
    TSelection font(dib.Dc(), GetStockObject(DEFAULT_GUI_FONT));
    THdcCanvas canvas(dib.Dc());
    canvas.FillRect({0, 0, kWidth, kHeight}, 0);
    const TRect at =
        PaintButtonCaption(canvas, {0, 0, kWidth, kHeight}, wrap ? u"Dienst neu starten" : u"Start",
                           {.WordWrap = wrap, .Color = 0x00FFFFFF});
    ASSERT_FALSE(at.Empty());
    int inside = 0, outside = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (dib.Pixel(x, y) == 0) continue;
        const bool in = x >= at.Left && x < at.Right && y >= at.Top && y < at.Bottom;
        ++(in ? inside : outside);
      }
    }
    EXPECT_GT(inside, 10);
    EXPECT_EQ(outside, 0) << at;
    // Centred: as much room on the left as on the right, give or take one.
    EXPECT_LE(std::abs((at.Left - 0) - (kWidth - at.Right)), 1) << at;
  }
}

}  // namespace
}  // namespace skin
