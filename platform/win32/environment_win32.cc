#include <windows.h>

#include <system_error>

#include "platform/environment.h"
#include "platform/win32/wide.h"

namespace platform {

using win32::ToUtf8;
using win32::ToWide;

const char kPathDelimiter = '\\';

std::optional<std::string> EnvironmentVariable(const std::string& AName) {
  std::wstring name = ToWide(AName);
  std::wstring value(256, L'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    DWORD n = GetEnvironmentVariableW(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (n == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (n < value.size()) {
      value.resize(n);
      return ToUtf8(value);
    }
    value.resize(n);  // n includes the terminating NUL when the buffer is short
  }
}

bool PutEnvironmentVariable(const std::string& AName, const std::optional<std::string>& AValue) {
  std::wstring value = AValue ? ToWide(*AValue) : std::wstring();
  return SetEnvironmentVariableW(ToWide(AName).c_str(), AValue ? value.c_str() : nullptr) != 0;
}

std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0)
      throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                              "GetModuleFileNameW");
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return ToUtf8(path.substr(0, path.rfind(L'\\') + 1));
}

std::string FallbackDataFolder() {
  return ProgramFolder();
}

}  // namespace platform
