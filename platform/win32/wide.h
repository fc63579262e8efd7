// UTF-8 <-> UTF-16 at the Win32 boundary, and the system's text for an
// error code. Internal to the Win32 implementations of the platform seam.
#ifndef QUILLORY_PLATFORM_WIN32_WIDE_H_
#define QUILLORY_PLATFORM_WIN32_WIDE_H_

#include <windows.h>

#include <string>
#include <string_view>

namespace platform::win32 {

inline std::wstring ToWide(std::string_view AText) {
  if (AText.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, AText.data(), static_cast<int>(AText.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, AText.data(), static_cast<int>(AText.size()), out.data(), n);
  return out;
}

inline std::string ToUtf8(std::wstring_view AText) {
  if (AText.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, AText.data(), static_cast<int>(AText.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, AText.data(), static_cast<int>(AText.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

// The system's description of AError, without the trailing line break.
inline std::string SystemErrorText(DWORD AError) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, AError, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = n ? std::wstring(buffer, n) : L"error " + std::to_wstring(AError);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
  return ToUtf8(text);
}

}  // namespace platform::win32

#endif  // QUILLORY_PLATFORM_WIN32_WIDE_H_
