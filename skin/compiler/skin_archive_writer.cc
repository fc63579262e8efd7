#include "skin/compiler/skin_archive_writer.h"

#include "skin/archive/crc32.h"
#include "skin/archive/zip_format.h"
#include "skin/compiler/deflate_encoder.h"

namespace skin {

std::vector<std::uint8_t> WriteSkinArchive(std::string_view AEntryName,
                                           std::span<const std::uint8_t> AData) {
  using namespace zip;
  constexpr std::uint16_t kVersion = 20;  // 2.0: deflate
  constexpr std::uint16_t kTime = 0;
  constexpr std::uint16_t kDate = (20 << 9) | (1 << 5) | 1;  // 2000-01-01
  constexpr std::uint32_t kArchiveAttribute = 0x20;
  const std::vector<std::uint8_t> packed = DeflateRaw(AData);
  const std::uint32_t crc = Crc32(0, AData.data(), AData.size());
  const auto nameLength = static_cast<std::uint32_t>(AEntryName.size());

  std::vector<std::uint8_t> out;
  auto common = [&] {
    Put16(out, kVersion);
    Put16(out, 0);  // flags
    Put16(out, kMethodDeflate);
    Put16(out, kTime);
    Put16(out, kDate);
    Put32(out, crc);
    Put32(out, static_cast<std::uint32_t>(packed.size()));
    Put32(out, static_cast<std::uint32_t>(AData.size()));
    Put16(out, nameLength);
    Put16(out, 0);  // extra field
  };
  Put32(out, kSkinLocalSignature);
  common();
  out.insert(out.end(), AEntryName.begin(), AEntryName.end());
  out.insert(out.end(), packed.begin(), packed.end());

  const auto directoryOffset = static_cast<std::uint32_t>(out.size());
  Put32(out, kCentralSignature);
  Put16(out, kVersion);  // made by
  common();
  Put16(out, 0);  // comment
  Put16(out, 0);  // disk
  Put16(out, 0);  // internal attributes
  Put32(out, kArchiveAttribute);
  Put32(out, 0);  // local header offset
  out.insert(out.end(), AEntryName.begin(), AEntryName.end());
  const auto directorySize = static_cast<std::uint32_t>(out.size()) - directoryOffset;

  Put32(out, kEndSignature);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, directorySize);
  Put32(out, directoryOffset);
  Put16(out, 0);  // no comment
  return out;
}

}  // namespace skin
