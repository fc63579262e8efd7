// Stand-in: files exist as on any system, but none carries a version
// resource (those belong to Windows executables).
#include <sys/stat.h>

#include "platform/file_version.h"

namespace platform {

TVersionResourceRead ReadFileVersionResource(const std::string& AFileName,
                                             std::vector<uint8_t>& AResource) {
  AResource.clear();
  struct stat info {};
  if (stat(AFileName.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
    return TVersionResourceRead::NoFile;
  }
  return TVersionResourceRead::NoResource;
}

}  // namespace platform
