// Version resources through the version library of Windows.
#include <windows.h>

#include "platform/file_version.h"
#include "platform/win32/wide.h"

namespace platform {

TVersionResourceRead ReadFileVersionResource(const std::string& AFileName,
                                             std::vector<uint8_t>& AResource) {
  AResource.clear();
  const std::wstring name = win32::ToWide(AFileName);
  const DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return TVersionResourceRead::NoFile;
  }
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(name.c_str(), &ignored);
  if (size == 0) return TVersionResourceRead::NoResource;
  AResource.resize(size);
  if (!GetFileVersionInfoW(name.c_str(), 0, size, AResource.data())) {
    AResource.clear();
    return TVersionResourceRead::NoResource;
  }
  return TVersionResourceRead::Ok;
}

}  // namespace platform
