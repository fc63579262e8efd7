// Version resources of untrusted files: every input must parse or be
// rejected without reading outside the buffer, and the selectors must work
// on whatever was parsed.
#include <cstddef>
#include <cstdint>

#include "config/version_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  config::TVersionInfo info;
  if (config::ParseVersionInfo(AData, ASize, info) == config::TVersionParse::Ok) {
    for (uint8_t selector = 0; selector < 7; ++selector) config::VersionValue(info, selector);
  }
  return 0;
}
