// Draws the bitmaps of Quillory's own skin, a calm light theme, and writes
// them as BMP files into the folder named on the command line. The skin
// source (quillory.skin) names these files; `skintool build` packs both.
//
//   skin_generator OUTPUT_FOLDER
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "skin/archive/file_stream.h"
#include "skin/bitmap/bmp_codec.h"
#include "skin/bitmap/image_routines.h"
#include "skin/own/canvas.h"

namespace skin {
namespace {

constexpr TColor kTrans = RGBColor(255, 0, 255);
// The palette (also in quillory.skin): form, title, borders, controls.
constexpr TColor kForm = RGBColor(0xB3, 0xCD, 0xED);
constexpr TColor kTitleTop = RGBColor(232, 241, 252);
constexpr TColor kTitleBottom = RGBColor(196, 216, 242);
constexpr TColor kFrameLine = RGBColor(118, 148, 192);
constexpr TColor kHighlight = RGBColor(250, 252, 255);
constexpr TColor kGlyph = RGBColor(32, 52, 104);
constexpr TColor kControlBorder = RGBColor(0x9B, 0xAF, 0xCA);
constexpr TColor kAccent = RGBColor(64, 128, 212);
constexpr TColor kAccentDark = RGBColor(40, 96, 180);
constexpr TColor kDisabled = RGBColor(166, 176, 192);
constexpr TColor kDisabledFill = RGBColor(236, 239, 244);
constexpr TColor kScrollBar = RGBColor(0xF4, 0xF4, 0xF3);
constexpr TColor kMenuBar = RGBColor(0xBF, 0xDB, 0xFF);
constexpr TColor kClose = RGBColor(214, 64, 52);
constexpr TColor kClosePressed = RGBColor(168, 40, 32);

using TPainter = std::function<void(TCanvas&, float AX)>;

// Three states of a button in AWidth x AHeight frames over ABackground.
struct TStateLook {
  TColor Top, Bottom, Border;
};
constexpr TStateLook kNormal = {RGBColor(252, 253, 255), RGBColor(226, 235, 247),
                                RGBColor(150, 172, 206)};
constexpr TStateLook kHot = {RGBColor(255, 255, 255), RGBColor(212, 229, 251),
                             RGBColor(86, 136, 206)};
constexpr TStateLook kPressed = {RGBColor(196, 215, 242), RGBColor(218, 231, 249),
                                 RGBColor(72, 116, 186)};
constexpr TStateLook kLooks[3] = {kNormal, kHot, kPressed};

void Face(TCanvas& C, float AX, float AY, float AW, float AH, float ARadius,
          const TStateLook& ALook) {
  TShape body = RoundRect(AX, AY, AX + AW, AY + AH, ARadius);
  C.FillVertical(body, ALook.Top, ALook.Bottom, AY, AY + AH);
  C.Fill(Outline(body, 1.0f), ALook.Border);
}

// A chevron pointing up, centred at (AX, AY), AS wide.
void Chevron(TCanvas& C, float AX, float AY, float AS, TColor AColor, bool AUp) {
  float d = AUp ? -AS / 4 : AS / 4;
  C.Fill(Union(Line(AX - AS / 2, AY - d, AX, AY + d, 1.6f),
               Line(AX, AY + d, AX + AS / 2, AY - d, 1.6f)),
         AColor);
}

void CheckMark(TCanvas& C, float AX, float AY, float AS, TColor AColor, float AWidth = 1.7f) {
  C.Fill(Union(Line(AX - AS * 0.38f, AY, AX - AS * 0.1f, AY + AS * 0.3f, AWidth),
               Line(AX - AS * 0.1f, AY + AS * 0.3f, AX + AS * 0.4f, AY - AS * 0.32f, AWidth)),
         AColor);
}

class TGenerator {
 public:
  explicit TGenerator(std::filesystem::path AFolder) : FFolder(std::move(AFolder)) {}

  void Save(const char* AName, const TBitmap& ABitmap) {
    auto bytes = SaveBmp(ABitmap);
    if (!WriteWholeFile(FFolder / AName, bytes)) {
      std::fprintf(stderr, "skin_generator: cannot write %s\n", (FFolder / AName).string().c_str());
      FOk = false;
    }
  }
  bool Ok() const { return FOk; }

