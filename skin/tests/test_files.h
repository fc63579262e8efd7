// Files for skin tests: a scratch directory per test and the fixtures made
// at build time.
#ifndef QUILLORY_SKIN_TESTS_TEST_FILES_H_
#define QUILLORY_SKIN_TESTS_TEST_FILES_H_

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/archive/file_stream.h"

namespace skin::test {

// A fresh directory below the temporary folder, removed with its contents.
class TScratchDir {
 public:
  TScratchDir() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    FPath = std::filesystem::temp_directory_path() /
            ("quillory-skin-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(FPath);
  }
  ~TScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  const std::filesystem::path& Path() const { return FPath; }
  std::filesystem::path operator/(const std::string& AName) const { return FPath / AName; }

 private:
  std::filesystem::path FPath;
};

inline std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& APath) {
  std::vector<std::uint8_t> data;
  EXPECT_TRUE(ReadWholeFile(APath, 1u << 30, data)) << APath.string();
  return data;
}

inline void WriteFileBytes(const std::filesystem::path& APath,
                           const std::vector<std::uint8_t>& AData) {
  ASSERT_TRUE(WriteWholeFile(APath, AData)) << APath.string();
}

// Where the build put the generated fixtures (tests run in the build folder
// of skin/).
inline std::filesystem::path FixtureDir(const char* AName) {
  return AName;
}

}  // namespace skin::test

#endif  // QUILLORY_SKIN_TESTS_TEST_FILES_H_
