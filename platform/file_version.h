// Reading the version resource of an executable file.
//
// Thread safety: the function may be called from any thread.
#ifndef QUILLORY_PLATFORM_FILE_VERSION_H_
#define QUILLORY_PLATFORM_FILE_VERSION_H_

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class TVersionResourceRead {
  Ok,          // AResource holds the resource, beginning with its root block
  NoFile,      // no file of that name (a directory does not count)
  NoResource,  // the file exists but carries no version resource
};

// Reads the version resource of the file AFileName (UTF-8; a name without
// folder is relative to the current directory) into AResource. The bytes
// are returned unchecked; interpreting them is the caller's business.
// On systems without version resources the stand-in finds none in any file.
TVersionResourceRead ReadFileVersionResource(const std::string& AFileName,
                                             std::vector<uint8_t>& AResource);

}  // namespace platform

#endif  // QUILLORY_PLATFORM_FILE_VERSION_H_
