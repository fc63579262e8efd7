// The windows the gallery's "Dialogs" menu opens.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_GALLERY_DIALOGS_H_
#define QUILLORY_GALLERY_DIALOGS_H_

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"

namespace gallery {

// An MDI parent form "MDI Parent" with three cascaded child forms "MDI
// Child 1" to "MDI Child 3".
class TMdiWindow : public ui::TForm {
 public:
  explicit TMdiWindow(ui::TApplication& AApplication);
  ~TMdiWindow() override;
  // Shows the parent and its children.
  void Show();

 private:
  std::vector<std::unique_ptr<ui::TForm>> FChildren;
  std::vector<std::unique_ptr<ui::TLabel>> FLabels;
};

// A modal dialog form "Modal Dialog" with OK (the default button, Enter)
// and Cancel (Escape); returns the modal result (IDOK, IDCANCEL).
int ShowModalDialog(ui::TApplication& AApplication);

// The shell's folder dialog, captioned "Choose Folder".
void ShowFolderDialog(HWND AOwner);

// The open-file dialog, captioned "Open File".
void ShowOpenDialog(HWND AOwner);

}  // namespace gallery

#endif  // QUILLORY_GALLERY_DIALOGS_H_
