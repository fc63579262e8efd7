// The registry seam: the behaviour the settings code and quillory-reg rely
// on, on the file-backed store and on the system registry alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <thread>
#include <vector>

#include "config/tests/scratch_registry.h"

namespace config_test {
namespace {

using platform::TRegAccess;
using platform::TRegDataType;
using platform::TRegistry;

class RegistryTest : public ScratchRegistry {};

TEST_F(RegistryTest, KeysAndValuesIgnoreLetterCase) {
  TRegistry writer;
  ASSERT_TRUE(writer.OpenKey(kServerKey, true)) << writer.LastError();
  ASSERT_TRUE(writer.WriteInteger("Port", 7000));
  ASSERT_TRUE(writer.WriteInteger("PORT", 7001));  // the same value
  TRegistry reader(TRegAccess::Read);
  ASSERT_TRUE(reader.OpenKey("SOFTWARE\\tarnwick\\QUILLORY\\server\\service", false));
  EXPECT_EQ(reader.ValueNames(), std::vector<std::string>{"Port"});
  EXPECT_EQ(reader.ReadInteger("port"), 7001);
  ASSERT_TRUE(reader.OpenKey("Software\\Tarnwick\\Quillory\\Server", false));
  EXPECT_EQ(reader.KeyNames(), std::vector<std::string>{"Service"});
}

TEST_F(RegistryTest, KindsAndTextRoundTrip) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kServerKey, true));
  const std::vector<std::pair<std::string, platform::TRegValue>> values = {
      {"sz", Text(platform::kRegSz, "Grüße")},
      {"expand", Text(platform::kRegExpandSz, "%TEMP%\\x")},
      {"multi", {platform::kRegMultiSz, std::string("a\0b\0\0", 5)}},
      {"binary", {platform::kRegBinary, std::string("\0\xff\x10", 3)}},
      {"qword", {platform::kRegQword, std::string(8, '\x7f')}},
      {"none", {platform::kRegNone, ""}},
      {"", Text(platform::kRegSz, "default value")},
  };
  for (const auto& [name, value] : values) ASSERT_TRUE(registry.WriteValue(name, value)) << name;
  const TRegDataType kinds[] = {TRegDataType::rdString,  TRegDataType::rdExpandString,
                                TRegDataType::rdUnknown, TRegDataType::rdBinary,
                                TRegDataType::rdUnknown, TRegDataType::rdUnknown,
                                TRegDataType::rdString};
  for (std::size_t i = 0; i < values.size(); ++i) {
    SCOPED_TRACE(values[i].first);
    std::optional<platform::TRegValue> read = registry.ReadValue(values[i].first);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Kind, values[i].second.Kind);
    EXPECT_EQ(read->Data, values[i].second.Data);
    EXPECT_EQ(registry.GetDataType(values[i].first), kinds[i]);
  }
  EXPECT_EQ(registry.ReadString("sz"), "Grüße");
  EXPECT_EQ(registry.ReadString("binary"), "");
  EXPECT_FALSE(registry.ReadInteger("qword"));
  EXPECT_EQ(registry.GetDataType("absent"), TRegDataType::rdUnknown);
  EXPECT_FALSE(registry.ValueExists("absent"));

  ASSERT_TRUE(registry.DeleteValue("sz"));
  EXPECT_FALSE(registry.ValueExists("sz"));
  EXPECT_FALSE(registry.DeleteValue("sz"));
}

TEST_F(RegistryTest, ReadAccessNeitherCreatesNorWrites) {
  TRegistry reader(TRegAccess::Read);
  EXPECT_FALSE(reader.OpenKey(kServerKey, true));
  EXPECT_FALSE(reader.LastError().empty());
  Store("Port", Dword(1));
  ASSERT_TRUE(reader.OpenKey(kServerKey, false));
  EXPECT_FALSE(reader.WriteInteger("Port", 2));
  EXPECT_EQ(reader.ReadInteger("Port"), 1);
}

TEST_F(RegistryTest, DeleteKeyTakesTheWholeTree) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(std::string(kServerKey) + "\\Sub\\Deeper", true));
  ASSERT_TRUE(registry.WriteString("x", "y"));
  ASSERT_TRUE(registry.DeleteKey(kServerKey));
  EXPECT_FALSE(registry.KeyExists(kServerKey));
  EXPECT_TRUE(registry.KeyExists("Software\\Tarnwick\\Quillory\\Server"));
  EXPECT_FALSE(registry.DeleteKey(kServerKey));
  EXPECT_FALSE(registry.DeleteKey(""));
}

// Writers in separate objects (as in separate programs) lose nothing.
TEST_F(RegistryTest, ConcurrentWritersKeepEveryValue) {
  constexpr int kWriters = 4, kValues = 25;
  TRegistry().OpenKey(kServerKey, true);
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([w] {
      TRegistry registry;
      if (!registry.OpenKey(kServerKey, true)) return;
      for (int i = 0; i < kValues; ++i)
        registry.WriteInteger("v" + std::to_string(w) + "_" + std::to_string(i), i);
    });
  }
  for (std::thread& t : writers) t.join();
  TRegistry reader(TRegAccess::Read);
  ASSERT_TRUE(reader.OpenKey(kServerKey, false));
  EXPECT_EQ(reader.ValueNames().size(), std::size_t{kWriters * kValues});
  EXPECT_EQ(reader.ReadInteger("v3_24"), 24);
}

TEST_F(RegistryTest, StandInKeepsOddKeyNamesApartFromItsOwnFiles) {
  if (!FStandIn) GTEST_SKIP() << "file-backed store only";
  TRegistry registry;
  const std::vector<std::string> names = {".values", "a/b", "100%", "..", "."};
  for (const std::string& name : names) {
    ASSERT_TRUE(registry.OpenKey(std::string(kServerKey) + "\\" + name, true)) << name;
    ASSERT_TRUE(registry.WriteString("name", name));
  }
  ASSERT_TRUE(registry.OpenKey(kServerKey, false));
  std::vector<std::string> keys = registry.KeyNames();
  std::sort(keys.begin(), keys.end());
  std::vector<std::string> expected = names;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(keys, expected);
  EXPECT_TRUE(registry.ValueNames().empty());
  for (const std::string& name : names) {
    ASSERT_TRUE(registry.OpenKey(std::string(kServerKey) + "\\" + name, false));
    EXPECT_EQ(registry.ReadString("name"), name);
  }
}

TEST_F(RegistryTest, StandInRefusesToOverwriteADamagedValuesFile) {
  if (!FStandIn) GTEST_SKIP() << "file-backed store only";
  Store("Port", Dword(7000));
  std::filesystem::path file = FRoot / "HKEY_LOCAL_MACHINE" / "Software" / "Tarnwick" / "Quillory" /
                               "Server" / "Service" / ".values";
  std::filesystem::resize_file(file, std::filesystem::file_size(file) - 1);
  const auto size = std::filesystem::file_size(file);
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kServerKey, false));
  EXPECT_FALSE(registry.ValueExists("Port"));
  EXPECT_NE(registry.LastError().find("truncated"), std::string::npos) << registry.LastError();
  EXPECT_FALSE(registry.WriteInteger("Other", 1));
  EXPECT_EQ(std::filesystem::file_size(file), size);
  EXPECT_FALSE(std::filesystem::exists(file.parent_path() / ".values.tmp"));
}

}  // namespace
}  // namespace config_test
