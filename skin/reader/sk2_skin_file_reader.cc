#include "skin/reader/sk2_skin_file_reader.h"

#include <algorithm>
#include <set>

#include "base/ascii.h"
#include "base/little_endian.h"
#include "platform/temp_file.h"
#include "skin/archive/file_stream.h"
#include "skin/archive/unzip_skin_entry.h"
#include "skin/bitmap/bmp_codec.h"

namespace skin {
namespace {

[[noreturn]] void Fail() {
  throw ESkinReadError(kFailedToReadSkinFile);
}

// The bytes [AOffset, AOffset + ASize) of AData; fails when they lie outside.
std::span<const std::uint8_t> Slice(std::span<const std::uint8_t> AData, std::int64_t AOffset,
                                    std::int64_t ASize) {
  if (AOffset < 0 || ASize < 0 || static_cast<std::uint64_t>(AOffset) > AData.size() ||
      static_cast<std::uint64_t>(ASize) > AData.size() - static_cast<std::uint64_t>(AOffset)) {
    Fail();
  }
  return AData.subspan(static_cast<std::size_t>(AOffset), static_cast<std::size_t>(ASize));
}

std::int32_t Int32At(const std::uint8_t* p) {
  return static_cast<std::int32_t>(base::LoadLe32(p));
}

}  // namespace

bool TNameLess::operator()(std::string_view A, std::string_view B) const {
  return base::LessIgnoringAsciiCase(A, B);
}

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::filesystem::path& AFileName,
                                       std::string_view APassword) {
  std::filesystem::path temp;
  try {
    temp = platform::CreateGuidTempFile("");
  } catch (const std::exception&) {
    Fail();
  }
  platform::TTempFileRemover remover(temp);
  switch (UnzipSkinEntry(AFileName, sk2::kEntryName, temp, APassword, kMaxDescriptionSize)) {
    case TUnzipResult::Extracted:
      break;
    case TUnzipResult::WrongPasswordOrSize:
      throw ESkinReadError(kWrongPassword);
    default:
      Fail();
  }
  std::vector<std::uint8_t> description;
  if (!ReadWholeFile(temp, kMaxDescriptionSize, description)) Fail();
  Load(description);
}

std::unique_ptr<Tsk2SkinFileReader> Tsk2SkinFileReader::FromDescription(
    std::span<const std::uint8_t> ADescription) {
  std::unique_ptr<Tsk2SkinFileReader> reader(new Tsk2SkinFileReader());
  reader->Load(ADescription);
  return reader;
}

void Tsk2SkinFileReader::Load(std::span<const std::uint8_t> AData) {
  // Header: only its size and the first record offset matter; the magic
  // and the version are not checked.
  std::span<const std::uint8_t> header = Slice(AData, 0, 16);
  if (Int32At(header.data() + 12) != sk2::kHeaderSize) Fail();
  header = Slice(AData, 0, sk2::kHeaderSize);
  std::int64_t recordOffset = Int32At(header.data() + 20);

  // Every record header is visited once; coming back to one means a loop.
  std::set<std::int64_t> visited;
  for (;;) {
    if (!visited.insert(recordOffset).second) Fail();
    const std::uint8_t* r = Slice(AData, recordOffset, sk2::kRecordHeaderSize).data();
    const std::int64_t next = Int32At(r + sk2::kNextOffsetOffset);
    if (next == 0) break;
    const char* nameBytes = reinterpret_cast<const char*>(r);
    std::string name(nameBytes, std::find(nameBytes, nameBytes + sk2::kNameSize, '\0'));
    const auto kind = static_cast<sk2::TRecordKind>(r[sk2::kKindOffset]);
    const std::int64_t valueOffset = Int32At(r + sk2::kValueOffsetOffset);
    const std::int64_t valueSize = Int32At(r + sk2::kValueSizeOffset);
    bool known = true;
    switch (kind) {
      case sk2::TRecordKind::Bitmap: {
        auto bitmap = std::make_unique<TBitmap>();
        if (LoadBmp(Slice(AData, valueOffset, valueSize), *bitmap) != TBmpResult::Ok) Fail();
        m_BitmapList.emplace(name, std::move(bitmap));
        break;
      }
      case sk2::TRecordKind::Integer:
        m_IntegerList.emplace(name, Int32At(Slice(AData, valueOffset, 4).data()));
        break;
      case sk2::TRecordKind::Boolean:
        m_BooleanList.emplace(name, Slice(AData, valueOffset, 1)[0] != 0);
        break;
      case sk2::TRecordKind::Text: {
        auto text = Slice(AData, valueOffset, valueSize);
        std::string value(text.begin(), text.end());
        value.erase(std::find(value.begin(), value.end(), '\0'), value.end());
        m_StrList.emplace(name, std::move(value));
        break;
      }
      default:
        known = false;
        break;  // other kinds are skipped
    }
    if (known) m_Records.push_back({std::move(name), kind});
    recordOffset = next;
  }
}

TBitmap* Tsk2SkinFileReader::GetBitmap(std::string_view AKey) const {
  auto it = m_BitmapList.find(AKey);
  return it == m_BitmapList.end() ? nullptr : it->second.get();
}

std::int32_t Tsk2SkinFileReader::GetInteger(std::string_view AKey) const {
  auto it = m_IntegerList.find(AKey);
  return it == m_IntegerList.end() ? -1 : it->second;
}

bool Tsk2SkinFileReader::GetBool(std::string_view AKey) const {
  auto it = m_BooleanList.find(AKey);
  return it != m_BooleanList.end() && it->second;
}

std::string Tsk2SkinFileReader::GetStr(std::string_view AKey) const {
  auto it = m_StrList.find(AKey);
  return it == m_StrList.end() ? std::string() : it->second;
}

void Tsk2SkinFileReader::SetBitmap(std::string_view AKey, const TBitmap& ABitmap) {
  auto it = m_BitmapList.find(AKey);
  if (it != m_BitmapList.end()) *it->second = ABitmap;
}

void Tsk2SkinFileReader::SetBool(std::string_view AKey, bool AValue) {
  auto it = m_BooleanList.find(AKey);
  if (it != m_BooleanList.end()) {
    it->second = AValue;
  } else {
    m_BooleanList.emplace(std::string(AKey), AValue);
  }
}

void Tsk2SkinFileReader::SetInteger(std::string_view AKey, std::int32_t AValue) {
  auto it = m_IntegerList.find(AKey);
  if (it != m_IntegerList.end()) {
    it->second = AValue;
  } else {
    m_IntegerList.emplace(std::string(AKey), AValue);
  }
}

void Tsk2SkinFileReader::ProcessTransparentColor(TColor ATransColor) {
  for (auto& [name, bitmap] : m_BitmapList) bitmap->SetTransparent(true, ATransColor);
}

}  // namespace skin
