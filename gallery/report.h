// What the gallery tells about its widgets' events, for its scenario: one
// line per event through OutputDebugString (a debugger shows it; under Wine
// the "debugstr" channel prints it).
//
// Thread safety: any thread.
#ifndef QUILLORY_GALLERY_REPORT_H_
#define QUILLORY_GALLERY_REPORT_H_

#include <windows.h>

#include <string>

namespace gallery {

inline void Report(const std::string& ALine) {
  OutputDebugStringA((ALine + "\n").c_str());
}

}  // namespace gallery

#endif  // QUILLORY_GALLERY_REPORT_H_
