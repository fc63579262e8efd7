// The server section against stored registry values, the default folder
// rule, saving, and the failures a caller must see.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "config/config_error.h"
#include "config/reg.h"
#include "config/tests/scratch_registry.h"

namespace config_test {
namespace {

using platform::kRegBinary;
using platform::kRegExpandSz;
using platform::kRegQword;
using platform::kRegSz;

class ServerTest : public ScratchRegistry {};

const std::string kAllUsers = JoinPath({"", "srv", "allusers"});

std::string DefaultBelow(const std::string& ABase) {
  return ABase + platform::kPathDelimiter + JoinPath({"Tarnwick", "Quillhaven", "ClientConfig"});
}

TEST_F(ServerTest, StoredValuesAgainstWhatLoadingYields) {
  struct TCase {
    const char* Name;
    std::function<void()> Stores;
    int32_t Port;
    std::string Dir;
  };
  const std::string fallback = DefaultBelow(kAllUsers);
  const TCase cases[] = {
      {"key missing", [] {}, 6666, fallback},
      {"Port as REG_SZ text", [] { Store("Port", Text(kRegSz, "7000")); }, 6666, fallback},
      {"Port REG_DWORD 0", [] { Store("Port", Dword(0)); }, 0, fallback},
      {"Port REG_DWORD 70000", [] { Store("Port", Dword(70000)); }, 70000, fallback},
      {"Port REG_DWORD all ones", [] { Store("Port", Dword(0xFFFFFFFF)); }, -1, fallback},
      {"Port REG_BINARY of 4 bytes",
       [] {
         Store("Port", {kRegBinary, Dword(7000).Data});
       },
       6666, fallback},
      {"Port REG_QWORD",
       [] {
         Store("Port", {kRegQword, std::string(8, '\x01')});
       },
       6666, fallback},
      {"ClientSettings as stored", [] { Store("ClientSettings", Text(kRegSz, "E:\\Clients ü")); },
       6666, "E:\\Clients ü"},
      {"ClientSettings empty", [] { Store("ClientSettings", Text(kRegSz, "")); }, 6666, fallback},
      {"ClientSettings no data at all",
       [] {
         Store("ClientSettings", {kRegSz, ""});
       },
       6666, fallback},
      {"ClientSettings REG_EXPAND_SZ",
       [] { Store("ClientSettings", Text(kRegExpandSz, "%SystemDrive%\\Clients")); }, 6666,
       fallback},
      {"ClientSettings REG_DWORD", [] { Store("ClientSettings", Dword(5)); }, 6666, fallback},
      {"ClientSettings with text after a NUL",
       [] { Store("ClientSettings", Text(kRegSz, std::string("D:\\a\0tail", 9))); }, 6666, "D:\\a"},
      {"value names in another letter case",
       [] {
         Store("PORT", Dword(7001));
         Store("clientsettings", Text(kRegSz, "F:\\x"));
       },
       7001, "F:\\x"},
  };
  SetFolderVariables(kAllUsers, "", "");
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    platform::TRegistry().DeleteKey(kServerKey);
    c.Stores();
    config::TReg reg;
    ASSERT_TRUE(reg.LoadFromReg());
    EXPECT_EQ(reg.Server().Port(), c.Port);
    EXPECT_EQ(reg.Server().ClientSettingsDir(), c.Dir);
  }
}

TEST_F(ServerTest, FirstLoadCreatesTheKeyWithoutValues) {
  platform::TRegistry probe(platform::TRegAccess::Read);
  ASSERT_FALSE(probe.KeyExists(kServerKey));
  config::TReg reg;
  EXPECT_EQ(reg.Server().Port(), 0);  // not loaded yet
  EXPECT_EQ(reg.Server().ClientSettingsDir(), "");
  ASSERT_TRUE(reg.LoadFromReg());
  ASSERT_TRUE(probe.OpenKey(kServerKey, false));
  EXPECT_TRUE(probe.ValueNames().empty());
}

TEST_F(ServerTest, DefaultFolderFollowsTheEnvironment) {
  const std::string program_data = JoinPath({"", "srv", "programdata"});
  const std::string app_data = JoinPath({"", "home", "appdata"});
  // With none of the variables: beside the program on Windows; on Linux in
  // /var/lib, which plays the role of %ProgramData% there.
  const std::string none_set =
      platform::kPathDelimiter == '/'
          ? std::string("/var/lib/Tarnwick/Quillhaven/ClientConfig")
          : platform::ProgramFolder() + "Tarnwick\\Quillhaven\\ClientConfig";
  struct TCase {
    std::string AllUsers, ProgramData, AppData, Expected;
  };
  const TCase cases[] = {
      {kAllUsers, program_data, app_data, DefaultBelow(kAllUsers)},
      {"", program_data, app_data, DefaultBelow(program_data)},
      {"", "", app_data, DefaultBelow(app_data)},
      {kAllUsers + platform::kPathDelimiter, "", "", DefaultBelow(kAllUsers)},
      {"", "", "", none_set},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Expected);
    SetFolderVariables(c.AllUsers, c.ProgramData, c.AppData);
    EXPECT_EQ(config::DefaultClientSettingsDir(), c.Expected);
    config::TReg reg;
    ASSERT_TRUE(reg.LoadFromReg());
    EXPECT_EQ(reg.Server().ClientSettingsDir(), c.Expected);
  }
}

