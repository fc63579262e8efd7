// The painted frame, pixel by pixel, against the skin's own images: the
// title's rows come from "SKIN2_TITLEBAR1..3", the caption buttons from the
// frames of "SKIN2_TITLEBUTTONS", the borders from their images.
#include "skin/frame/paint_frame.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/tests/draw_test_util.h"
#include "skin/frame/tests/frame_test_util.h"

namespace skin::test {
namespace {

constexpr TColor kClient = 0x00123456;  // the client area is never painted

struct TPainted {
  TBitmap Target;
  TFramePaint Paint;
  std::vector<TTextRun> Text;
};

TPainted Paint(const TFrameState& AState, TSize ASize, std::u16string_view ACaption,
               TFramePointer APointer = {}, const TSkinMetrics& AMetrics = OwnMetrics(),
               const TFrameImages& AImages = OwnImages()) {
  TPainted p{TBitmap(ASize.Width, ASize.Height, kClient), {}, {}};
  TBitmapCanvas canvas(p.Target);
  p.Paint = PaintFrame(canvas, AMetrics, AImages, AState, ASize, ACaption, APointer, nullptr);
  p.Text = canvas.TextRuns();
  return p;
}

// Checks that ARect of ATarget shows frame AFrame of the button strip.
void ExpectButton(const TBitmap& ATarget, const TRect& ARect, int AFrame) {
  const TSkinMetrics m = OwnMetrics();
  const TBitmap& strip = *OwnImages().TitleButtons;
  const int b = m.TitleButtonSize.Width;
  for (int y = 0; y < ARect.Height(); ++y) {
    for (int x = 0; x < ARect.Width(); ++x) {
      ASSERT_EQ(ATarget.Pixel(ARect.Left + x, ARect.Top + y),
                Shown(strip, b * (AFrame - 1) + x, y, m))
          << "frame " << AFrame << " at " << x << "," << y;
    }
  }
}

bool Inside(const TRect& ARect, int AX, int AY) {
  return AX >= ARect.Left && AX < ARect.Right && AY >= ARect.Top && AY < ARect.Bottom;
}

TEST(PaintFrameTest, ThreePartTitleButtonsAndBordersComeFromTheSkin) {
  const TSkinMetrics m = OwnMetrics();
  const TFrameImages f = OwnImages();
  const int w = 300, h = 200;
  const TPainted p = Paint({}, {w, h}, u"Quillory");
  const TTitleLayout& t = p.Paint.Title;
  ASSERT_EQ(t.Buttons.size(), 3u);

  // Title rows: left end, middle stretched, right end; keyed-out corners
  // show the form colour. Buttons checked separately below.
  const TBitmap &left = *f.TitleBar[0], &middle = *f.TitleBar[1], &right = *f.TitleBar[2];
  int keyed = 0;
  for (int y = 0; y < 31; ++y) {
    for (int x = 0; x < w; ++x) {
      bool button = false;
      for (const auto& b : t.Buttons) button = button || Inside(b.Bounds, x, y);
      if (button) continue;
      TColor want;
      if (x < 15) {
        want = Shown(left, x, y, m);
        keyed += left.Pixel(x, y) == m.TransColor;
      } else if (x >= w - 18) {
        want = Shown(right, x - (w - 18), y, m);
      } else {
        want = Shown(middle, StretchSource(x - 15, w - 33, 360, TAxis::Columns), y, m);
      }
      ASSERT_EQ(p.Target.Pixel(x, y), want) << x << "," << y;
    }
  }
  EXPECT_GT(keyed, 0);  // the rounded corner is keyed out in the image

  ExpectButton(p.Target, t.Buttons[0].Bounds, 16);
  ExpectButton(p.Target, t.Buttons[1].Bounds, 7);
  ExpectButton(p.Target, t.Buttons[2].Bounds, 13);

  // Borders: the side images stretched from the title to the bottom
  // border, one column of frame colour between them and the client area.
  const TBitmap &lb = *f.LeftBorder, &rb = *f.RightBorder;
  for (int y = 31; y < h - 24; ++y) {
    const int sy = StretchSource(y - 31, h - 24 - 31, lb.Height(), TAxis::Rows);
    for (int x = 0; x < 3; ++x) {
      ASSERT_EQ(p.Target.Pixel(x, y), lb.Pixel(x, sy)) << x << "," << y;
      ASSERT_EQ(p.Target.Pixel(w - 3 + x, y), rb.Pixel(x, sy)) << x << "," << y;
    }
    ASSERT_EQ(p.Target.Pixel(3, y), m.FormFrameColor);
    ASSERT_EQ(p.Target.Pixel(w - 4, y), m.FormFrameColor);
    ASSERT_EQ(p.Target.Pixel(4, y), kClient);
    ASSERT_EQ(p.Target.Pixel(w - 5, y), kClient);
  }
  // The three-part bottom border, its keyed-out corners in the form colour.
  const TBitmap &b1 = *f.BottomBorder[0], &b2 = *f.BottomBorder[1], &b3 = *f.BottomBorder[2];
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < w; ++x) {
      const TColor want = x < 37 ? Shown(b1, x, y, m)
                          : x >= w - 15
                              ? Shown(b3, x - (w - 15), y, m)
                              : Shown(b2, StretchSource(x - 37, w - 52, 341, TAxis::Columns), y, m);
      ASSERT_EQ(p.Target.Pixel(x, h - 24 + y), want) << x << "," << y;
    }
  }
  EXPECT_EQ(p.Target.Pixel(150, 100), kClient);

