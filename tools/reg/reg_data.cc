#include "tools/reg/reg_data.h"

#include "base/ascii.h"

#include <cinttypes>
#include <cstdio>
#include <utility>

namespace tools {
namespace {

constexpr std::pair<uint32_t, const char*> kKindNames[] = {
    {platform::kRegNone, "REG_NONE"},
    {platform::kRegSz, "REG_SZ"},
    {platform::kRegExpandSz, "REG_EXPAND_SZ"},
    {platform::kRegBinary, "REG_BINARY"},
    {platform::kRegDword, "REG_DWORD"},
    {5, "REG_DWORD_BIG_ENDIAN"},
    {6, "REG_LINK"},
    {platform::kRegMultiSz, "REG_MULTI_SZ"},
    {platform::kRegQword, "REG_QWORD"},
};

// A decimal or 0x-hex number of at most AMax, the whole text.
std::optional<uint64_t> ParseNumber(const std::string& AText, uint64_t AMax) {
  std::size_t pos = 0;
  int base = 10;
  if (AText.size() > 2 && AText[0] == '0' && (AText[1] == 'x' || AText[1] == 'X')) {
    base = 16;
    pos = 2;
  }
  if (pos == AText.size()) return std::nullopt;
  uint64_t value = 0;
  for (; pos < AText.size(); ++pos) {
    const char c = base::AsciiLower(AText[pos]);
    int digit = c >= '0' && c <= '9'                   ? c - '0'
                : (base == 16 && c >= 'a' && c <= 'f') ? c - 'a' + 10
                                                       : -1;
    if (digit < 0 || value > (AMax - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base))
      return std::nullopt;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }
  return value;
}

std::string LittleEndian(uint64_t AValue, int ABytes) {
  std::string out;
  for (int i = 0; i < ABytes; ++i) out.push_back(static_cast<char>(AValue >> (8 * i)));
  return out;
}

uint64_t FromLittleEndian(const std::string& ABytes) {
  uint64_t value = 0;
  for (std::size_t i = ABytes.size(); i-- > 0;)
    value = value << 8 | static_cast<unsigned char>(ABytes[i]);
  return value;
}

std::string Hex(const std::string& ABytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : ABytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

}  // namespace

std::optional<uint32_t> RegKindOfName(const std::string& AName) {
  std::string upper = base::AsciiUpperCase(AName);
  for (const auto& [kind, name] : kKindNames)
    if (upper == name) return kind;
  return std::nullopt;
}

std::string RegKindName(uint32_t AKind) {
  for (const auto& [kind, name] : kKindNames)
    if (kind == AKind) return name;
  return "REG_UNKNOWN";
}

std::optional<platform::TRegValue> ParseRegData(uint32_t AKind, const std::string& AData,
                                                const std::string& ASeparator) {
  platform::TRegValue value{AKind, {}};
  switch (AKind) {
    case platform::kRegDword:
    case platform::kRegQword: {
      const bool dword = AKind == platform::kRegDword;
      std::optional<uint64_t> n =
          ParseNumber(AData.empty() ? "0" : AData, dword ? 0xFFFFFFFFull : ~uint64_t{0});
      if (!n) return std::nullopt;
      value.Data = LittleEndian(*n, dword ? 4 : 8);
      return value;
    }
    case platform::kRegSz:
    case platform::kRegExpandSz:
      value.Data = AData + '\0';
      return value;
    case platform::kRegMultiSz: {
      if (ASeparator.empty()) return std::nullopt;
      std::size_t start = 0;
      while (start < AData.size()) {
        std::size_t end = AData.find(ASeparator, start);
        if (end == std::string::npos) end = AData.size();
        if (end == start) return std::nullopt;  // an empty item would end the list
        value.Data += AData.substr(start, end - start) + '\0';
        start = end + ASeparator.size();
        if (start == AData.size()) return std::nullopt;  // trailing separator
      }
      value.Data += '\0';
      return value;
    }
    default: {  // REG_BINARY, REG_NONE and the rest: hex digit pairs
      if (AData.size() % 2) return std::nullopt;
      for (std::size_t i = 0; i < AData.size(); i += 2) {
        std::optional<uint64_t> byte = ParseNumber("0x" + AData.substr(i, 2), 255);
        if (!byte) return std::nullopt;
        value.Data.push_back(static_cast<char>(*byte));
      }
      return value;
    }
  }
}

std::string FormatRegData(const platform::TRegValue& AValue) {
  char number[32];
  switch (AValue.Kind) {
    case platform::kRegDword:
    case platform::kRegQword:
      if (AValue.Data.size() != (AValue.Kind == platform::kRegDword ? 4u : 8u)) break;
      std::snprintf(number, sizeof number, "0x%" PRIx64, FromLittleEndian(AValue.Data));
      return number;
    case platform::kRegSz:
    case platform::kRegExpandSz:
      return AValue.Data.substr(0, AValue.Data.find('\0'));
    case platform::kRegMultiSz: {
      std::string out, items = AValue.Data;
      std::size_t start = 0;
      while (start < items.size() && items[start] != '\0') {
        std::size_t end = items.find('\0', start);
        if (end == std::string::npos) end = items.size();
        if (!out.empty()) out += "\\0";
        out += items.substr(start, end - start);
        start = end + 1;
      }
      return out;
    }
  }
  return Hex(AValue.Data);
}

}  // namespace tools
