// Arbitrary bytes as a skin archive: directory walk, local header,
// decryption and inflation, with the output bounded by the recorded size.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/archive/unzip_skin_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  skin::TMemoryInput archive({AData, ASize});
  auto entry = skin::FindSkinEntry(archive, "SKINDATA.SK2");
  if (!entry) return 0;
  // Bound the output the way a caller would; the extraction never writes
  // more than the recorded size anyway.
  if (entry->UncompressedSize > (64u << 20)) return 0;
  std::vector<std::uint8_t> out;
  skin::TVectorSink sink(out);
  skin::ExtractSkinEntry(archive, *entry, sink, ASize % 2 ? "secret" : "");
  return 0;
}
