// Extraction from archives made by Info-ZIP's zip, their local headers
// patched to "SK", and from damaged archives.
#include "skin/archive/unzip_skin_entry.h"

#include <gtest/gtest.h>

#include "skin/archive/zip_format.h"
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
    {"ArchiveComment", "comment.zip", true, 0, "SKINDATA.SK2", "", kFail},
    {"PkSignature", "plain.zip", false, 0, "SKINDATA.SK2", "", kFail},
    {"MissingEntry", "plain.zip", true, 0, "OTHER.SK2", "", kFail},
    {"EmptyEntry", "empty.zip", true, 0, "SKINDATA.SK2", "", kFail},
    {"RecordedSizeLarger", "plain.zip", true, 1, "SKINDATA.SK2", "", kWrong},
    {"RecordedSizeSmaller", "plain.zip", true, -1, "SKINDATA.SK2", "", kWrong},
};

INSTANTIATE_TEST_SUITE_P(InfoZip, UnzipZipFixtureTest, ::testing::ValuesIn(kZipCases),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST(UnzipSkinEntryTest, MissingArchiveGivesReadFailure) {
  TScratchDir dir;
  EXPECT_EQ(UnzipSkinEntry(dir / "none.zsk", "SKINDATA.SK2", dir / "out", ""),
            TUnzipResult::ReadFailure);
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

}  // namespace
}  // namespace skin::test
