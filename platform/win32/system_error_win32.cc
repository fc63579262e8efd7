#include <windows.h>

#include "platform/system_error.h"
#include "platform/win32/wide.h"

namespace platform {

std::string SystemErrorMessage(uint32_t ACode) {
  return win32::SystemErrorText(ACode);
}

uint32_t LastSystemError() {
  return GetLastError();
}

}  // namespace platform
