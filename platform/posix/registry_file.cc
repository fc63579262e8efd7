#include "platform/posix/registry_file.h"

#include <algorithm>
#include <cstdint>

namespace platform::posix {
namespace {

// Reads a little-endian u32 at APos, advancing it; false when fewer than four
// bytes are left.
bool TakeU32(std::string_view ABytes, std::size_t& APos, uint32_t& AOut) {
  if (ABytes.size() - APos < 4) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(ABytes.data() + APos);
  AOut = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
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

void PutU32(std::string& AOut, uint32_t AValue) {
  for (int shift = 0; shift < 32; shift += 8) AOut.push_back(static_cast<char>(AValue >> shift));
}

char FoldAscii(char C) {
  return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C;
}

}  // namespace

bool SameRegistryName(std::string_view A, std::string_view B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char x, char y) {
           return FoldAscii(x) == FoldAscii(y);
         });
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
    PutU32(out, static_cast<uint32_t>(v.Name.size()));
    out += v.Name;
    PutU32(out, v.Value.Kind);
    PutU32(out, static_cast<uint32_t>(v.Value.Data.size()));
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
