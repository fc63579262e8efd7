#include <windows.h>

#include <shellapi.h>

#include "platform/process.h"
#include "platform/system_error.h"
#include "platform/win32/wide.h"

namespace platform {

std::string ProgramPath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) throw ESystemError(GetLastError());
    if (n < buffer.size()) {
      buffer.resize(n);
      return win32::ToUtf8(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (args == nullptr) throw ESystemError(GetLastError());
  std::vector<std::string> result;
  for (int i = 1; i < count; ++i) result.push_back(win32::ToUtf8(args[i]));
  LocalFree(args);
  return result;
}

}  // namespace platform
