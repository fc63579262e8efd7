// Ownership and lifetime of widgets under Wine: nothing keeps pointing at a
// widget or window that is gone, and observers hear of every end.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/tests/win32/probe.h"

namespace ui {
namespace {

struct TObserver : TComponentObserver {
  std::set<TComponent*> Alive;
  int Created = 0;
  int Destroyed = 0;
  void ComponentCreated(TComponent& AComponent) override {
    ++Created;
    Alive.insert(&AComponent);
  }
  void ComponentDestroying(TComponent& AComponent) override {
    ++Destroyed;
    Alive.erase(&AComponent);
  }
};

struct LifetimeTest : ::testing::Test {
  TApplication Application{"Konfigurator"};
  TObserver Observer;
  void SetUp() override { TComponent::AddObserver(Observer); }
  void TearDown() override { TComponent::RemoveObserver(Observer); }
};

TEST_F(LifetimeTest, DestroyingAFormWithLiveChildrenFreesWhatItOwnsAndAnnouncesIt) {
  auto* form = new TForm(TFormArgs{&Application, "Test", 300, 200});
  auto* pages = new TPageControl(TWidgetArgs{form, 0, 0, 300, 200, "", 0});
  auto* sheet = new TTabSheet(TTabSheetArgs{pages, "Seite"});
  new TLabeledEdit(TLabeledEditArgs{{{sheet, 10, 30, 100, 21, "", 0}}, "&Feld"});
  new TLabel(TLabelArgs{{sheet, 10, 60, 0, 0, "Text", 0}});
  test::PumpMessages();            // the new widgets announce themselves
  EXPECT_EQ(Observer.Created, 6);  // form, pages, sheet, edit, its label, label
  EXPECT_EQ(Application.Forms().size(), 1u);
  delete form;
  EXPECT_TRUE(Observer.Alive.empty());
  EXPECT_EQ(Observer.Destroyed, 6);
  EXPECT_TRUE(Application.Forms().empty());
}

TEST_F(LifetimeTest, ChildrenHeldElsewhereOutliveTheirParentAndFormSafely) {
  TComponent holder;  // owns the children instead of the form
  auto form = std::make_unique<TForm>(TFormArgs{&Application, "Test", 300, 200});
  auto pages =
      std::make_unique<TPageControl>(TWidgetArgs{form.get(), 0, 0, 300, 200, "", 0, "", &holder});
  auto edit =
      std::make_unique<TEdit>(TEditArgs{{pages.get(), 10, 30, 100, 21, "", 0, "", &holder}});
  edit->SetFocus();
  EXPECT_EQ(form->ActiveControl(), edit.get());
  HWND edit_window = edit->Handle();
  pages.reset();  // the parent goes: the child's window went with its parent's
  EXPECT_EQ(edit->Parent(), nullptr);
  EXPECT_EQ(edit->Handle(), nullptr);
  EXPECT_FALSE(IsWindow(edit_window));
  EXPECT_EQ(TWidget::FromHandle(edit_window), nullptr);
  // It has left the form, and the form no longer names it.
  EXPECT_EQ(edit->Form(), nullptr);
  EXPECT_EQ(form->ActiveControl(), nullptr);
  form.reset();
  edit->SetCaption("still usable");  // no window: nothing happens, nothing breaks
  edit.reset();
  EXPECT_TRUE(holder.Components().empty());
}

TEST_F(LifetimeTest, LabelForgetsTheControlItLabelsWhenThatGoes) {
  TForm form(TFormArgs{&Application, "Test", 300, 200});
  TLabel label(TLabelArgs{{&form, 10, 10, 0, 0, "&Port", 0}});
  auto edit = std::make_unique<TEdit>(TEditArgs{{&form, 10, 30, 100, 21, "", 0}});
  label.SetFocusControl(edit.get());
  edit.reset();
  EXPECT_EQ(label.FocusControl(), nullptr);
  EXPECT_EQ(form.Perform(CM_DIALOGCHAR, 'P'), 0);
}

}  // namespace
}  // namespace ui