  // The caption: after the icon, in the title font colour.
  ASSERT_EQ(p.Text.size(), 1u);
  EXPECT_EQ(p.Text[0], (TTextRun{{28, 5}, u"Quillory", m.TitleFontColor}));
  EXPECT_EQ(p.Paint.InButtons, TFrameElement::None);
}

TEST(PaintFrameTest, InactiveCaptionColourAndShortenedCaption) {
  TFrameState s;
  s.Active = false;
  // 174 pixels for the caption: 26 characters of 6 and "...".
  const std::u16string longCaption(40, u'W');
  const TPainted p = Paint(s, {300, 200}, longCaption);
  ASSERT_EQ(p.Text.size(), 1u);
  EXPECT_EQ(p.Text[0].Text, std::u16string(26, u'W') + u"...");
  EXPECT_EQ(p.Text[0].Color, kInactiveCaption);
  EXPECT_EQ(p.Paint.Caption, p.Text[0].Text);
}

TEST(PaintFrameTest, HoverAndPressShowTheButtonsOtherFrames) {
  struct TCase {
    TPoint At;
    bool Down;
    int Button;  // index in the layout
    int Frame;
    TFrameElement Element;
  };
  const TCase cases[] = {
      {{280, 15}, false, 0, 17, TFrameElement::Close},
      {{280, 15}, true, 0, 18, TFrameElement::Close},
      {{250, 15}, false, 1, 8, TFrameElement::Maximize},
      {{220, 28}, true, 2, 15, TFrameElement::Minimize},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Frame);
    const TPainted p = Paint({}, {300, 200}, u"", {c.At, c.Down});
    EXPECT_EQ(p.Paint.InButtons, c.Element);
    ExpectButton(p.Target, p.Paint.Title.Buttons[c.Button].Bounds, c.Frame);
    // The others stay normal.
    for (int i = 0; i < 3; ++i) {
      if (i != c.Button) {
        ExpectButton(p.Target, p.Paint.Title.Buttons[i].Bounds,
                     p.Paint.Title.Buttons[i].FirstFrame);
      }
    }
  }
  // Over the icon, and over a maximised window's restore button.
  EXPECT_EQ(Paint({}, {300, 200}, u"", {TPoint{10, 10}}).Paint.InButtons, TFrameElement::Icon);
  TFrameState max;
  max.Show = TWindowShow::Maximized;
  const TPainted p = Paint(max, {300, 200}, u"", {TPoint{250, 15}, true});
  ExpectButton(p.Target, p.Paint.Title.Buttons[1].Bounds, 12);
}

TEST(PaintFrameTest, MinimisedTitleWithRestoreAndClose) {
  TFrameState s;
  s.Show = TWindowShow::Minimized;
  const TSkinMetrics m = OwnMetrics();
  const TBitmap& image = *OwnImages().MinimizedTitle;
  const TPainted p = Paint(s, {160, 26}, u"Quillory");
  const TTitleLayout& t = p.Paint.Title;
  ASSERT_EQ(t.Buttons.size(), 3u);
  for (int y = 0; y < 26; ++y) {
    for (int x = 0; x < 160; ++x) {
      bool button = false;
      for (const auto& b : t.Buttons) button = button || Inside(b.Bounds, x, y);
      if (button) continue;
      ASSERT_EQ(p.Target.Pixel(x, y),
                image.Pixel(StretchSource(x, 160, image.Width(), TAxis::Columns),
                            StretchSource(y, 26, image.Height(), TAxis::Rows)))
          << x << "," << y;
    }
  }
  ExpectButton(p.Target, t.Buttons[0].Bounds, 16);  // close
  ExpectButton(p.Target, t.Buttons[2].Bounds, 10);  // minimise shows restore
  ASSERT_EQ(p.Text.size(), 1u);
  EXPECT_EQ(p.Text[0].Origin, (TPoint{28, 4}));
  (void)m;
}

