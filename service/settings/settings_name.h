// Which file names a client may use: only names of files directly inside the
// client settings folder. Everything that would reach past the folder, or
// that the file system takes for something other than a file there, is
// refused:
// - on every platform: the empty name, "." and "..", names holding "/",
//   "\" or NUL, and the names of the temporary files of saves
//   (".~save-*.tmp"), so no client reads another's save half written;
// - with Windows rules also: names holding a colon (drive-qualified names
//   and alternate data streams), names ending in a dot or a blank (Windows
//   strips those, so they would name another file), and the reserved device
//   names (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1 to COM9, LPT1 to LPT9,
//   the superscript digits included), in any letter case, with or without an
//   extension.
// Everything else, blanks included, is used unchanged.
//
// Thread-safe; never fails.
#ifndef QUILLORY_SERVICE_SETTINGS_SETTINGS_NAME_H_
#define QUILLORY_SERVICE_SETTINGS_SETTINGS_NAME_H_

#include <string_view>

#include "platform/file_system.h"

namespace service::settings {

// True when AName names a file directly inside the folder under ARules.
bool IsNameInFolder(std::string_view AName, platform::TFileNameRules ARules);

}  // namespace service::settings

#endif  // QUILLORY_SERVICE_SETTINGS_SETTINGS_NAME_H_