TEST_F(ServerTest, SaveWritesBothValuesAndTheyLoadBack) {
  SetFolderVariables(kAllUsers, "", "");
  {
    config::TReg reg;
    ASSERT_TRUE(reg.LoadFromReg());
    reg.SaveToReg();  // the computed default becomes a stored value
  }
  std::optional<platform::TRegValue> port = Stored("Port");
  std::optional<platform::TRegValue> dir = Stored("ClientSettings");
  ASSERT_TRUE(port && dir);
  EXPECT_EQ(port->Kind, platform::kRegDword);
  EXPECT_EQ(port->Data, Dword(6666).Data);
  EXPECT_EQ(dir->Kind, platform::kRegSz);
  EXPECT_EQ(dir->Data, Text(kRegSz, DefaultBelow(kAllUsers)).Data);

  config::TReg writer;
  ASSERT_TRUE(writer.LoadFromReg());
  writer.Server().SetPort(7000);
  writer.Server().SaveSettings();  // writes the port and, unchanged, the folder
  writer.Server().SetClientSettingsDir("G:\\Ablage für Clients");
  writer.Server().SaveSettings();
  EXPECT_EQ(Stored("Port")->Data, Dword(7000).Data);

  config::TReg reader;
  ASSERT_TRUE(reader.LoadFromReg());
  EXPECT_EQ(reader.Server().Port(), 7000);
  EXPECT_EQ(reader.Server().ClientSettingsDir(), "G:\\Ablage für Clients");
}

TEST_F(ServerTest, ConfigRegLivesForItsScope) {
  EXPECT_EQ(config::ConfigReg, nullptr);
  {
    config::TConfigRegScope scope;
    ASSERT_NE(config::ConfigReg, nullptr);
    ASSERT_TRUE(config::ConfigReg->LoadFromReg());
    EXPECT_EQ(config::ConfigReg->Server().Port(), 6666);
  }
  EXPECT_EQ(config::ConfigReg, nullptr);
}

// The stand-in store can be made unwritable even for root: a plain file
// where a key's folder must go.
TEST_F(ServerTest, UnwritableStoreFailsTheLoadAndSkipsTheSave) {
  if (!FStandIn) GTEST_SKIP() << "needs the file-backed store";
  std::filesystem::create_directories(FRoot / "HKEY_LOCAL_MACHINE");
  std::ofstream(FRoot / "HKEY_LOCAL_MACHINE" / "Software") << "not a folder";
  config::TReg reg;
  EXPECT_FALSE(reg.LoadFromReg());
  EXPECT_EQ(reg.Server().Port(), 0);
  EXPECT_EQ(reg.Server().ClientSettingsDir(), "");
  reg.Server().SetPort(7000);
  EXPECT_NO_THROW(reg.SaveToReg());
  EXPECT_TRUE(std::filesystem::is_regular_file(FRoot / "HKEY_LOCAL_MACHINE" / "Software"));
}

TEST_F(ServerTest, UnwritableStoreRootFailsTheLoad) {
  if (!FStandIn) GTEST_SKIP() << "needs the file-backed store";
  std::ofstream(FRoot) << "not a folder";
  config::TReg reg;
  EXPECT_FALSE(reg.LoadFromReg());
  EXPECT_EQ(reg.Server().Port(), 0);
}

TEST_F(ServerTest, RefusedWriteRaisesTheTextNamingTheValue) {
  if (!FStandIn) GTEST_SKIP() << "needs the file-backed store";
  config::TReg reg;
  ASSERT_TRUE(reg.LoadFromReg());
  // The key opens, but its values file cannot be replaced.
  std::filesystem::path key =
      FRoot / "HKEY_LOCAL_MACHINE" / "Software" / "Tarnwick" / "Quillory" / "Server" / "Service";
  std::filesystem::create_directories(key / ".values.tmp");
  try {
    reg.SaveToReg();
    FAIL() << "no error raised";
  } catch (const config::EConfigError& e) {
    EXPECT_STREQ(e.what(), "Fehler beim Setzen der Daten für 'Port'");
  }
  EXPECT_FALSE(Stored("Port"));
}

// A section of its own to reach TRoot's typed reads and writes.
class TFlags : public config::TRoot {
 public:
  explicit TFlags(platform::TRegistry& ARegistry) : TRoot(ARegistry) { FEntry_Path = kServerKey; }
  bool Enabled = false, Missing = false;
  int32_t Number = 0;
  bool SaveEnabled = true;

 protected:
  void LoadContent() override {
    Enabled = ReadBool("Enabled", false);
    Missing = ReadBool("Missing", true);
    Number = ReadInteger("Number", -5);
  }
  void SaveContent() override { WriteBool("Enabled", SaveEnabled); }
};

TEST_F(ServerTest, BooleansAndIntegerReadErrors) {
  platform::TRegistry registry;
  TFlags flags(registry);
  Store("Enabled", Dword(2));
  ASSERT_TRUE(flags.LoadSettings());
  EXPECT_TRUE(flags.Enabled);
  EXPECT_TRUE(flags.Missing);
  EXPECT_EQ(flags.Number, -5);

  flags.SaveEnabled = false;
  flags.SaveSettings();
  EXPECT_EQ(Stored("Enabled")->Data, Dword(0).Data);
  flags.SaveEnabled = true;
  flags.SaveSettings();
  EXPECT_EQ(Stored("Enabled")->Data, Dword(1).Data);

  Store("Enabled", Text(kRegSz, "1"));                 // another kind: the default
  Store("Number", {platform::kRegDword, "\x01\x02"});  // a REG_DWORD that cannot be read
  try {
    flags.LoadSettings();
    FAIL() << "no error raised";
  } catch (const config::EConfigError& e) {
    EXPECT_STREQ(e.what(), "Fehler beim Holen der Daten für 'Number'");
  }
  EXPECT_FALSE(flags.Enabled);
  EXPECT_FALSE(registry.HasCurrentKey());  // closed although the content raised
}

}  // namespace
}  // namespace config_test