  void TitleBar() {
    // One title drawn whole, then cut into left end, middle and right end;
    // the top corners are rounded and keyed out (the window region scans
    // rows 0-3).
    const int w = 15 + 360 + 18, h = 31;
    TCanvas c(w, h, kForm);
    TShape shape = RoundRect(0, 0, w, h + 10, 7);
    c.FillVertical(shape, kTitleTop, kTitleBottom, 0, h);
    c.Fill(Line(6, 1.5f, w - 6, 1.5f, 1.0f), kHighlight);
    c.Fill(Outline(shape, 1.0f), kFrameLine);
    c.Fill(Line(0, h - 0.5f, w, h - 0.5f, 1.0f), Mix(kTitleBottom, kFrameLine, 0.35f));
    c.ClearOutside(shape, kTrans);
    Save("titlebar1.bmp", c.Piece(0, 0, 15, h));
    Save("titlebar2.bmp", c.Piece(15, 0, 360, h));
    Save("titlebar3.bmp", c.Piece(375, 0, 18, h));
  }

  void Borders() {
    TCanvas left(3, 118, kForm);
    left.Fill(Line(0.5f, -2, 0.5f, 120, 1.0f), kFrameLine);
    left.Fill(Line(1.5f, -2, 1.5f, 120, 1.0f), Mix(kTitleBottom, kHighlight, 0.5f));
    Save("formleftborder.bmp", left.Bitmap());
    TBitmap right = left.Bitmap();
    Rotate180(right);
    Save("formrightborder.bmp", right);

    // The bottom border: the form colour deepening slightly towards a
    // rounded lower edge (the window region scans rows 20-23).
    const int w = 37 + 341 + 15, h = 24;
    TCanvas c(w, h, kForm);
    TShape shape = RoundRect(0, -20, w, h, 7);
    c.FillVertical(shape, kForm, Mix(kForm, kFrameLine, 0.18f), 0, h);
    c.Fill(Outline(shape, 1.0f), kFrameLine);
    c.Fill(Line(2, 1.5f, w - 2, 1.5f, 1.0f), Mix(kForm, kHighlight, 0.25f));
    c.ClearOutside(shape, kTrans);
    // The side borders continue down to the corners.
    c.Fill(Line(1.5f, 0, 1.5f, h - 6, 1.0f), Mix(kTitleBottom, kHighlight, 0.5f));
    c.Fill(Line(w - 1.5f, 0, w - 1.5f, h - 6, 1.0f), Mix(kTitleBottom, kHighlight, 0.5f));
    Save("formbottomborder1.bmp", c.Piece(0, 0, 37, h));
    Save("formbottomborder2.bmp", c.Piece(37, 0, 341, h));
    Save("formbottomborder3.bmp", c.Piece(378, 0, 15, h));
  }

  void MinimizedTitle() {
    TCanvas c(104, 21, kForm);
    TShape shape = RoundRect(0, 0, 104, 21, 5);
    c.FillVertical(shape, kTitleTop, kTitleBottom, 0, 21);
    c.Fill(Outline(shape, 1.0f), kFrameLine);
    Save("minimizedtitle.bmp", c.Bitmap());
  }

  void TitleButtons() {
    // 18 frames of 25 x 25: menu, help, maximise, restore, minimise, close,
    // three states each, over the title gradient they sit on (rows 4-28).
    const int b = 25;
    TCanvas c(18 * b, b, kForm);
    c.FillVertical(RoundRect(-5, -5, 18 * b + 5, b + 5, 0), Mix(kTitleTop, kTitleBottom, 4 / 31.0f),
                   Mix(kTitleTop, kTitleBottom, 29 / 31.0f), 0, b);
    for (int glyph = 0; glyph < 6; ++glyph) {
      for (int state = 0; state < 3; ++state) {
        const float x = static_cast<float>((glyph * 3 + state) * b);
        const bool close = glyph == 5;
        TColor ink = kGlyph;
        if (state > 0) {
          if (close) {
            TShape face = RoundRect(x + 2, 2, x + b - 2, b - 2, 4);
            c.Fill(face, state == 1 ? kClose : kClosePressed);
            ink = RGBColor(255, 255, 255);
          } else {
            Face(c, x + 2, 2, b - 4, b - 4, 4, kLooks[state]);
          }
        }
        const float cx = x + b / 2.0f, cy = b / 2.0f;
        switch (glyph) {
          case 0:
            Chevron(c, cx, cy, 8, ink, false);
            break;
          case 1:  // question mark
            c.Fill(Outline(Circle(cx, cy - 3, 3.6f), 1.6f), ink);
            c.Fill(RoundRect(cx - 5, cy - 2, cx, cy + 1, 0),
                   state == 0 ? Mix(kTitleTop, kTitleBottom, 0.5f) : kLooks[state].Bottom);
            c.Fill(Line(cx, cy + 0.5f, cx, cy + 2.5f, 1.6f), ink);
            c.Fill(Circle(cx, cy + 5.5f, 1.1f), ink);
            break;
          case 2:  // maximise
            c.Fill(Outline(RoundRect(cx - 5, cy - 5, cx + 5, cy + 5, 1), 1.4f), ink);
            c.Fill(Line(cx - 4.5f, cy - 4, cx + 4.5f, cy - 4, 1.6f), ink);
            break;
          case 3:  // restore
            c.Fill(Outline(RoundRect(cx - 2.5f, cy - 6, cx + 6, cy + 2.5f, 1), 1.3f), ink);
            c.Fill(RoundRect(cx - 6, cy - 2.5f, cx + 2.5f, cy + 6, 1),
                   state == 0 ? Mix(kTitleTop, kTitleBottom, 0.5f) : kLooks[state].Bottom);
            c.Fill(Outline(RoundRect(cx - 6, cy - 2.5f, cx + 2.5f, cy + 6, 1), 1.3f), ink);
            break;
          case 4:
            c.Fill(Line(cx - 5, cy + 4, cx + 5, cy + 4, 1.8f), ink);
            break;
          default:
            c.Fill(Union(Line(cx - 4.5f, cy - 4.5f, cx + 4.5f, cy + 4.5f, 1.6f),
                         Line(cx - 4.5f, cy + 4.5f, cx + 4.5f, cy - 4.5f, 1.6f)),
                   ink);
            break;
        }
      }
    }
    Save("titlebuttons.bmp", c.Bitmap());
  }

