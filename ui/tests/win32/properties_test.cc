// Class identity and properties by name of the real widgets under Wine.
#include <gtest/gtest.h>

#include <memory>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/tests/win32/probe.h"

namespace ui {
namespace {

struct PropertiesTest : ::testing::Test {
  TApplication Application{"Konfigurator"};
  TForm Form{TFormArgs{&Application, "Test", 400, 300}};
  TImageList Images{16, 16};
  TPageControl Pages{TWidgetArgs{&Form, 0, 0, 400, 300, "", 0}};
  TTabSheet Sheet{TTabSheetArgs{&Pages, "Seite"}};
  TButton Plain{TButtonArgs{{&Sheet, 10, 10, 80, 25, "OK", 0}}};
  TButton PlainWithPicture{TButtonArgs{{&Sheet, 10, 40, 80, 25, "Bild", 0}, &Images, 0}};
  TBitBtn Bitmap{TButtonArgs{{&Sheet, 100, 10, 80, 25, "Glyph", 0}, &Images, 0}};
  TBitBtn BitmapWithout{TButtonArgs{{&Sheet, 100, 40, 80, 25, "Ohne", 0}}};
  TEdit Edit{TEditArgs{{&Sheet, 10, 70, 100, 21, "Text", 0}}};
  TLabeledEdit Labeled{TLabeledEditArgs{{{&Sheet, 10, 120, 100, 21, "", 0}}, "&Ordner"}};
  TSpinEdit Spin{TSpinEditArgs{{&Sheet, 10, 150, 100, 21, "", 0}, 0, 10, 1, 5}};
  TLabel Label{TLabelArgs{{&Sheet, 200, 70, 0, 0, "Beschriftung", 0}}};
  TImage Image{TImageArgs{{&Sheet, 200, 100, 16, 16, "", 0}, true}};
};

TEST_F(PropertiesTest, ClassFollowsTheCppTypeOnlyAndFindClassKnowsIt) {
  const struct {
    const TWidget* Widget;
    const TWidgetClass* Class;
  } cases[] = {
      {&Form, &classes::Form},
      {&Pages, &classes::PageControl},
      {&Sheet, &classes::TabSheet},
      {&Plain, &classes::Button},
      {&PlainWithPicture, &classes::Button},  // a picture does not make it another class
      {&Bitmap, &classes::BitBtn},
      {&BitmapWithout, &classes::BitBtn},
      {&Edit, &classes::Edit},
      {&Labeled, &classes::LabeledEdit},
      {&Labeled.EditLabel(), &classes::Label},
      {&Spin, &classes::SpinEdit},
      {&Spin.Arrows(), &classes::UpDown},
      {&Label, &classes::Label},
      {&Image, &classes::Image},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(&c.Widget->Class(), c.Class) << c.Class->Name;
    EXPECT_EQ(FindClass(c.Widget->Class().Name), c.Class);
  }
  EXPECT_TRUE(Label.Class().InheritsFrom(classes::GraphicControl));
  EXPECT_TRUE(Bitmap.Class().InheritsFrom("TCustomButton"));
}

// Every property a class lists is served, with a value of its kind.
TEST_F(PropertiesTest, EveryListedPropertyReadsAsItsType) {
  const TWidget* widgets[] = {&Form,   &Pages,         &Sheet,   &Plain,
                              &Bitmap, &Edit,          &Labeled, &Labeled.EditLabel(),
                              &Spin,   &Spin.Arrows(), &Label,   &Image};
  for (const TWidget* widget : widgets) {
    for (const TWidgetClass* c = &widget->Class(); c; c = c->Parent) {
      for (const TPropertyInfo& info : c->Properties) {
        const std::optional<TPropertyValue> value = widget->GetProperty(info.Name);
        ASSERT_TRUE(value.has_value()) << widget->Class().Name << "." << info.Name;
        EXPECT_EQ(value->index(), ValueIndexOf(info.Type->Kind))
            << widget->Class().Name << "." << info.Name;
      }
    }
  }
}

TEST_F(PropertiesTest, SetByNameReachesTheWidgetAndANativeControlPaintsItsColor) {
  EXPECT_TRUE(Edit.SetProperty("Color", TColor::Rgb(0x12, 0x34, 0x56).Encode()));
  EXPECT_EQ(Edit.Color(), TColor::Rgb(0x12, 0x34, 0x56));
  EXPECT_FALSE(Edit.ParentColor());
  // The brush the edit control paints its background with has that colour.
  HDC dc = GetDC(Edit.Handle());
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(Sheet.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(Edit.Handle())));
  ReleaseDC(Edit.Handle(), dc);
  LOGBRUSH info{};
  ASSERT_TRUE(GetObjectW(brush, sizeof info, &info));
  EXPECT_EQ(info.lbColor, RGB(0x12, 0x34, 0x56));

