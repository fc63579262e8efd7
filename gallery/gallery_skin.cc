#include "gallery/gallery_skin.h"

#include <string>

#include "skin/controls/win32/skin_ctrl_defs.h"
#include "skin/own/own_skin.h"

namespace gallery {
namespace {

// The control wrappers' rows go into the engine's tables once per program.
void RegisterWrappersOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  skin::RegisterSkinControlDefs();
}

ui::TMenuItem CheckItem(const std::string& AName, const std::string& ACaption, bool AChecked) {
  ui::TMenuItem item;
  item.Name = AName;
  item.Caption = ACaption;
  item.Checked = AChecked;
  return item;
}

// Flips the checked state of the form's menu item AName and returns it.
bool Toggle(ui::TForm& AForm, const std::string& AName) {
  ui::TMenuItem* item = AForm.Menu() ? AForm.Menu()->Find(AName) : nullptr;
  if (!item) return false;
  item->Checked = !item->Checked;
  AForm.Menu()->Update(*item);
  return item->Checked;
}

}  // namespace

TGallerySkin::TGallerySkin(ui::TForm& AForm, bool AActive) : FForm(AForm) {
  RegisterWrappersOnce();
  FEngine = std::make_unique<skin::TzelSkinEngine>(&AForm);
  FEngine->SetActive(AActive);
  FEngine->SetResSysMenuMin("Mi&nimize");
  FEngine->SetResSysMenuMax("Ma&ximize/Restore");
  FEngine->SetResSysMenuClose("&Close");
  FEngine->SetDisabledTag(9999);
  FEngine->SetDrawScrollBar(true);
  FEngine->SetBuiltIn(true);
  FEngine->SetSkinDialogs(false);
  FEngine->SetSkinAllForms(true);
  FEngine->SetSkinData(skin::OwnSkinData());
  FEngine->Loaded();
}

TGallerySkin::~TGallerySkin() = default;

ui::TMenuItem TGallerySkin::Menu(ui::TForm& AForm, const std::unique_ptr<TGallerySkin>& AThis,
                                 bool AActive) {
  ui::TMenuItem menu;
  menu.Name = "MI_Skin";
  menu.Caption = "S&kin";
  ui::TMenuItem active = CheckItem("MI_SkinActive", "&Active", AActive);
  active.ShortCut = ui::TShortCut{'S', false, true, true};
  active.OnClick = [&AForm, &AThis] {
    const bool on = Toggle(AForm, "MI_SkinActive");
    if (AThis) AThis->SetActive(on);
  };
  ui::TMenuItem dialogs = CheckItem("MI_SkinDialogs", "Skin &dialogs", false);
  dialogs.ShortCut = ui::TShortCut{'D', false, true, true};
  dialogs.OnClick = [&AForm, &AThis] {
    const bool on = Toggle(AForm, "MI_SkinDialogs");
    if (AThis) AThis->SetSkinDialogs(on);
  };
  ui::TMenuItem tag = CheckItem("MI_SkinDisabledTag", "Disabled &tag", false);
  tag.ShortCut = ui::TShortCut{'T', false, true, true};
  tag.OnClick = [&AForm, &AThis] {
    const bool on = Toggle(AForm, "MI_SkinDisabledTag");
    if (AThis) AThis->SetDisabledTag(on);
  };
  menu.Items.push_back(std::move(active));
  menu.Items.push_back(std::move(dialogs));
  menu.Items.push_back(std::move(tag));
  return menu;
}

void TGallerySkin::SetActive(bool AValue) {
  FEngine->SetActive(AValue);
}

void TGallerySkin::SetSkinDialogs(bool AValue) {
  FEngine->SetSkinDialogs(AValue);
}

void TGallerySkin::SetDisabledTag(bool AOn) {
  FForm.SetTag(AOn ? FEngine->DisabledTag() : 0);
  FEngine->RemoveForm(FForm);
  FEngine->AddForm(FForm);
}

}  // namespace gallery