  void Menus() {
    TCanvas check(16, 16, RGBColor(250, 251, 253));
    TShape mark = Union(Line(3.5f, 8.5f, 6.5f, 11.5f, 2.0f), Line(6.5f, 11.5f, 12.5f, 4.5f, 2.0f));
    check.Fill(mark, kAccentDark);
    check.ClearOutside(mark, kTrans);
    Save("checkedmenuicon.bmp", check.Bitmap());

    TCanvas bar(34, 23, kMenuBar);
    TShape all = RoundRect(-5, -5, 39, 28, 0);
    bar.FillVertical(all, Mix(kMenuBar, kHighlight, 0.35f), kMenuBar, 0, 23);
    bar.Fill(Line(-1, 22.5f, 35, 22.5f, 1.0f), Mix(kMenuBar, kFrameLine, 0.4f));
    Save("menubar.bmp", bar.Bitmap());

    TCanvas tool(29, 42, kForm);
    tool.FillVertical(RoundRect(-5, -5, 34, 47, 0), RGBColor(245, 248, 252),
                      RGBColor(218, 228, 242), 0, 42);
    tool.Fill(Line(-1, 41.5f, 30, 41.5f, 1.0f), Mix(kForm, kFrameLine, 0.4f));
    Save("toolbar.bmp", tool.Bitmap());

    TCanvas side(8, 84, kForm);
    side.FillHorizontal(RoundRect(-5, -5, 13, 89, 0), RGBColor(232, 240, 250),
                        RGBColor(214, 227, 245), 0, 8);
    side.Fill(Line(7.5f, -1, 7.5f, 85, 1.0f), kControlBorder);
    Save("sidechannelbar.bmp", side.Bitmap());

    TCanvas sideTitle(35, 22, kForm);
    sideTitle.FillVertical(RoundRect(-5, -5, 40, 27, 0), RGBColor(212, 227, 247),
                           RGBColor(188, 209, 240), 0, 22);
    sideTitle.Fill(Line(-1, 21.5f, 36, 21.5f, 1.0f), kControlBorder);
    Save("sidechanneltitle.bmp", sideTitle.Bitmap());
  }

  void Buttons() {
    // Push button: normal, hot, pressed in frames of 75 x 21.
    TCanvas c(225, 21, kForm);
    for (int s = 0; s < 3; ++s) Face(c, s * 75.0f + 0.5f, 0.5f, 74, 20, 3.5f, kLooks[s]);
    Save("button.bmp", c.Bitmap());

    // Scroll buttons (spin buttons): normal, hot, pressed, disabled.
    TCanvas spin(72, 18, kScrollBar);
    for (int s = 0; s < 4; ++s) {
      const float x = s * 18.0f;
      TStateLook look = s < 3 ? kLooks[s] : TStateLook{kDisabledFill, kDisabledFill, kDisabled};
      Face(spin, x + 0.5f, 0.5f, 17, 17, 3, look);
      Chevron(spin, x + 9, 9, 7, s < 3 ? kGlyph : kDisabled, true);
    }
    Save("scrollbutton.bmp", spin.Bitmap());
  }

