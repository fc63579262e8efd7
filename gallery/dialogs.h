// The windows the gallery's "Dialogs" menu opens.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_GALLERY_DIALOGS_H_
#define QUILLORY_GALLERY_DIALOGS_H_

#include <windows.h>

#include "ui/application.h"
#include "ui/form.h"

namespace gallery {

// An MDI parent window "MDI Parent" (owned by AOwner) with three cascaded
// children "MDI Child 1" to "MDI Child 3"; it closes by itself.
void OpenMdiWindow(ui::TForm& AOwner);

// A modal dialog form "Modal Dialog" with OK and Cancel; returns the
// modal result (IDOK, IDCANCEL).
int ShowModalDialog(ui::TApplication& AApplication);

// The shell's folder dialog, captioned "Choose Folder".
void ShowFolderDialog(HWND AOwner);

// The open-file dialog, captioned "Open File".
void ShowOpenDialog(HWND AOwner);

}  // namespace gallery

#endif  // QUILLORY_GALLERY_DIALOGS_H_
