// The shell's folder selection dialog.
//
// Thread safety: call on the window thread.
#ifndef QUILLORY_CONFIGURATOR_WINDOW_BROWSE_FOLDER_H_
#define QUILLORY_CONFIGURATOR_WINDOW_BROWSE_FOLDER_H_

#include <windows.h>

#include <string>

namespace configurator {

// Shows the dialog owned by AOwner with the title ACaption. The tree starts
// at ARoot (a path; empty: the desktop). AFolder (UTF-8) is preselected when
// it names an existing directory, and receives the chosen path when the
// result is true. AEditBox: a path can be typed; AShowFiles: files are
// listed too; ANewFolder: a button for a new folder. The program's other
// windows are disabled while the dialog is open. False when the dialog was
// cancelled or the shell's allocator is not available.
bool BrowseFolderDialog(HWND AOwner, const std::string& ACaption, const std::string& ARoot,
                        std::string& AFolder, bool AEditBox, bool AShowFiles, bool ANewFolder);

// The dialog's callback: when it is initialised, selects the folder given as
// callback data (a UTF-16 path, or 0 for none). Always 0.
int CALLBACK BrowseFolderCallback(HWND AWindow, UINT AMessage, LPARAM AParam, LPARAM AData);

// True when APath (UTF-8) names an existing directory.
bool DirectoryExists(const std::string& APath);

}  // namespace configurator

#endif  // QUILLORY_CONFIGURATOR_WINDOW_BROWSE_FOLDER_H_
