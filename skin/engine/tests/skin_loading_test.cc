// Where skin files are looked for and how skin bytes reach a temporary file.
#include <gtest/gtest.h>

#include <set>

#include "skin/archive/file_stream.h"
#include "skin/engine/skin_loading.h"

namespace skin {
namespace {

namespace fs = std::filesystem;

TEST(FindSkinFile, GivenNameThenProgramWindowsSystemFolders) {
  const fs::path folders[] = {"/prog", "/win", "/sys"};
  struct TCase {
    std::set<fs::path> Present;
    std::string Name;
    std::optional<fs::path> Expected;
  };
  const TCase cases[] = {
      {{"/build/a.zsk", "/prog/a.zsk"}, "/build/a.zsk", fs::path("/build/a.zsk")},
      {{"/prog/a.zsk", "/win/a.zsk", "/sys/a.zsk"}, "/build/a.zsk", fs::path("/prog/a.zsk")},
      {{"/win/a.zsk", "/sys/a.zsk"}, "/build/a.zsk", fs::path("/win/a.zsk")},
      {{"/sys/a.zsk"}, "/build/a.zsk", fs::path("/sys/a.zsk")},
      {{"/prog/b.zsk"}, "/build/a.zsk", std::nullopt},
      {{"/prog/a.zsk"}, "", std::nullopt},
      {{"/prog/a.zsk"}, "a.zsk", fs::path("/prog/a.zsk")},
  };
  for (const TCase& c : cases) {
    std::vector<fs::path> asked;
    auto exists = [&](const fs::path& p) {
      asked.push_back(p);
      return c.Present.count(p) > 0;
    };
    EXPECT_EQ(FindSkinFile(c.Name, folders, exists), c.Expected) << c.Name;
  }
  // The order of the questions.
  std::vector<fs::path> asked;
  FindSkinFile("/build/x.zsk", folders, [&](const fs::path& p) {
    asked.push_back(p);
    return false;
  });
  const std::vector<fs::path> order = {"/build/x.zsk", "/prog/x.zsk", "/win/x.zsk", "/sys/x.zsk"};
  EXPECT_EQ(asked, order);
}

TEST(UniqueFileName, CountsBeforeTheExtension) {
  std::set<fs::path> present = {"/t/{G}.zsk", "/t/{G}1.zsk"};
  auto exists = [&](const fs::path& p) { return present.count(p) > 0; };
  EXPECT_EQ(UniqueFileName("/t", "{G}", ".zsk", exists), fs::path("/t/{G}2.zsk"));
  EXPECT_EQ(UniqueFileName("/t", "{H}", ".zsk", exists), fs::path("/t/{H}.zsk"));
}

TEST(SaveSkinDataToTemp, RetriesUnderNewNamesAndGivesUp) {
  const std::uint8_t bytes[] = {'P', 'K', 3, 4};
  int guid = 0;
  auto newBase = [&] { return "{G" + std::to_string(++guid) + "}"; };
  auto none = [](const fs::path&) { return false; };
  std::vector<fs::path> tried;
  int failures = 2;
  auto write = [&](const fs::path& p, std::span<const std::uint8_t> d) {
    tried.push_back(p);
    EXPECT_EQ(d.size(), 4u);
    return failures-- <= 0;
  };
  auto path = SaveSkinDataToTemp(bytes, "/t", newBase, none, write);
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, fs::path("/t/{G3}.zsk"));
  EXPECT_EQ(tried.size(), 3u);

  tried.clear();
  auto never = [&](const fs::path& p, std::span<const std::uint8_t>) {
    tried.push_back(p);
    return false;
  };
  EXPECT_FALSE(SaveSkinDataToTemp(bytes, "/t", newBase, none, never));
  EXPECT_EQ(tried.size(), static_cast<size_t>(kSkinDataSaveAttempts));
}

TEST(SaveSkinDataToTemp, RealFolderWritesTheBytes) {
  fs::path dir = fs::temp_directory_path() / "skin_loading_test";
  fs::create_directories(dir);
  const std::uint8_t bytes[] = {1, 2, 3};
  auto path = SaveSkinDataToTemp(
      bytes, dir, [] { return std::string("{X}"); }, FileExists, WriteWholeFile);
  ASSERT_TRUE(path);
  EXPECT_EQ(fs::file_size(*path), 3u);
  // A second save of the same name counts on.
  auto second = SaveSkinDataToTemp(
      bytes, dir, [] { return std::string("{X}"); }, FileExists, WriteWholeFile);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->filename(), "{X}1.zsk");
  // A folder that does not exist: every attempt fails, nothing is left.
  EXPECT_FALSE(SaveSkinDataToTemp(
      bytes, dir / "missing", [] { return std::string("{Y}"); }, FileExists, WriteWholeFile));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace skin
