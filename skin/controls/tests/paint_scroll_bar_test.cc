// The overlay scroll bars' geometry and painting against exact pixels, on
// our skin with its scroll images replaced by position-coded ones.
#include "skin/controls/paint_scroll_bar.h"

#include <gtest/gtest.h>

#include "skin/bitmap/image_routines.h"
#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/tests/draw_test_util.h"
#include "skin/own/own_skin.h"
#include "skin/tests/own_skin_fixture.h"
#include "skin/tests/test_files.h"

namespace skin::test {
namespace {

TEST(OverlayBoundsTest, HiddenForInvisibleEmptyInvertedOrThickBars) {
  const struct {
    TRect Bar;
    bool Visible;
    TScrollDir Dir;
    bool Shown;
  } cases[] = {
      {{200, 10, 216, 110}, true, TScrollDir::Vertical, true},
      {{200, 10, 216, 110}, false, TScrollDir::Vertical, false},
      {{200, 10, 200, 110}, true, TScrollDir::Vertical, false},  // empty
      {{216, 10, 200, 110}, true, TScrollDir::Vertical, false},  // inverted
      {{200, 110, 216, 10}, true, TScrollDir::Vertical, false},
      {{0, 0, 100, 300}, true, TScrollDir::Vertical, true},  // 100 thick
      {{0, 0, 101, 300}, true, TScrollDir::Vertical, false},
      {{0, 0, 300, 17}, true, TScrollDir::Horizontal, true},  // long, thin
      {{0, 0, 300, 101}, true, TScrollDir::Horizontal, false},
      {{0, 0, 50, 101}, true, TScrollDir::Vertical, true},  // thickness is the width
  };
  for (const auto& c : cases) {
    const auto bounds = OverlayBounds(c.Bar, c.Visible, c.Dir);
    EXPECT_EQ(bounds.has_value(), c.Shown) << c.Bar;
    if (bounds) {
      EXPECT_EQ(*bounds, c.Bar);
    }
  }
  EXPECT_EQ(ScrollCorner({200, 0, 216, 100}, {0, 100, 200, 116}), (TRect{200, 100, 216, 116}));
}

TEST(ScrollBarPartsTest, ArrowsAndTheThumbCutToTheTrack) {
  using D = TScrollDir;
  const struct {
    TScrollBarLook Look;
    TRect First, Second, Thumb;
  } cases[] = {
      {{D::Vertical, {16, 100}, true, 30, 50}, {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 30, 16, 50}},
      {{D::Horizontal, {100, 16}, true, 30, 50}, {0, 0, 16, 16}, {84, 0, 100, 16}, {30, 0, 50, 16}},
      {{D::Vertical, {16, 100}, false, 30, 50}, {0, 0, 16, 16}, {0, 84, 16, 100}, {}},
      {{D::Vertical, {16, 100}, true, 5, 95}, {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 16, 16, 84}},
      {{D::Vertical, {16, 100}, true, 40, 40}, {0, 0, 16, 16}, {0, 84, 16, 100}, {}},
      // Too short for two square arrows: half the bar each, no track.
      {{D::Vertical, {16, 20}, true, 8, 12}, {0, 0, 16, 10}, {0, 10, 16, 20}, {}},
      {{D::Horizontal, {21, 16}, true, 0, 21}, {0, 0, 10, 16}, {11, 0, 21, 16}, {10, 0, 11, 16}},
  };
  for (const auto& c : cases) {
    const TScrollBarParts parts = ScrollBarParts(c.Look);
    EXPECT_EQ(parts.First, c.First) << c.Look.Size;
    EXPECT_EQ(parts.Second, c.Second) << c.Look.Size;
    if (c.Thumb.Empty()) {
      EXPECT_TRUE(parts.Thumb.Empty()) << c.Look.Size << parts.Thumb;
    } else {
      EXPECT_EQ(parts.Thumb, c.Thumb) << c.Look.Size;
    }
  }
}

TEST(WantsOverlayScrollBarsTest, ByClassAndAncestry) {
  namespace c = ui::classes;
  using L = std::vector<const ui::TWidgetClass*>;
  const struct {
    const ui::TWidgetClass* Class;
    bool MultiLine;
    L Ancestors;
    bool Wants;
  } cases[] = {
      {&c::Edit, false, {&c::Form}, false},
      {&c::LabeledEdit, false, {&c::Form}, false},
      {&c::Memo, true, {&c::Form}, true},
      {&c::Edit, true, {&c::Form}, true},  // an edit made multi-line
      {&c::MaskEdit, true, {&c::Form}, false},
      {&c::SpinEdit, false, {&c::Form}, false},
      {&c::ListBox, false, {&c::Form}, true},
      {&c::TreeView, false, {&c::Form}, true},
      {&c::ScrollBox, false, {&c::Form}, true},
      {&c::StringGrid, false, {&c::Form}, true},
      {&c::ListBox, false, {&c::Panel, &c::TabPage, &c::Form}, false},
      {&c::ListBox, false, {&c::Panel, &c::Panel, &c::TabPage}, false},
      {&c::ListBox, false, {&c::TabPage, &c::Form}, true},  // no panel between
      {&c::ListBox, false, {&c::Panel, &c::TabSheet}, true},
      {&c::ListBox, false, {&c::GroupBox, &c::TabPage}, true},  // not a plain panel
      {&c::ListBox, false, {&c::Panel}, true},
  };
  for (const auto& t : cases) {
    EXPECT_EQ(WantsOverlayScrollBars(*t.Class, t.MultiLine, t.Ancestors), t.Wants)
        << t.Class->Name << " " << t.Ancestors.size();
  }
}

constexpr TColor kBar = 0x00F3F4F4;

// A strip of three 7x7 button frames; pixel (x, y) of frame f (1-based) is
// RGB(x, y, ABase + f).
TBitmap ButtonStrip(unsigned ABase) {
  TBitmap b(21, 7);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 21; ++x) {
      b.SetPixel(x, y,
                 RGBColor(static_cast<unsigned>(x % 7), static_cast<unsigned>(y),
                          ABase + static_cast<unsigned>(x / 7) + 1));
    }
  }
  return b;
}

