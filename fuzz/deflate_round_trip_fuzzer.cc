// Arbitrary bytes through our deflate encoder and back through our
// inflater: the stream must inflate, to exactly the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/archive/inflater.h"
#include "skin/compiler/deflate_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  static skin::TInflater inflater;
  const std::vector<std::uint8_t> packed = skin::DeflateRaw({AData, ASize});
  skin::TMemorySource source(packed);
  std::vector<std::uint8_t> out;
  skin::TVectorSink sink(out, ASize);
  if (inflater.Inflate(source, sink) != skin::TInflateResult::Ok) std::abort();
  if (out != std::vector<std::uint8_t>(AData, AData + ASize)) std::abort();
  return 0;
}
