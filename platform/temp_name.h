// Names of the temporary files of TNewFile. Internal to the implementations
// of the platform seam.
#ifndef QUILLORY_PLATFORM_TEMP_NAME_H_
#define QUILLORY_PLATFORM_TEMP_NAME_H_

#include <string>

namespace platform {

// A fresh file name ".~save-<16 hex digits>.tmp": a random start per process
// and a counter, so names rarely repeat across runs and never within one.
// The creating call still insists on a new file and asks again on a clash.
// Thread-safe.
std::string NextTempFileName();

}  // namespace platform

#endif  // QUILLORY_PLATFORM_TEMP_NAME_H_
