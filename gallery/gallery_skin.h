// The gallery's skin: an engine on the gallery's main form carrying our own
// skin as its compiled-in SkinData, set up as the Configurator's (system
// menu texts, DisabledTag 9999, dialogs unskinned until asked), and the
// "Skin" menu that switches it at run time:
//   Active (Ctrl+Shift+S)        the engine on and off
//   Skin dialogs (Ctrl+Shift+D)  SkinDialogs on and off
//   Disabled tag (Ctrl+Shift+T)  the form's Tag 9999 (its frame stays the
//                                system's) or 0 again; the form is
//                                skinned anew
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_GALLERY_GALLERY_SKIN_H_
#define QUILLORY_GALLERY_GALLERY_SKIN_H_

#include <memory>

#include "skin/engine/skin_engine.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace gallery {

class TGallerySkin {
 public:
  // Puts the engine on AForm (whose window exists), loads our skin and
  // skins the form when AActive.
  TGallerySkin(ui::TForm& AForm, bool AActive);
  ~TGallerySkin();
  TGallerySkin(const TGallerySkin&) = delete;
  TGallerySkin& operator=(const TGallerySkin&) = delete;

  skin::TzelSkinEngine& Engine() { return *FEngine; }

  // The "Skin" menu, "Active" checked as AActive. Its handlers reach the
  // skin through AThis, which may still be empty while the menu is built
  // and must outlive the menu.
  static ui::TMenuItem Menu(ui::TForm& AForm, const std::unique_ptr<TGallerySkin>& AThis,
                            bool AActive);

  void SetActive(bool AValue);
  void SetSkinDialogs(bool AValue);
  // Gives the form Tag DisabledTag (AOn) or 0 and skins it anew.
  void SetDisabledTag(bool AOn);

 private:
  ui::TForm& FForm;
  std::unique_ptr<skin::TzelSkinEngine> FEngine;
};

}  // namespace gallery

#endif  // QUILLORY_GALLERY_GALLERY_SKIN_H_
