// TzelSkinMDIParent: what the window wrapper of an MDI parent form adds
// while skinning is on. Its MDI client window is subclassed: cascading
// and tiling place the children by the skin's rules (mdi_layout.h), and
// it answers the children's questions for the frame sizes the parent had
// before skinning. The menu bar gets the control buttons of a maximised
// child (TzelSkinMenuBarControlButton: minimise, restore, close), shown as
// the active child's border icons allow; the window menu lists a
// separator and the visible children, the active one checked.
//
// Changes (a child activated, maximised, restored, created or gone) are
// gathered into one posted message to the parent (33770), whose handling
// rebuilds the window menu and the control buttons only where they differ.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_SKIN_WINDOW_SKIN_WINDOW_MDI_H_
#define QUILLORY_SKIN_WINDOW_SKIN_WINDOW_MDI_H_

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/bitmap/bitmap.h"
#include "skin/engine/skin_engine.h"
#include "ui/form.h"
#include "ui/subclass.h"
#include "ui/widget.h"

namespace skin {

class TzelSkinMenuBar;

// A panel of 18 by 18 pixels on the menu bar: a gradient from Color to
// ToColor (a fill when equal), the glyph at (1, 1) with white transparent,
// a black frame while the pointer is over it.
class TzelSkinMenuBarControlButton : public ui::TWidget {
 public:
  TzelSkinMenuBarControlButton(ui::TWidget& AParent, int ATag);
  static constexpr int kSize = 18;

  void SetGlyph(TBitmap AGlyph);
  void SetColors(TColor AColor, TColor AToColor);
  TColor Color() const { return FColor; }
  TColor ToColor() const { return FToColor; }
  bool MouseIn() const { return FMouseIn; }
  ui::TNotifyEvent OnClick;

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;

 private:
  void Paint(HDC ADc);
  TBitmap FGlyph;
  TColor FColor = 0x00FFFFFF;
  TColor FToColor = 0x00FFFFFF;
  bool FMouseIn = false;
};

class TzelSkinMDIParent {
 public:
  TzelSkinMDIParent(ui::TForm& AForm, TzelSkinEngine& AEngine);
  ~TzelSkinMDIParent();
  TzelSkinMDIParent(const TzelSkinMDIParent&) = delete;
  TzelSkinMDIParent& operator=(const TzelSkinMDIParent&) = delete;

  // The frame sizes the parent had before skinning (answered to children).
  void SaveFrame(int ATitle, int ALeft, int ABottom);
  // The bar exists: the control buttons go onto it.
  void MenuBarCreated(TzelSkinMenuBar& ABar);
  // What the bar keeps free at its right end for the buttons.
  int ReservedWidth() const { return 3 * TzelSkinMenuBarControlButton::kSize + 4; }
  // Skinning went on or off (off: buttons hidden, window-menu items gone).
  void SkinStateChanged(bool AOn);
  // The parent's window is being destroyed.
  void WindowGoing();
  // A message of the parent frame's own (10925, 33768, 33770, WM_SIZE):
  // true when handled; AResult is then the answer.
  bool FrameMessage(const ui::TWindowMessage& AMsg, LRESULT& AResult);
  // Something about the children changed: one refresh is posted.
  void Changed();

  // The top-level item (by name) of the form's main menu that lists the
  // children; empty for none.
  void SetWindowMenu(std::string AItemName);
  // Brings the window menu and the control buttons up to date now.
  void Refresh();
  // The buttons shown: minimise, restore, close (for tests).
  bool ButtonShown(int AIndex) const;
  TzelSkinMenuBarControlButton* Button(int AIndex) const;
  // The places the children get (mdi_layout.h) applied to the client.
  void Cascade();
  void Tile(bool AHorizontal);
  // The client window sits below the menu bar.
  void PlaceClient(int AMenuHeight);

 private:
  LRESULT ClientProc(const ui::TWindowMessage& AMsg, const ui::TWindowChain::TNext& ANext);
  std::vector<HWND> Children(bool AWithMinimized) const;
  void UpdateButtons();
  void RebuildWindowMenu();
  void RemoveWindowMenuItems();
  void PlaceButtons();
  HWND ActiveChild(bool* AMaximized = nullptr) const;

  ui::TForm& FForm;
  TzelSkinEngine& FEngine;
  HWND FClient;
  std::unique_ptr<ui::TForeignSubclass> FClientHook;
  TzelSkinMenuBar* FBar = nullptr;
  std::vector<TzelSkinMenuBarControlButton*> FButtons;  // owned by the form
  bool FOn = false;
  bool FPending = false;
  bool FGone = false;
  int FOldTitle = 0, FOldLeft = 4, FOldBottom = 4;
  std::string FWindowMenu;
  // What the window menu lists now: the children and which was active.
  std::vector<HWND> FListed;
  HWND FListedActive = nullptr;
  std::vector<std::wstring> FListedCaptions;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_WINDOW_SKIN_WINDOW_MDI_H_