TEST(PaintFrameTest, IconDrawnThroughItsTransparentColour) {
  TBitmap icon = CodedBitmap(16, 16);
  icon.SetPixel(0, 0, kMagenta);
  icon.SetTransparent(true, kMagenta);
  const TSkinMetrics m = OwnMetrics();
  TBitmap target(300, 200, kClient);
  TBitmapCanvas canvas(target);
  const TFramePaint p = PaintFrame(canvas, m, OwnImages(), {}, {300, 200}, u"", {}, &icon);
  ASSERT_EQ(p.Title.Icon, (TRect{8, 5, 24, 21}));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (x == 0 && y == 0) continue;
      ASSERT_EQ(target.Pixel(8 + x, 5 + y), Coded(x, y)) << x << "," << y;
    }
  }
  // The keyed-out pixel shows the title's left end below it.
  EXPECT_EQ(target.Pixel(8, 5), Shown(*OwnImages().TitleBar[0], 8, 5, m));
}

TEST(PaintFrameTest, NoSystemMenuNoButtonsNoIcon) {
  TFrameState s;
  s.Icons.SystemMenu = false;
  const TPainted p = Paint(s, {300, 200}, u"Q");
  EXPECT_TRUE(p.Paint.Title.Buttons.empty());
  EXPECT_TRUE(p.Paint.Title.Icon.Empty());
  // Where the close button would be, the title's right end shows.
  const TSkinMetrics m = OwnMetrics();
  EXPECT_EQ(p.Target.Pixel(285, 15), Shown(*OwnImages().TitleBar[2], 285 - 282, 15, m));
  EXPECT_EQ(p.Text[0].Origin, (TPoint{8, 5}));
}

TEST(PaintFrameTest, TitleHiddenLeavesTheTopToTheClient) {
  TFrameState s;
  s.TitleVisible = false;
  const TPainted p = Paint(s, {300, 200}, u"Q");
  EXPECT_TRUE(p.Text.empty());
  EXPECT_EQ(p.Target.Pixel(150, 0), kClient);
  EXPECT_EQ(p.Target.Pixel(0, 0), OwnImages().LeftBorder->Pixel(0, 0));
}

TEST(PaintFrameTest, MenuRowsAndATallerSystemTitle) {
  const TSkinMetrics m = OwnMetrics();
  const TFrameImages f = OwnImages();
  TFrameState s;
  s.MenuHeight = 20;
  s.SystemTitleHeight = 34;
  const TPainted p = Paint(s, {300, 200}, u"");
  // Title rows 31..33 below the skin's title: the menu bar colour.
  EXPECT_EQ(p.Target.Pixel(150, 32), m.MenuColors[0]);
  // The gap column beside the menu rows (34..53): the menu bar image
  // stretched; below them the frame colour.
  const TBitmap& bar = *f.MenuBar;
  for (int y = 34; y < 54; ++y) {
    ASSERT_EQ(p.Target.Pixel(3, y),
              bar.Pixel(0, StretchSource(y - 34, 20, bar.Height(), TAxis::Rows)));
  }
  EXPECT_EQ(p.Target.Pixel(3, 54), m.FormFrameColor);
  EXPECT_EQ(p.Target.Pixel(150, 40), kClient);  // the menu bar paints itself
}

