#include <windows.h>

#include "platform/message_box.h"
#include "platform/win32/wide.h"

namespace platform {

void ShowMessageBox(const std::string& ACaption, const std::string& AText, TMessageKind AKind) {
  const UINT icon = AKind == TMessageKind::Error ? MB_ICONERROR : MB_ICONINFORMATION;
  MessageBoxW(nullptr, win32::ToWide(AText).c_str(), win32::ToWide(ACaption).c_str(),
              MB_OK | icon | MB_SETFOREGROUND);
}

}  // namespace platform