  // A check box of ASize in frame AFrame: 0 checked, 1 grayed, 2 unchecked.
  void Box(TCanvas& C, int AFrame, int ASize, int AMark, bool AEnabled) {
    const float x = static_cast<float>(AFrame * ASize);
    TShape box = RoundRect(x + 0.5f, 0.5f, x + ASize - 0.5f, ASize - 0.5f, 2);
    C.FillVertical(box, AEnabled ? RGBColor(255, 255, 255) : kDisabledFill,
                   AEnabled ? RGBColor(238, 243, 250) : kDisabledFill, 0, ASize);
    C.Fill(Outline(box, 1.0f), AEnabled ? kFrameLine : kDisabled);
    const float c = ASize / 2.0f;
    if (AMark == 0) CheckMark(C, x + c, c, ASize - 3.0f, AEnabled ? kAccentDark : kDisabled);
    if (AMark == 1) {
      C.Fill(RoundRect(x + 3.5f, 3.5f, x + ASize - 3.5f, ASize - 3.5f, 1),
             AEnabled ? RGBColor(140, 170, 214) : kDisabled);
    }
  }

  void CheckBoxes() {
    TCanvas c(78, 13, kForm);
    for (int f = 0; f < 6; ++f) Box(c, f, 13, f % 3, f < 3);
    Save("checkbox.bmp", c.Bitmap());

    // Check list boxes: checked, unchecked, grayed, disabled, on white.
    TCanvas list(44, 11, RGBColor(255, 255, 255));
    const int marks[4] = {0, 2, 1, 2};
    for (int f = 0; f < 4; ++f) Box(list, f, 11, marks[f], f < 3);
    Save("checkboxlist.bmp", list.Bitmap());

    // Radio buttons: checked, unchecked, disabled checked, disabled
    // unchecked; keyed out around the circle.
    TCanvas radio(52, 13, kForm);
    TShape all = RoundRect(0, 0, 0, 0, 0);
    for (int f = 0; f < 4; ++f) {
      const float cx = f * 13 + 6.5f;
      const bool enabled = f < 2, checked = f % 2 == 0;
      TShape dot = Circle(cx, 6.5f, 6);
      all = Union(all, dot);
      radio.FillVertical(dot, enabled ? RGBColor(255, 255, 255) : kDisabledFill,
                         enabled ? RGBColor(236, 242, 250) : kDisabledFill, 0, 13);
      radio.Fill(Outline(dot, 1.0f), enabled ? kFrameLine : kDisabled);
      if (checked) radio.Fill(Circle(cx, 6.5f, 2.8f), enabled ? kAccentDark : kDisabled);
    }
    radio.ClearOutside(all, kTrans);
    Save("radiobutton.bmp", radio.Bitmap());
  }

  void Progress() {
    const TColor border = kControlBorder;
    TCanvas left(2, 12, kForm);
    left.Fill(RoundRect(0, 0, 1, 12, 0), border);
    left.Fill(RoundRect(1, 1, 2, 11, 0), RGBColor(246, 249, 253));
    left.Fill(RoundRect(1, 0, 2, 1, 0), border);
    left.Fill(RoundRect(1, 11, 2, 12, 0), border);
    Save("progressbar1.bmp", left.Bitmap());
    TBitmap right = left.Bitmap();
    Rotate180(right);
    Save("progressbar4.bmp", right);

    TCanvas chunk(16, 12, border);
    chunk.FillVertical(RoundRect(0, 1, 16, 11, 0), RGBColor(124, 176, 236), kAccentDark, 1, 11);
    chunk.Fill(Line(0, 2.5f, 16, 2.5f, 1.0f), RGBColor(168, 204, 244));
    Save("progressbar2.bmp", chunk.Bitmap());

    TCanvas track(14, 12, border);
    track.FillVertical(RoundRect(0, 1, 14, 11, 0), RGBColor(238, 243, 250), RGBColor(250, 252, 255),
                       1, 11);
    Save("progressbar3.bmp", track.Bitmap());
  }

