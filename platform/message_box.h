// Messages to the person who started the program: a message box on Windows,
// a line on standard output (information) or standard error (errors) on
// POSIX.
//
// Thread safety: may be called from any thread; blocks until dismissed.
#ifndef QUILLORY_PLATFORM_MESSAGE_BOX_H_
#define QUILLORY_PLATFORM_MESSAGE_BOX_H_

#include <string>

namespace platform {

enum class TMessageKind { Information, Error };

// Shows AText (UTF-8) under ACaption with one "OK" button and waits until it
// is closed.
void ShowMessageBox(const std::string& ACaption, const std::string& AText, TMessageKind AKind);

}  // namespace platform

#endif  // QUILLORY_PLATFORM_MESSAGE_BOX_H_
