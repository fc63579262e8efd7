#include "skin/compiler/sk2_description_writer.h"

#include <cstring>

#include "skin/archive/zip_format.h"

namespace skin {

TSk2DescriptionWriter::TSk2DescriptionWriter() {
  FData.assign(sk2::kMagic, sk2::kMagic + sk2::kMagicSize);
  zip::Put32(FData, sk2::kHeaderSize);
  zip::Put32(FData, sk2::kFormatVersion);
  zip::Put32(FData, sk2::kHeaderSize);
}

void TSk2DescriptionWriter::AddRecord(std::string_view AName, std::uint8_t AKind,
                                      std::span<const std::uint8_t> AValue) {
  if (AName.size() >= sk2::kNameSize) throw std::invalid_argument("key name too long");
  const std::uint64_t valueOffset = FData.size() + sk2::kRecordHeaderSize;
  const std::uint64_t next = valueOffset + AValue.size();
  if (next > INT32_MAX) throw std::invalid_argument("skin description too large");
  std::uint8_t name[sk2::kNameSize] = {};
  std::memcpy(name, AName.data(), AName.size());
  FData.insert(FData.end(), name, name + sk2::kNameSize);
  FData.push_back(AKind);
  zip::Put32(FData, static_cast<std::uint32_t>(valueOffset));
  zip::Put32(FData, static_cast<std::uint32_t>(AValue.size()));
  zip::Put32(FData, static_cast<std::uint32_t>(next));
  FData.insert(FData.end(), AValue.begin(), AValue.end());
}

void TSk2DescriptionWriter::AddBitmap(std::string_view AName,
                                      std::span<const std::uint8_t> ABmpStream) {
  AddRecord(AName, static_cast<std::uint8_t>(sk2::TRecordKind::Bitmap), ABmpStream);
}

void TSk2DescriptionWriter::AddInteger(std::string_view AName, std::int32_t AValue) {
  std::vector<std::uint8_t> v;
  zip::Put32(v, static_cast<std::uint32_t>(AValue));
  AddRecord(AName, static_cast<std::uint8_t>(sk2::TRecordKind::Integer), v);
}

void TSk2DescriptionWriter::AddBool(std::string_view AName, bool AValue) {
  const std::uint8_t v = AValue ? 1 : 0;
  AddRecord(AName, static_cast<std::uint8_t>(sk2::TRecordKind::Boolean), {&v, 1});
}

void TSk2DescriptionWriter::AddText(std::string_view AName, std::string_view AText) {
  AddRecord(AName, static_cast<std::uint8_t>(sk2::TRecordKind::Text),
            {reinterpret_cast<const std::uint8_t*>(AText.data()), AText.size()});
}

std::vector<std::uint8_t> TSk2DescriptionWriter::Finish() {
  // The terminating record: no value, next offset 0 (its last 4 bytes).
  AddRecord("", static_cast<std::uint8_t>(sk2::TRecordKind::Boolean), {});
  std::memset(FData.data() + FData.size() - 4, 0, 4);
  std::vector<std::uint8_t> done = std::move(FData);
  *this = TSk2DescriptionWriter();
  return done;
}

}  // namespace skin
