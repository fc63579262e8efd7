// Arbitrary bytes as a raw deflate stream.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/archive/inflater.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  static skin::TInflater inflater;
  skin::TMemorySource source({AData, ASize});
  std::vector<std::uint8_t> out;
  skin::TVectorSink sink(out, 16u << 20);
  inflater.Inflate(source, sink);
  return 0;
}
