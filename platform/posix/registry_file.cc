#include "platform/posix/registry_file.h"

#include <cstdint>

#include "base/ascii.h"
#include "base/little_endian.h"

namespace platform::posix {
namespace {

// Reads a little-endian u32 at APos, advancing it; false when fewer than four
// bytes are left.
bool TakeU32(std::string_view ABytes, std::size_t& APos, uint32_t& AOut) {
  if (ABytes.size() - APos < 4) return false;
  AOut = base::LoadLe32(ABytes.data() + APos);
  APos += 4;
  return true;
}

// Takes ALength bytes at APos, advancing it; false when fewer are left.
bool TakeBytes(std::string_view ABytes, std::size_t& APos, uint32_t ALength, std::string& AOut) {
  if (ABytes.size() - APos < ALength) return false;
  AOut.assign(ABytes.data() + APos, ALength);
  APos += ALength;
  return true;
}

}  // namespace

bool SameRegistryName(std::string_view A, std::string_view B) {
  return base::EqualsIgnoringAsciiCase(A, B);
}

TValuesFileResult ParseValuesFile(std::string_view ABytes, std::vector<TStoredValue>& AValues) {
  AValues.clear();
  if (ABytes.substr(0, kValuesFileMagicSize) != std::string_view(kValuesFileMagic))
    return TValuesFileResult::BadMagic;
  std::vector<TStoredValue> values;
  std::size_t pos = kValuesFileMagicSize;
  while (pos < ABytes.size()) {
    TStoredValue v;
    uint32_t name_length = 0, data_length = 0;
    if (!TakeU32(ABytes, pos, name_length)) return TValuesFileResult::Truncated;
    if (name_length > kMaxValueNameBytes) return TValuesFileResult::NameTooLong;
    if (!TakeBytes(ABytes, pos, name_length, v.Name)) return TValuesFileResult::Truncated;
    if (!TakeU32(ABytes, pos, v.Value.Kind)) return TValuesFileResult::Truncated;
    if (!TakeU32(ABytes, pos, data_length)) return TValuesFileResult::Truncated;
    if (data_length > kMaxValueDataBytes) return TValuesFileResult::DataTooLong;
    if (!TakeBytes(ABytes, pos, data_length, v.Value.Data)) return TValuesFileResult::Truncated;
    for (const TStoredValue& seen : values)
      if (SameRegistryName(seen.Name, v.Name)) return TValuesFileResult::DuplicateName;
    values.push_back(std::move(v));
  }
  AValues = std::move(values);
  return TValuesFileResult::Ok;
}

std::string SerializeValuesFile(const std::vector<TStoredValue>& AValues) {
  std::string out(kValuesFileMagic, kValuesFileMagicSize);
  for (const TStoredValue& v : AValues) {
    base::AppendLe32(out, static_cast<uint32_t>(v.Name.size()));
    out += v.Name;
    base::AppendLe32(out, v.Value.Kind);
    base::AppendLe32(out, static_cast<uint32_t>(v.Value.Data.size()));
    out += v.Value.Data;
  }
  return out;
}

const char* ValuesFileResultText(TValuesFileResult AResult) {
  switch (AResult) {
    case TValuesFileResult::Ok:
      return "ok";
    case TValuesFileResult::BadMagic:
      return "not a registry values file";
    case TValuesFileResult::Truncated:
      return "registry values file is truncated";
    case TValuesFileResult::NameTooLong:
      return "registry values file holds an overlong value name";
    case TValuesFileResult::DataTooLong:
      return "registry values file holds overlong value data";
    case TValuesFileResult::DuplicateName:
      return "registry values file names a value twice";
  }
  return "unknown";
}

}  // namespace platform::posix