constexpr unsigned kUp = 0x80, kDown = 0xA0;

// Our skin with a 7x24 coded thumb: caps of 3 rows, bodies of 6 (rows 3-8
// and 15-20), the grip rows 9-14; the grip is 7 wide, so plain.
class PaintScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadOwnSkin(FDir, FReader);
    FReader.SetColor(TSkinColorKey::ScrollBarColor, kBar);
    FReader.SetBitmap(TSkinBitmapKey::ScrollBarUpButton, ButtonStrip(kUp));
    FReader.SetBitmap(TSkinBitmapKey::ScrollBarDownButton, ButtonStrip(kDown));
    FReader.SetBitmap(TSkinBitmapKey::ScrollBar, CodedBitmap(7, 24));
    FRes.SetReader(&FReader);
    ASSERT_FALSE(FRes.MacOS());
  }

  TBitmap Paint(const TScrollBarLook& ALook) {
    TBitmap target(ALook.Size.Width, ALook.Size.Height, kBackground);
    TBitmapCanvas canvas(target);
    PaintScrollBar(canvas, TReaderSkinSource(FReader), FRes, ALook);
    return target;
  }

  TScratchDir FDir;
  TzelSkinReader FReader;
  TzelSkinScrollBtnRes FRes;
};

// Target rows of a thumb and the source thumb rows they show.
struct TThumbCase {
  int Top, Bottom;
  std::vector<int> Rows;
};

std::vector<int> Range(int AFrom, int ATo) {
  std::vector<int> out;
  for (int i = AFrom; i <= ATo; ++i) out.push_back(i);
  return out;
}

std::vector<int> Concat(std::initializer_list<std::vector<int>> AParts) {
  std::vector<int> out;
  for (const auto& p : AParts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// The source rows a stretch of ASource rows from AFirst over ATarget rows
// shows (nearest, as every canvas resamples).
std::vector<int> Stretched(int AFirst, int ASource, int ATarget) {
  std::vector<int> out;
  for (int t = 0; t < ATarget; ++t) {
    out.push_back(AFirst + StretchSource(t, ATarget, ASource, TAxis::Rows));
  }
  return out;
}

TEST_F(PaintScrollBarTest, VerticalBarRowByRow) {
  const TThumbCase cases[] = {
      // As long as the image: every row once.
      {20, 44, Range(0, 23)},
      // Longer: the bodies stretched, the grip unscaled in the middle.
      {10, 46,
       Concat(
           {Range(0, 2), Stretched(3, 6, 12), Range(9, 14), Stretched(15, 6, 12), Range(21, 23)})},
      // Odd middle: the grip one row nearer the start.
      {10, 35,
       Concat({Range(0, 2), Stretched(3, 6, 6), Range(9, 14), Stretched(15, 6, 7), Range(21, 23)})},
      // Between the caps too short for the grip: it is stretched over the
      // thumb inset 3 rows.
      {30, 38, Concat({Range(0, 2), Stretched(9, 6, 2), Range(21, 23)})},
      // Shorter than the caps: the start cap cut, then the end cap's middle.
      {40, 42, {21, 22}},
      {40, 41, {22}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Top << ".." << c.Bottom);
    const TBitmap shot = Paint({TScrollDir::Vertical, {7, 80}, true, c.Top, c.Bottom});
    ASSERT_EQ(static_cast<int>(c.Rows.size()), c.Bottom - c.Top);
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 7; ++x) {
        TColor want = kBar;
        if (y < 7) {
          want = RGBColor(static_cast<unsigned>(x), static_cast<unsigned>(y), kUp + 1);
        } else if (y >= 73) {
          want = RGBColor(static_cast<unsigned>(x), static_cast<unsigned>(y - 73), kDown + 1);
        } else if (y >= c.Top && y < c.Bottom) {
          want = Coded(x, c.Rows[y - c.Top]);
        }
        ASSERT_EQ(shot.Pixel(x, y), want) << x << "," << y;
      }
    }
  }
}

