// The values file of the file-backed registry store: any bytes either parse
// into values that write back to the very same bytes, or are refused with a
// result code and no values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/posix/registry_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  using namespace platform::posix;
  std::string_view bytes(reinterpret_cast<const char*>(AData), ASize);
  std::vector<TStoredValue> values;
  TValuesFileResult result = ParseValuesFile(bytes, values);
  if (result != TValuesFileResult::Ok) {
    if (!values.empty()) std::abort();
    return 0;
  }
  if (SerializeValuesFile(values) != bytes) std::abort();
  return 0;
}
