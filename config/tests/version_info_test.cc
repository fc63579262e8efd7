#include "config/version_info.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "config/tests/version_resource_builder.h"

namespace config {
namespace {

using testing::TVersionResourceBuilder;

// A resource like the Configurator's: the string entry says 2.0.0.56 while
// the fixed part carries other numbers, so the selectors show their source.
std::vector<uint8_t> Fixture() {
  return TVersionResourceBuilder()
      .FileVersion(2, 0, 0, 55)
      .ProductVersion(2, 1, 3, 4)
      .Table("040704B0", {{"CompanyName", "Tarnwick"},
                          {"fileversion", "2.0.0.56"},
                          {"FileDescription", "Konfigurator"},
                          {"ProductVersion", "2.0"}})
      .Table("040904B0", {{"ProductName", "from the second table"}})
      .Build();
}

TEST(VersionInfo, SelectorsReadTheirSource) {
  const std::vector<uint8_t> bytes = Fixture();
  TVersionInfo info;
  ASSERT_EQ(ParseVersionInfo(bytes.data(), bytes.size(), info), TVersionParse::Ok);
  const struct {
    uint8_t Selector;
    const char* Value;
  } cases[] = {
      {0, "2.0.0.56"},      // name matched without regard to case
      {1, "Konfigurator"},  //
      {2, ""},              // only in the second table: missing
      {3, "2.0"},           //
      {4, "2.0.0.55"},      // the fixed part, not the string entry
      {5, "2.1.3.4"},       //
      {6, ""},              // unknown selectors
      {255, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VersionValue(info, c.Selector), c.Value) << "selector " << int{c.Selector};
  }
}

TEST(VersionInfo, ResourceWithoutStringTableStillHasFixedVersions) {
  const std::vector<uint8_t> bytes = TVersionResourceBuilder().FileVersion(2, 0, 0, 56).Build();
  TVersionInfo info;
  ASSERT_EQ(ParseVersionInfo(bytes.data(), bytes.size(), info), TVersionParse::Ok);
  EXPECT_EQ(VersionValue(info, 4), "2.0.0.56");
  EXPECT_EQ(VersionValue(info, 0), "");
}

TEST(VersionInfo, DamagedResourcesAreReported) {
  const std::vector<uint8_t> good = Fixture();
  TVersionInfo info;

  const std::vector<uint8_t> wrong_signature = TVersionResourceBuilder().Signature(0x1234).Build();
  EXPECT_EQ(ParseVersionInfo(wrong_signature.data(), wrong_signature.size(), info),
            TVersionParse::BadSignature);

  std::vector<uint8_t> wrong_key = good;
  wrong_key[6] = 'X';  // first letter of "VS_VERSION_INFO"
  EXPECT_EQ(ParseVersionInfo(wrong_key.data(), wrong_key.size(), info),
            TVersionParse::NotVersionInfo);

  std::vector<uint8_t> short_fixed = good;
  short_fixed[2] = 40;  // value length below the fixed part's 52 bytes
  EXPECT_EQ(ParseVersionInfo(short_fixed.data(), short_fixed.size(), info),
            TVersionParse::NoFixedPart);

  // Every cut of the resource is reported, none is read past its end.
  for (size_t size = 0; size < good.size(); ++size) {
    const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(size));
    EXPECT_NE(ParseVersionInfo(cut.data(), cut.size(), info), TVersionParse::Ok) << size;
  }

  // A string entry whose length reaches beyond its table. The first entry
  // starts at 152: root header and key (40), fixed part (52),
  // "StringFileInfo" header and key (36), table header and key (24).
  std::vector<uint8_t> long_entry = good;
  long_entry[152] = 0xF0;
  long_entry[153] = 0x7F;
  EXPECT_EQ(ParseVersionInfo(long_entry.data(), long_entry.size(), info), TVersionParse::Truncated);
}

TEST(FileVersionValue, MissingFileAndFileWithoutResourceRaiseTheirErrors) {
  try {
    FileVersionValue("no-such-file.exe", 0);
    FAIL() << "no error";
  } catch (const EVersionInfoError& e) {
    EXPECT_STREQ(e.what(), "The file no-such-file.exe does not exist");
  }

  const std::filesystem::path plain = std::filesystem::temp_directory_path() / "plain.txt";
  std::ofstream(plain) << "no resource in here";
  try {
    FileVersionValue(plain.string(), 0);
    FAIL() << "no error";
  } catch (const EVersionInfoError& e) {
    EXPECT_STREQ(e.what(), "File contains no version information");
  }
  std::filesystem::remove(plain);
}

}  // namespace
}  // namespace config