TEST_F(PaintScrollBarTest, ThumbOverTheArrowsIsCutAndADisabledBarHasNone) {
  // The thumb 2..30 becomes 7..30: caps at 7 and 27, grip centred.
  TBitmap shot = Paint({TScrollDir::Vertical, {7, 80}, true, 2, 30});
  EXPECT_EQ(shot.Pixel(3, 6), RGBColor(3, 6, kUp + 1));
  EXPECT_EQ(shot.Pixel(3, 7), Coded(3, 0));
  EXPECT_EQ(shot.Pixel(3, 29), Coded(3, 23));
  EXPECT_EQ(shot.Pixel(3, 30), kBar);

  shot = Paint({TScrollDir::Vertical, {7, 80}, false, 20, 44});
  for (int y = 7; y < 73; ++y) ASSERT_EQ(shot.Pixel(3, y), kBar) << y;
  EXPECT_EQ(shot.Pixel(0, 73), RGBColor(0, 0, kDown + 1));
}

TEST_F(PaintScrollBarTest, PiecesSpanTheBarsThickness) {
  // 7 columns of the image over a bar 14 wide: each column twice.
  const TBitmap shot = Paint({TScrollDir::Vertical, {14, 80}, true, 20, 44});
  for (int x = 0; x < 14; ++x) {
    EXPECT_EQ(shot.Pixel(x, 20), Coded(StretchSource(x, 14, 7, TAxis::Columns), 0)) << x;
    // The arrows are 14x14 squares now.
    EXPECT_EQ(shot.Pixel(x, 13), RGBColor(static_cast<unsigned>(x / 2), 6, kUp + 1)) << x;
  }
  EXPECT_EQ(shot.Pixel(0, 14), kBar);
}

TEST_F(PaintScrollBarTest, HorizontalBarIsTheVerticalOneTurnedLeft) {
  // (Thumbs that shrink a piece are left out: the device shrinks columns
  // and rows by different rules, see StretchSource.)
  for (const auto& [top, bottom] : {std::pair{20, 44}, std::pair{10, 46}, std::pair{10, 35}}) {
    TBitmap vertical = Paint({TScrollDir::Vertical, {7, 80}, true, top, bottom});
    RotateLeft(vertical);
    const TBitmap horizontal = Paint({TScrollDir::Horizontal, {80, 7}, true, top, bottom});
    ASSERT_EQ(horizontal.Width(), vertical.Width());
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 80; ++x) {
        ASSERT_EQ(horizontal.Pixel(x, y), vertical.Pixel(x, y)) << top << ": " << x << "," << y;
      }
    }
  }
}

TEST_F(PaintScrollBarTest, OurOwnSkinsPiecesAndButtons) {
  // Our skin as shipped: the first frames of its buttons at the ends.
  TzelSkinReader reader;
  reader.LoadSkin(FDir / "quillory.zsk", "");
  TzelSkinScrollBtnRes res;
  res.SetReader(&reader);
  const TBitmap& up = res.GetVBtn(1);
  ASSERT_FALSE(up.Empty());
  const int w = up.Width();
  TBitmap target(w, 200, kBackground);
  TBitmapCanvas canvas(target);
  PaintScrollBar(canvas, TReaderSkinSource(reader), res,
                 {TScrollDir::Vertical, {w, 200}, true, 50, 120});
  const TBitmap& down = res.GetVBtn(4);
  const TBitmap& cap = res.GetVSlider(1);
  for (int y = 0; y < up.Height(); ++y) {
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(target.Pixel(x, y), up.Pixel(x, y));
      ASSERT_EQ(target.Pixel(x, 200 - up.Height() + y), down.Pixel(x, y));
    }
  }
  for (int y = 0; y < cap.Height(); ++y) {
    for (int x = 0; x < w; ++x) ASSERT_EQ(target.Pixel(x, 50 + y), cap.Pixel(x, y));
  }
  EXPECT_EQ(target.Pixel(0, 49),
            static_cast<TColor>(reader.GetColor(TSkinColorKey::ScrollBarColor)));
}

}  // namespace
}  // namespace skin::test
