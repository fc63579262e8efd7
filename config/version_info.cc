#include "config/version_info.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "base/ascii.h"
#include "base/little_endian.h"
#include "platform/file_version.h"

namespace config {
namespace {

constexpr uint32_t kFixedSignature = 0xFEEF04BD;
constexpr size_t kFixedPartSize = 52;
constexpr size_t kBlockHeaderSize = 6;

uint16_t Word(const uint8_t* AData) {
  return base::LoadLe16(AData);
}

uint32_t DoubleWord(const uint8_t* AData) {
  return base::LoadLe32(AData);
}

size_t AlignUp(size_t AOffset) {
  return (AOffset + 3) & ~static_cast<size_t>(3);
}

// Appends the UTF-8 form of the UTF-16 code units at AData (ACount units).
// An unpaired surrogate becomes U+FFFD.
void AppendUtf8(const uint8_t* AData, size_t ACount, std::string& AOut) {
  for (size_t i = 0; i < ACount; ++i) {
    uint32_t c = Word(AData + 2 * i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < ACount) {
      const uint32_t low = Word(AData + 2 * (i + 1));
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      } else {
        c = 0xFFFD;
      }
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      AOut += static_cast<char>(c);
    } else if (c < 0x800) {
      AOut += static_cast<char>(0xC0 | (c >> 6));
      AOut += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      AOut += static_cast<char>(0xE0 | (c >> 12));
      AOut += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      AOut += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      AOut += static_cast<char>(0xF0 | (c >> 18));
      AOut += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      AOut += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      AOut += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
}

// One block, located inside the resource. Offsets are relative to the start
// of the resource, so that alignment is computed the way the writer did.
struct TBlock {
  std::string Key;         // UTF-8
  size_t ValueOffset = 0;  // where the value starts
  size_t ValueSize = 0;    // in bytes, cut at the block's end
  uint16_t Type = 0;
  size_t ChildrenOffset = 0;
  size_t End = 0;  // one past the block's last byte
};

class TBlockReader {
 public:
  TBlockReader(const uint8_t* AData, size_t ASize) : FData(AData), FSize(ASize) {}

  // Reads the block at AOffset, which must end at or before ALimit.
  TVersionParse Read(size_t AOffset, size_t ALimit, TBlock& ABlock) const {
    if (ALimit > FSize || AOffset > ALimit || ALimit - AOffset < kBlockHeaderSize) {
      return TVersionParse::Truncated;
    }
    const size_t length = Word(FData + AOffset);
    const size_t value_length = Word(FData + AOffset + 2);
    ABlock.Type = Word(FData + AOffset + 4);
    if (length > ALimit - AOffset) return TVersionParse::Truncated;
    ABlock.End = AOffset + length;

    size_t pos = AOffset + kBlockHeaderSize;
    ABlock.Key.clear();
    size_t key_units = 0;
    for (;; ++key_units) {
      if (pos + 2 * key_units + 2 > ABlock.End) return TVersionParse::BadBlock;
      if (Word(FData + pos + 2 * key_units) == 0) break;
    }
    AppendUtf8(FData + pos, key_units, ABlock.Key);
    pos = AlignUp(pos + 2 * key_units + 2);

    ABlock.ValueOffset = pos < ABlock.End ? pos : ABlock.End;
    const size_t value_bytes = ABlock.Type == 1 ? 2 * value_length : value_length;
    ABlock.ValueSize = std::min(value_bytes, ABlock.End - ABlock.ValueOffset);
    ABlock.ChildrenOffset = std::min(AlignUp(ABlock.ValueOffset + value_bytes), ABlock.End);
    return TVersionParse::Ok;
  }

  // The text value of ABlock up to its first NUL.
  std::string Text(const TBlock& ABlock) const {
    size_t units = 0;
    while (2 * units + 2 <= ABlock.ValueSize && Word(FData + ABlock.ValueOffset + 2 * units) != 0) {
      ++units;
    }
    std::string text;
    AppendUtf8(FData + ABlock.ValueOffset, units, text);
    return text;
  }

  const uint8_t* At(size_t AOffset) const { return FData + AOffset; }

 private:
  const uint8_t* FData;
  size_t FSize;
};

// Calls AVisit(child) for each child of AParent until it returns false.
template <typename F>
TVersionParse ForEachChild(const TBlockReader& AReader, const TBlock& AParent, F AVisit) {
  size_t offset = AParent.ChildrenOffset;
  while (offset < AParent.End) {
    TBlock child;
    const TVersionParse result = AReader.Read(offset, AParent.End, child);
    if (result != TVersionParse::Ok) return result;
    if (!AVisit(child)) break;
    const size_t next = AlignUp(child.End);
    if (next <= offset) return TVersionParse::BadBlock;  // a zero length would loop
    offset = next;
  }
  return TVersionParse::Ok;
}

std::string StringEntry(const TVersionInfo& AInfo, std::string_view AName) {
  for (const auto& [name, text] : AInfo.Strings) {
    if (base::EqualsIgnoringAsciiCase(name, AName)) return text;
  }
  return {};
}

std::string FourWords(uint32_t AMost, uint32_t ALeast) {
  char text[48];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", AMost >> 16, AMost & 0xFFFF, ALeast >> 16,
                ALeast & 0xFFFF);
  return text;
}

}  // namespace

TVersionParse ParseVersionInfo(const uint8_t* AData, size_t ASize, TVersionInfo& AInfo) {
  AInfo = TVersionInfo{};
  const TBlockReader reader(AData, ASize);
  TBlock root;
  TVersionParse result = reader.Read(0, ASize, root);
  if (result != TVersionParse::Ok) return result;
  if (root.Key != "VS_VERSION_INFO") return TVersionParse::NotVersionInfo;
  if (root.ValueSize < kFixedPartSize) return TVersionParse::NoFixedPart;
  const uint8_t* fixed = reader.At(root.ValueOffset);
  if (DoubleWord(fixed) != kFixedSignature) return TVersionParse::BadSignature;
  AInfo.FileVersionMS = DoubleWord(fixed + 8);
  AInfo.FileVersionLS = DoubleWord(fixed + 12);
  AInfo.ProductVersionMS = DoubleWord(fixed + 16);
  AInfo.ProductVersionLS = DoubleWord(fixed + 20);

  // The first string table of the first "StringFileInfo" block.
  TVersionParse tables = TVersionParse::Ok;
  TVersionParse entries = TVersionParse::Ok;
  result = ForEachChild(reader, root, [&](const TBlock& AInfoBlock) {
    if (AInfoBlock.Key != "StringFileInfo") return true;
    tables = ForEachChild(reader, AInfoBlock, [&](const TBlock& ATable) {
      entries = ForEachChild(reader, ATable, [&](const TBlock& AEntry) {
        AInfo.Strings.emplace_back(AEntry.Key, reader.Text(AEntry));
        return true;
      });
      return false;
    });
    return false;
  });
  if (result != TVersionParse::Ok) return result;
  return tables != TVersionParse::Ok ? tables : entries;
}

std::string VersionValue(const TVersionInfo& AInfo, uint8_t ASelector) {
  switch (ASelector) {
    case 0:
      return StringEntry(AInfo, "FileVersion");
    case 1:
      return StringEntry(AInfo, "FileDescription");
    case 2:
      return StringEntry(AInfo, "ProductName");
    case 3:
      return StringEntry(AInfo, "ProductVersion");
    case 4:
      return FourWords(AInfo.FileVersionMS, AInfo.FileVersionLS);
    case 5:
      return FourWords(AInfo.ProductVersionMS, AInfo.ProductVersionLS);
    default:
      return {};
  }
}

std::string FileVersionValue(const std::string& AFileName, uint8_t ASelector) {
  std::vector<uint8_t> resource;
  switch (platform::ReadFileVersionResource(AFileName, resource)) {
    case platform::TVersionResourceRead::NoFile:
      throw EVersionInfoError("The file " + AFileName + " does not exist");
    case platform::TVersionResourceRead::NoResource:
      throw EVersionInfoError("File contains no version information");
    case platform::TVersionResourceRead::Ok:
      break;
  }
  TVersionInfo info;
  if (ParseVersionInfo(resource.data(), resource.size(), info) != TVersionParse::Ok) {
    throw EVersionInfoError("File contains no version information");
  }
  return VersionValue(info, ASelector);
}

}  // namespace config
