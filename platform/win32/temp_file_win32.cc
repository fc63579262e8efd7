#include <objbase.h>
#include <windows.h>

#include <system_error>

#include "platform/temp_file.h"

namespace platform {

std::string NewGuidText() {
  GUID guid;
  HRESULT hr = CoCreateGuid(&guid);
  if (FAILED(hr)) throw std::system_error(hr, std::system_category(), "CoCreateGuid");
  wchar_t wide[40];
  int n = StringFromGUID2(guid, wide, 40);  // braced, upper case, with the NUL
  std::string text;
  for (int i = 0; i + 1 < n; ++i) text.push_back(static_cast<char>(wide[i]));
  return text;
}

bool CreateFileExclusively(const std::filesystem::path& APath) {
  HANDLE file = CreateFileW(APath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace platform
