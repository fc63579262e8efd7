// Arbitrary bytes as an extracted skin description.
#include <cstddef>
#include <cstdint>

#include "skin/reader/sk2_skin_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  try {
    auto reader = skin::Tsk2SkinFileReader::FromDescription({AData, ASize});
    reader->ProcessTransparentColor(0x00FF00FF);
    reader->GetInteger("SKIN2_FORMCOLOR");
    reader->GetBitmap("SKIN2_BUTTON");
  } catch (const skin::ESkinReadError&) {
  }
  return 0;
}