  EXPECT_TRUE(Edit.SetProperty("BorderStyle", int64_t{0}));
  EXPECT_EQ(Edit.GetProperty("BorderStyle"), TPropertyValue(int64_t{0}));
  EXPECT_FALSE(Edit.SetProperty("BorderStyle", int64_t{7}));
  EXPECT_TRUE(Edit.SetProperty("ReadOnly", true));
  EXPECT_TRUE(Edit.ReadOnly());
  EXPECT_TRUE(Label.SetProperty("ParentColor", true));
  EXPECT_EQ(Label.Color(), Sheet.Color());
  EXPECT_TRUE(Bitmap.SetProperty("Spacing", int64_t{2}));
  EXPECT_EQ(Bitmap.GetProperty("Spacing"), TPropertyValue(int64_t{2}));
  EXPECT_EQ(Bitmap.GetProperty("Images"), TPropertyValue(static_cast<const void*>(&Images)));
  EXPECT_TRUE(Form.SetProperty("Caption", std::string("Neu")));
  EXPECT_EQ(Form.Caption(), "Neu");
  EXPECT_EQ(Form.GetProperty("BorderStyle"),
            TPropertyValue(static_cast<int64_t>(TFormBorderStyle::Single)));
  EXPECT_TRUE(Form.SetProperty("BorderStyle", static_cast<int64_t>(TFormBorderStyle::Sizeable)));
  EXPECT_TRUE(GetWindowLongPtrW(Form.Handle(), GWL_STYLE) & WS_THICKFRAME);
  EXPECT_EQ(Form.ClientWidth(), 400);  // the client area keeps its size
  // A word-wrapped label keeps its width and grows in height.
  Label.SetCaption("Eine lange Beschriftung, die umbricht");
  const RECT wide = Label.BoundsRect();
  Label.SetBounds(wide.left, wide.top, 60, wide.bottom - wide.top);
  EXPECT_TRUE(Label.SetProperty("WordWrap", true));
  const RECT wrapped = Label.BoundsRect();
  EXPECT_EQ(wrapped.right - wrapped.left, 60);
  EXPECT_GT(wrapped.bottom - wrapped.top, wide.bottom - wide.top);
  EXPECT_TRUE(Label.SetProperty("Layout", int64_t{1}));
  EXPECT_EQ(Label.GetProperty("Layout"), TPropertyValue(int64_t{1}));
  EXPECT_FALSE(Label.SetProperty("Layout", int64_t{3}));
  // The font by name, with its colour.
  TFont font = Label.Font();
  font.Color = TColor::Rgb(200, 0, 0);
  EXPECT_TRUE(Label.SetProperty("Font", static_cast<const void*>(&font)));
  EXPECT_EQ(Label.Font().Color, TColor::Rgb(200, 0, 0));
  EXPECT_FALSE(Label.ParentFont());
}

TEST_F(PropertiesTest, FormSizeConstraintsLimitTheWindow) {
  const TSizeConstraints limits{200, 150, 500, 400};
  EXPECT_TRUE(Form.SetProperty("Constraints", static_cast<const void*>(&limits)));
  SetWindowPos(Form.Handle(), nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
  RECT rect;
  GetWindowRect(Form.Handle(), &rect);
  EXPECT_EQ(rect.right - rect.left, 200);
  EXPECT_EQ(rect.bottom - rect.top, 150);
  SetWindowPos(Form.Handle(), nullptr, 0, 0, 900, 900, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(Form.Handle(), &rect);
  EXPECT_EQ(rect.right - rect.left, 500);
  EXPECT_EQ(rect.bottom - rect.top, 400);
}

TEST_F(PropertiesTest, AnchoredControlsFollowTheirParentsSize) {
  TForm form(TFormArgs{&Application, "Anker", 300, 200, TFormBorderStyle::Sizeable});
  TEdit stretched(TEditArgs{{&form, 10, 10, 200, 21, "", 0}});
  TButton moved(TButtonArgs{{&form, 200, 150, 80, 25, "OK", 0}});
  TEdit fixed(TEditArgs{{&form, 10, 100, 50, 21, "", 0}});
  EXPECT_TRUE(stretched.SetProperty("Anchors", int64_t{akLeft | akTop | akRight}));
  EXPECT_TRUE(moved.SetProperty("Anchors", int64_t{akRight | akBottom}));
  form.SetClientSize(350, 230);
  const RECT s = stretched.BoundsRect();
  const RECT m = moved.BoundsRect();
  const RECT f = fixed.BoundsRect();
  EXPECT_EQ(s.left, 10);
  EXPECT_EQ(s.right - s.left, 250);
  EXPECT_EQ(m.left, 250);
  EXPECT_EQ(m.top, 180);
  EXPECT_EQ(m.right - m.left, 80);
  EXPECT_EQ(f.left, 10);
  EXPECT_EQ(f.top, 100);
}

TEST_F(PropertiesTest, MenuComesOffAndBackAndShortcutsStay) {
  Form.SetMenu(std::make_unique<TMainMenu>(
      std::vector<TMenuItem>{{"MI_File",
                              "&Datei",
                              {},
                              nullptr,
                              {{"MI_Exit", "Be&enden", {VK_F4, true}, nullptr, {}, 0}},
                              0}}));
  const int width = Form.ClientWidth();
  const int height = Form.ClientHeight();
  EXPECT_TRUE(Form.SetProperty("Menu", static_cast<const void*>(nullptr)));
  EXPECT_EQ(GetMenu(Form.Handle()), nullptr);
  EXPECT_EQ(Form.ClientHeight(), height);
  EXPECT_NE(Form.Accelerators(), nullptr);  // the shortcuts still work
  EXPECT_TRUE(Form.SetProperty("Menu", static_cast<const void*>(Form.Menu())));
  EXPECT_NE(GetMenu(Form.Handle()), nullptr);
  EXPECT_EQ(Form.ClientWidth(), width);
  EXPECT_EQ(Form.ClientHeight(), height);
}

}  // namespace
}  // namespace ui
