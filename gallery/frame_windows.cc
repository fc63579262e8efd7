#include "gallery/frame_windows.h"

namespace gallery {

TFrameWindow::TFrameWindow(ui::TApplication& AApplication, bool ASystemMenu)
    : ui::TForm(ui::TFormArgs{
          .Application = &AApplication,
          .Caption = ASystemMenu ? "Plain Window" : "No System Menu",
          .ClientWidth = 320,
          .ClientHeight = 160,
          .BorderStyle = ui::TFormBorderStyle::Sizeable,
          .BorderIcons = ASystemMenu ? ui::biSystemMenu | ui::biMinimize | ui::biMaximize : 0,
          .Name = ASystemMenu ? "frmPlain" : "frmNoSysMenu"}) {
  // Both carry an icon: the one without border icons must not show it.
  SetIcon(LoadIconW(nullptr, IDI_APPLICATION));
  FText = std::make_unique<ui::TLabel>(ui::TLabelArgs{
      .Widget = {this, 12, 12, 0, 0, ASystemMenu ? "A window of its own." : "No border icons."}});
}

TFrameWindow::~TFrameWindow() {
  FText.reset();
  DestroyHandle();
}

}  // namespace gallery