  void TrackBar() {
    // The channel is keyed out around its rounded ends; the reader turns
    // those pixels into the form colour.
    TCanvas channel(60, 6, kForm);
    TShape groove = RoundRect(0.5f, 0.5f, 59.5f, 5.5f, 2.5f);
    channel.FillVertical(groove, RGBColor(206, 218, 234), RGBColor(236, 242, 250), 0, 6);
    channel.Fill(Outline(groove, 1.0f), kControlBorder);
    channel.ClearOutside(groove, kTrans);
    Save("trackbar.bmp", channel.Bitmap());

    TCanvas thumb(11, 21, kForm);
    TShape pill = RoundRect(0.5f, 0.5f, 10.5f, 20.5f, 3);
    thumb.FillHorizontal(pill, RGBColor(255, 255, 255), RGBColor(214, 229, 249), 0, 11);
    thumb.Fill(Outline(pill, 1.0f), kAccentDark);
    for (int i = 0; i < 3; ++i) {
      thumb.Fill(Line(3, 8.5f + 2 * i, 8, 8.5f + 2 * i, 0.9f), RGBColor(120, 150, 196));
    }
    thumb.ClearOutside(pill, kTrans);
    Save("trackbarslider.bmp", thumb.Bitmap());
    TBitmap vertical = thumb.Bitmap();
    RotateLeft(vertical);
    Save("trackbarvslider.bmp", vertical);
  }

  void ScrollBar() {
    // Arrow buttons: three states of 17 x 17; the keyed-out corners take
    // the scroll bar colour.
    for (int up = 0; up < 2; ++up) {
      TCanvas c(51, 17, kScrollBar);
      TShape all = RoundRect(0, 0, 0, 0, 0);
      for (int s = 0; s < 3; ++s) {
        const float x = s * 17.0f;
        TShape face = RoundRect(x + 1.5f, 1.5f, x + 15.5f, 15.5f, 3);
        all = Union(all, face);
        TStateLook look = kLooks[s];
        look.Border = s == 0 ? RGBColor(196, 208, 226) : look.Border;
        Face(c, x + 1.5f, 1.5f, 14, 14, 3, look);
        Chevron(c, x + 8.5f, 8.5f, 7, kGlyph, up == 1);
      }
      c.ClearOutside(all, kTrans);
      Save(up ? "scrollbarupbutton.bmp" : "scrollbardownbutton.bmp", c.Bitmap());
    }

    // The vertical thumb: rounded, with three grip lines in its middle
    // third, so the grip piece's top rows are plain.
    TCanvas thumb(17, 62, kScrollBar);
    TShape body = RoundRect(2, 0.5f, 15, 61.5f, 5);
    thumb.Fill(body, RGBColor(208, 222, 242));
    thumb.Fill(Outline(body, 1.0f), RGBColor(150, 172, 206));
    for (int i = 0; i < 3; ++i) {
      thumb.Fill(Line(5.5f, 28.5f + 2 * i, 11.5f, 28.5f + 2 * i, 0.9f), RGBColor(128, 154, 196));
    }
    thumb.ClearOutside(body, kTrans);
    Save("scrollbar.bmp", thumb.Bitmap());
  }

  void Tabs() {
    // Two tab frames of 12 x 22: 1 selected (taller, white, open at the
    // bottom), 2 the others; keyed out around the rounded tops.
    TCanvas c(24, 22, kForm);
    TShape active = RoundRect(0.5f, 0.5f, 11.5f, 30, 3);
    TShape inactive = RoundRect(12.5f, 2.5f, 23.5f, 30, 3);
    c.FillVertical(active, RGBColor(255, 255, 255), RGBColor(247, 250, 254), 0, 22);
    c.Fill(Outline(active, 1.0f), kControlBorder);
    c.FillVertical(inactive, RGBColor(230, 237, 247), RGBColor(212, 224, 240), 2, 22);
    c.Fill(Outline(inactive, 1.0f), kControlBorder);
    c.Fill(Line(12, 21.5f, 24, 21.5f, 1.0f), kControlBorder);
    c.Fill(Line(2.5f, 1.5f, 9.5f, 1.5f, 1.0f), kAccent);
    c.ClearOutside(Union(active, inactive), kTrans);
    Save("tabcontrol.bmp", c.Bitmap());

    Save("tabcontrolline.bmp", TBitmap(34, 1, kControlBorder));
  }

 private:
  std::filesystem::path FFolder;
  bool FOk = true;
};

}  // namespace
}  // namespace skin

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin_generator OUTPUT_FOLDER\n");
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(argv[1], error);
  skin::TGenerator g(argv[1]);
  g.TitleBar();
  g.Borders();
  g.MinimizedTitle();
  g.TitleButtons();
  g.Menus();
  g.Buttons();
  g.CheckBoxes();
  g.Progress();
  g.TrackBar();
  g.ScrollBar();
  g.Tabs();
  return g.Ok() ? 0 : 1;
}
