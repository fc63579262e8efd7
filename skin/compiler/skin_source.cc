#include "skin/compiler/skin_source.h"

#include <charconv>
#include <sstream>

#include "skin/archive/file_stream.h"
#include "skin/bitmap/bmp_codec.h"
#include "skin/compiler/sk2_description_writer.h"

namespace skin {
namespace {

[[noreturn]] void Fail(int ALine, const std::string& AMessage) {
  throw ESkinSourceError("line " + std::to_string(ALine) + ": " + AMessage);
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

// Splits off the first word of AText.
std::string_view NextWord(std::string_view& AText) {
  AText = Trim(AText);
  std::size_t end = AText.find_first_of(" \t");
  std::string_view word = AText.substr(0, end);
  AText = end == std::string_view::npos ? std::string_view() : Trim(AText.substr(end));
  return word;
}

std::int32_t ParseNumber(const TSkinSourceRecord& ARecord) {
  std::string_view v = ARecord.Value;
  int base = 10;
  if (v.starts_with("0x") || v.starts_with("0X")) {
    v.remove_prefix(2);
    base = 16;
  }
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), value, base);
  if (v.empty() || error != std::errc() || end != v.data() + v.size() || value < INT32_MIN ||
      value > UINT32_MAX) {
    Fail(ARecord.Line, "not a number: " + ARecord.Value);
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

std::vector<TSkinSourceRecord> ParseSkinSource(std::string_view AText) {
  std::vector<TSkinSourceRecord> records;
  int lineNumber = 0;
  while (!AText.empty()) {
    ++lineNumber;
    std::size_t eol = AText.find('\n');
    std::string_view line = AText.substr(0, eol);
    AText = eol == std::string_view::npos ? std::string_view() : AText.substr(eol + 1);
    line = Trim(line);
    if (line.empty() || line.front() == '#') continue;

    std::string_view kind = NextWord(line);
    std::string_view name = NextWord(line);
    TSkinSourceRecord r{sk2::TRecordKind::Text, std::string(name), std::string(line), lineNumber};
    if (kind == "bitmap") {
      r.Kind = sk2::TRecordKind::Bitmap;
    } else if (kind == "color" || kind == "integer") {
      r.Kind = sk2::TRecordKind::Integer;
    } else if (kind == "boolean") {
      r.Kind = sk2::TRecordKind::Boolean;
    } else if (kind != "text") {
      Fail(lineNumber, "unknown kind '" + std::string(kind) + "'");
    }
    if (name.empty() || name.size() >= sk2::kNameSize) {
      Fail(lineNumber, "a name of 1 to 63 characters is needed");
    }
    if (r.Kind != sk2::TRecordKind::Text && r.Value.empty()) Fail(lineNumber, "value missing");
    records.push_back(std::move(r));
  }
  return records;
}

std::vector<std::uint8_t> CompileSkinDescription(const std::vector<TSkinSourceRecord>& ARecords,
                                                 const std::filesystem::path& ABitmapFolder) {
  TSk2DescriptionWriter writer;
  for (const TSkinSourceRecord& r : ARecords) {
    switch (r.Kind) {
      case sk2::TRecordKind::Bitmap: {
        std::vector<std::uint8_t> bytes;
        const std::filesystem::path file = ABitmapFolder / r.Value;
        if (!ReadWholeFile(file, 64u << 20, bytes)) Fail(r.Line, "cannot read " + file.string());
        TBitmap check;
        if (LoadBmp(bytes, check) != TBmpResult::Ok) {
          Fail(r.Line, file.string() + " is not a BMP file this reader loads");
        }
        writer.AddBitmap(r.Name, bytes);
        break;
      }
      case sk2::TRecordKind::Integer:
        writer.AddInteger(r.Name, ParseNumber(r));
        break;
      case sk2::TRecordKind::Boolean:
        if (r.Value == "true" || r.Value == "false") {
          writer.AddBool(r.Name, r.Value == "true");
        } else {
          writer.AddBool(r.Name, ParseNumber(r) != 0);
        }
        break;
      case sk2::TRecordKind::Text:
        writer.AddText(r.Name, r.Value);
        break;
    }
  }
  return writer.Finish();
}

}  // namespace skin
