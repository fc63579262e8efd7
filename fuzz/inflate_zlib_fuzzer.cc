// Arbitrary bytes as a raw deflate stream, inflated by our inflater and by
// zlib: both must come to the same class of result (inflated, refused, or
// over the output limit), and where both inflate, to the same bytes.
//
// One difference is by design: our inflater does not check NLEN, the
// one's complement of a stored block's length, where zlib refuses a
// mismatch ("invalid stored block lengths"); such a stream counts as
// agreeing when ours inflates it.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "skin/archive/inflater.h"

namespace {

constexpr std::size_t kLimit = 1u << 18;

enum class TClass { Inflated, Refused, OverLimit };

struct TOutcome {
  TClass Class;
  std::vector<std::uint8_t> Bytes;
  const char* Message = nullptr;  // zlib's, when it refused
};

TOutcome Ours(const std::uint8_t* AData, std::size_t ASize) {
  static skin::TInflater inflater;
  skin::TMemorySource source({AData, ASize});
  TOutcome outcome{TClass::Refused, {}};
  skin::TVectorSink sink(outcome.Bytes, kLimit);
  const skin::TInflateResult result = inflater.Inflate(source, sink);
  if (result == skin::TInflateResult::Ok) outcome.Class = TClass::Inflated;
  if (result == skin::TInflateResult::WriteRefused) outcome.Class = TClass::OverLimit;
  return outcome;
}

TOutcome Zlib(const std::uint8_t* AData, std::size_t ASize) {
  TOutcome outcome{TClass::Refused, std::vector<std::uint8_t>(kLimit + 1)};
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) std::abort();
  z.next_in = const_cast<Bytef*>(AData);
  z.avail_in = static_cast<uInt>(ASize);
  z.next_out = outcome.Bytes.data();
  z.avail_out = static_cast<uInt>(outcome.Bytes.size());
  const int result = inflate(&z, Z_FINISH);
  if (result == Z_STREAM_END) {
    outcome.Class = z.total_out > kLimit ? TClass::OverLimit : TClass::Inflated;
  } else if (z.avail_out == 0) {
    outcome.Class = TClass::OverLimit;
  } else {
    outcome.Message = z.msg;
  }
  outcome.Bytes.resize(z.total_out);
  inflateEnd(&z);
  return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  const TOutcome ours = Ours(AData, ASize), zlib = Zlib(AData, ASize);
  if (ours.Class == TClass::Inflated && zlib.Class == TClass::Refused && zlib.Message &&
      std::strcmp(zlib.Message, "invalid stored block lengths") == 0) {
    return 0;  // NLEN, which ours does not check
  }
  if (ours.Class != zlib.Class) std::abort();
  if (ours.Class == TClass::Inflated && ours.Bytes != zlib.Bytes) std::abort();
  return 0;
}