// A synthetic skin whose images are coordinate-coded, to pin the five-part
// title and the narrow-window rules.
struct TCodedSkin {
  TBitmap Bars[5] = {CodedBitmap(10, 8), CodedBitmap(20, 8), CodedBitmap(6, 8), CodedBitmap(20, 8),
                     CodedBitmap(12, 8)};
  TSkinMetrics Metrics;
  TFrameImages Images;
  TCodedSkin() {
    for (int i = 0; i < 5; ++i) {
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < Bars[i].Width(); ++x) {
          Bars[i].SetPixel(x, y, RGBColor(x, y, 0x10 * (i + 1)));
        }
      }
      Images.TitleBar[i] = &Bars[i];
    }
    Metrics.TitleHeight = 8;
    Metrics.LeftBorderWidth = Metrics.RightBorderWidth = 2;
    Metrics.TransColor = kMagenta;
    Metrics.FormColor = kBackground;
  }
  // The colour of (AX, AY) of bar AIndex (0-based).
  static TColor Bar(int AIndex, int AX, int AY) { return RGBColor(AX, AY, 0x10 * (AIndex + 1)); }
};

std::vector<TColor> TitleRow(const TCodedSkin& ASkin, int AWidth, int ACaptionEnd) {
  TBitmap target(AWidth, 8, kBackground);
  TBitmapCanvas canvas(target);
  PaintTitleImages(canvas, ASkin.Metrics, ASkin.Images, AWidth, ACaptionEnd, false);
  std::vector<TColor> row;
  for (int x = 0; x < AWidth; ++x) row.push_back(target.Pixel(x, 3));
  return row;
}

TEST(PaintFrameTest, FivePartTitleFollowsTheCaption) {
  TCodedSkin skin;
  skin.Metrics.TitleFiveSect = true;
  const int w = 80, captionEnd = 30;
  const std::vector<TColor> row = TitleRow(skin, w, captionEnd);
  std::vector<TColor> want;
  for (int x = 0; x < w; ++x) {
    if (x < 10) {
      want.push_back(TCodedSkin::Bar(0, x, 3));
    } else if (x < 32) {  // second part to 2 pixels past the caption
      want.push_back(TCodedSkin::Bar(1, StretchSource(x - 10, 22, 20, TAxis::Columns), 3));
    } else if (x < 38) {  // third part unscaled
      want.push_back(TCodedSkin::Bar(2, x - 32, 3));
    } else if (x < 68) {  // fourth part stretched to the right end
      want.push_back(TCodedSkin::Bar(3, StretchSource(x - 38, 30, 20, TAxis::Columns), 3));
    } else {
      want.push_back(TCodedSkin::Bar(4, x - 68, 3));
    }
  }
  EXPECT_EQ(row, want);
  // A caption running into the right end: nothing is drawn over it.
  const std::vector<TColor> full = TitleRow(skin, w, 200);
  for (int x = 68; x < w; ++x) EXPECT_EQ(full[x], TCodedSkin::Bar(4, x - 68, 3)) << x;
  EXPECT_EQ(full[67], TCodedSkin::Bar(1, 19, 3));
}

TEST(PaintFrameTest, NarrowWindowsKeepTheirEnds) {
  TCodedSkin skin;  // three parts: ends 10 and 6 wide
  {
    SCOPED_TRACE("narrower than both ends: right end whole, left end stretched");
    const std::vector<TColor> row = TitleRow(skin, 12, 0);
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(row[x], TCodedSkin::Bar(0, StretchSource(x, 6, 10, TAxis::Columns), 3)) << x;
    }
    for (int x = 6; x < 12; ++x) EXPECT_EQ(row[x], TCodedSkin::Bar(2, x - 6, 3)) << x;
  }
  {
    SCOPED_TRACE("narrower than the left end: it is cut, the right border closes it");
    const std::vector<TColor> row = TitleRow(skin, 8, 0);
    for (int x = 0; x < 6; ++x) EXPECT_EQ(row[x], TCodedSkin::Bar(0, x, 3)) << x;
    EXPECT_EQ(row[6], TCodedSkin::Bar(2, 4, 3));
    EXPECT_EQ(row[7], TCodedSkin::Bar(2, 5, 3));
  }
  {
    SCOPED_TRACE("a right end wider than the window: its outer part after the left border");
    TCodedSkin wide;
    wide.Bars[2] = TBitmap(30, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 30; ++x) wide.Bars[2].SetPixel(x, y, TCodedSkin::Bar(2, x, y));
    const std::vector<TColor> row = TitleRow(wide, 20, 0);
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(row[x], TCodedSkin::Bar(0, StretchSource(x, 2, 10, TAxis::Columns), 3)) << x;
    }
    for (int x = 2; x < 20; ++x) EXPECT_EQ(row[x], TCodedSkin::Bar(2, x + 10, 3)) << x;
  }
}

}  // namespace
}  // namespace skin::test
