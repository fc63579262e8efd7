// Extraction from archives made by Info-ZIP's zip, their local headers
// patched to "SK", and from damaged archives.
#include "skin/archive/unzip_skin_entry.h"

#include <gtest/gtest.h>

#include <functional>

#include "skin/archive/pkware_cipher.h"
#include "skin/archive/zip_format.h"
#include "skin/compiler/skin_archive_writer.h"
#include "skin/tests/test_files.h"

namespace skin::test {
namespace {

std::vector<std::uint8_t> Fixture(const std::string& AName) {
  return ReadFileBytes(FixtureDir("zip-fixtures") / AName);
}

// Turns every local header signature named by the central directory into
// "SK" 03 04.
std::vector<std::uint8_t> PatchedToSkin(std::vector<std::uint8_t> AZip) {
  const std::uint8_t* end = AZip.data() + AZip.size() - zip::kEndRecordSize;
  std::size_t pos = zip::Get32(end + 16);
  while (pos + zip::kCentralEntrySize <= AZip.size() &&
         zip::Get32(&AZip[pos]) == zip::kCentralSignature) {
    std::size_t local = zip::Get32(&AZip[pos + 42]);
    AZip[local] = 'S';
    pos += zip::kCentralEntrySize + zip::Get16(&AZip[pos + 28]) + zip::Get16(&AZip[pos + 30]) +
           zip::Get16(&AZip[pos + 32]);
  }
  return AZip;
}

// Adds ADelta to the uncompressed size recorded in the (only) central entry.
std::vector<std::uint8_t> WithRecordedSizeChanged(std::vector<std::uint8_t> AZip, int ADelta) {
  std::size_t cd = zip::Get32(&AZip[AZip.size() - zip::kEndRecordSize + 16]);
  std::uint32_t size = zip::Get32(&AZip[cd + 24]) + ADelta;
  for (int i = 0; i < 4; ++i) AZip[cd + 24 + i] = static_cast<std::uint8_t>(size >> (8 * i));
  return AZip;
}

struct TZipCase {
  const char* Name;
  const char* Archive;
  bool Patch;
  int SizeDelta;
  const char* Entry;
  const char* Password;
  TUnzipResult Expected;
};

class UnzipZipFixtureTest : public ::testing::TestWithParam<TZipCase> {};

TEST_P(UnzipZipFixtureTest, GivesTheExpectedResult) {
  const TZipCase& c = GetParam();
  TScratchDir dir;
  auto bytes = Fixture(c.Archive);
  if (c.Patch) bytes = PatchedToSkin(bytes);
  if (c.SizeDelta) bytes = WithRecordedSizeChanged(bytes, c.SizeDelta);
  WriteFileBytes(dir / "skin.zsk", bytes);
  // A stale output file is replaced, or deleted on failure.
  WriteFileBytes(dir / "out", {'o', 'l', 'd'});

  TUnzipResult r = UnzipSkinEntry(dir / "skin.zsk", c.Entry, dir / "out", c.Password);
  EXPECT_EQ(static_cast<int>(r), static_cast<int>(c.Expected));
  if (c.Expected == TUnzipResult::Extracted) {
    EXPECT_TRUE(ReadFileBytes(dir / "out") == Fixture("content.bin"));
  } else {
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
  }
}

constexpr auto kOk = TUnzipResult::Extracted;
constexpr auto kFail = TUnzipResult::ReadFailure;
constexpr auto kWrong = TUnzipResult::WrongPasswordOrSize;

const TZipCase kZipCases[] = {
    {"Plain", "plain.zip", true, 0, "SKINDATA.SK2", "", kOk},
    {"PlainIgnoresPassword", "plain.zip", true, 0, "SKINDATA.SK2", "secret", kOk},
    {"NameCaseInsensitive", "plain.zip", true, 0, "skindata.sk2", "", kOk},
    {"LowerCaseEntryName", "lower.zip", true, 0, "SKINDATA.SK2", "", kOk},
    {"Password", "password.zip", true, 0, "SKINDATA.SK2", "secret", kOk},
    {"WrongPassword", "password.zip", true, 0, "SKINDATA.SK2", "secreT", kWrong},
    {"EmptyPassword", "password.zip", true, 0, "SKINDATA.SK2", "", kWrong},
    {"StreamedPassword", "streamed.zip", true, 0, "SKINDATA.SK2", "secret", kOk},
    {"StreamedWrongPassword", "streamed.zip", true, 0, "SKINDATA.SK2", "wrong", kWrong},
    // The keys take the low byte of each UTF-16 character of the password:
    // zip was given the Latin-1 bytes FC "berall" and AC "uro".
    {"PasswordLatinLetter", "latin1.zip", true, 0, "SKINDATA.SK2",
     "\xC3\xBC"
     "berall",
     kOk},
    {"PasswordLowByteOfEuro", "euro.zip", true, 0, "SKINDATA.SK2",
     "\xE2\x82\xAC"
     "uro",
     kOk},
    {"PasswordMalformedUtf8IsWrong", "latin1.zip", true, 0, "SKINDATA.SK2",
     "\xC3"
     "berall",
     kWrong},
    {"ArchiveComment", "comment.zip", true, 0, "SKINDATA.SK2", "", kFail},
    {"PkSignature", "plain.zip", false, 0, "SKINDATA.SK2", "", kFail},
    {"MissingEntry", "plain.zip", true, 0, "OTHER.SK2", "", kFail},
    {"EmptyEntry", "empty.zip", true, 0, "SKINDATA.SK2", "", kFail},
    {"RecordedSizeLarger", "plain.zip", true, 1, "SKINDATA.SK2", "", kWrong},
    {"RecordedSizeSmaller", "plain.zip", true, -1, "SKINDATA.SK2", "", kWrong},
};

INSTANTIATE_TEST_SUITE_P(InfoZip, UnzipZipFixtureTest, ::testing::ValuesIn(kZipCases),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

// The keys see the low byte of each UTF-16 character: passwords whose
// characters share their low bytes encrypt alike, whatever their UTF-8 form.
TEST(PkwareCipherTest, KeysTakeTheLowByteOfEachUtf16Character) {
  struct TCase {
    std::string_view Password, SameLowBytes;
  } const cases[] = {
      {"\xD0\xB0", "0"},                                         // U+0430: 30
      {"\xD0\x81\xE4\xB8\x81", "\x01\x01"},                      // U+0401, U+4E01: 01 01
      {"\xF0\x9F\x98\x80", std::string_view("=\0", 2)},          // U+1F600 as D83D DE00
      {"\xC3", "\xEF\xBF\xBD"},                                  // a lone lead byte is U+FFFD
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong: one U+FFFD per byte
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // an encoded surrogate
  };
  for (const TCase& c : cases) {
    std::vector<std::uint8_t> a(64, 0x5A), b = a;
    TPkwareCipher(c.Password).Encrypt(a.data(), a.size());
    TPkwareCipher(c.SameLowBytes).Encrypt(b.data(), b.size());
    EXPECT_EQ(a, b) << c.Password;
    std::vector<std::uint8_t> other(64, 0x5A);
    TPkwareCipher("x").Encrypt(other.data(), other.size());
    EXPECT_NE(a, other) << c.Password;
  }
}

TEST(UnzipSkinEntryTest, MissingArchiveGivesReadFailure) {
  TScratchDir dir;
  EXPECT_EQ(UnzipSkinEntry(dir / "none.zsk", "SKINDATA.SK2", dir / "out", ""),
            TUnzipResult::ReadFailure);
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

void Set16(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  v[at] = static_cast<std::uint8_t>(x);
  v[at + 1] = static_cast<std::uint8_t>(x >> 8);
}
void Set32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  Set16(v, at, x & 0xFFFF);
  Set16(v, at + 2, x >> 16);
}

// Damage to archives from our own writer, in memory: every case ends in a
// result, never in a read outside the archive.
struct TDamagedArchive {
  const char* Name;
  std::function<void(std::vector<std::uint8_t>&, std::size_t ACentral)> Damage;
  TUnzipResult Expected;
};

class UnzipDamagedTest : public ::testing::TestWithParam<TDamagedArchive> {};

TEST_P(UnzipDamagedTest, GivesTheExpectedResult) {
  const std::string text(5000, 'q');
  auto a = WriteSkinArchive("SKINDATA.SK2",
                            {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  const std::size_t central = zip::Get32(&a[a.size() - zip::kEndRecordSize + 16]);
  GetParam().Damage(a, central);
  TMemoryInput input(a);
  TUnzipResult r = TUnzipResult::ReadFailure;
  std::vector<std::uint8_t> out;
  TVectorSink sink(out);
  if (auto entry = FindSkinEntry(input, "SKINDATA.SK2")) {
    r = ExtractSkinEntry(input, *entry, sink, "");
  }
  EXPECT_EQ(static_cast<int>(r), static_cast<int>(GetParam().Expected));
  if (r == TUnzipResult::Extracted) {
    EXPECT_EQ(std::string(out.begin(), out.end()), text);
  }
}

const TDamagedArchive kDamagedArchives[] = {
    {"Intact", [](auto&, std::size_t) {}, kOk},
    {"NameLongerThan259",
     [](auto& a, std::size_t c) {
       Set16(a, c + 28, 300);
       a.insert(a.begin() + c + 46 + 12, 288, 'x');
     },
     kFail},
    {"DirectoryOffsetBeyondFile", [](auto& a, std::size_t) { Set32(a, a.size() - 6, 0x7FFFFFFF); },
     kFail},
    {"DirectoryOffsetAtEndRecord",
     [](auto& a, std::size_t) {
       Set32(a, a.size() - 6, static_cast<std::uint32_t>(a.size() - 22));
     },
     kFail},
    {"LocalHeaderBeyondFile", [](auto& a, std::size_t c) { Set32(a, c + 42, 0xFFFFFF00); }, kFail},
    {"LocalHeaderSignedPK", [](auto& a, std::size_t) { a[0] = 'P', a[1] = 'K'; }, kFail},
    // Only the archive's first two bytes are looked at, not the rest of the
    // entry's local header signature.
    {"LocalSignatureNotChecked", [](auto& a, std::size_t) { a[2] = 0, a[3] = 0; }, kOk},
    {"LocalNameLengthBeyondFile", [](auto& a, std::size_t) { Set16(a, 26, 0xFFFF); }, kFail},
    {"CentralSignatureWrong", [](auto& a, std::size_t c) { a[c] = 'X'; }, kFail},
    {"ReservedBlockType", [](auto& a, std::size_t) { a[42] = 0x07; }, kFail},
    {"DataCutShort",
     [](auto& a, std::size_t c) {
       a.erase(a.begin() + 44, a.begin() + static_cast<std::ptrdiff_t>(c) - 2);
       Set32(a, a.size() - 6, static_cast<std::uint32_t>(c - (c - 2 - 44)));
     },
     kFail},
    {"CrcWrong", [](auto& a, std::size_t c) { a[c + 16] ^= 1; }, kFail},
    {"RecordedSizeSmaller", [](auto& a, std::size_t c) { Set32(a, c + 24, 100); }, kWrong},
};

INSTANTIATE_TEST_SUITE_P(Cases, UnzipDamagedTest, ::testing::ValuesIn(kDamagedArchives),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST(UnzipSkinEntryTest, EntryInflatingToNothingIsAReadFailure) {
  TScratchDir dir;
  WriteFileBytes(dir / "empty.zsk", WriteSkinArchive("SKINDATA.SK2", {}));
  EXPECT_EQ(UnzipSkinEntry(dir / "empty.zsk", "SKINDATA.SK2", dir / "out", ""),
            TUnzipResult::ReadFailure);
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

}  // namespace
}  // namespace skin::test
