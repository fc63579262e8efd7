#include "platform/file_system.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "base/ascii.h"
#include "platform/temp_name.h"

namespace platform {

namespace {

constexpr std::string_view kTempPrefix = ".~save-";
constexpr std::string_view kTempSuffix = ".tmp";

}  // namespace

bool IsTempFileName(std::string_view AName, TFileNameRules ARules) {
  if (AName.size() < kTempPrefix.size() + kTempSuffix.size()) return false;
  if (ARules == TFileNameRules::Windows) {
    return base::StartsWithIgnoringAsciiCase(AName, kTempPrefix) &&
           base::EndsWithIgnoringAsciiCase(AName, kTempSuffix);
  }
  return AName.starts_with(kTempPrefix) && AName.ends_with(kTempSuffix);
}

int RemoveLeftoverTempFiles(const std::string& AFolder) {
  namespace fs = std::filesystem;
  int removed = 0;
  std::error_code error;
  fs::directory_iterator it(fs::path(std::u8string(AFolder.begin(), AFolder.end())), error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::u8string name = it->path().filename().u8string();
    if (!IsTempFileName(std::string(name.begin(), name.end()), FileNameRules())) continue;
    std::error_code ignored;
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) continue;
    if (fs::remove(it->path(), ignored)) ++removed;
  }
  return removed;
}

std::string NextTempFileName() {
  static std::atomic<uint64_t> next{[] {
    std::random_device seed;
    return (uint64_t{seed()} << 32) ^ seed();
  }()};
  char name[40];
  std::snprintf(name, sizeof name, "%s%016llx%s", kTempPrefix.data(),
                static_cast<unsigned long long>(next.fetch_add(1)), kTempSuffix.data());
  return name;
}

TSystemFileSystem& SystemFileSystem() {
  static TSystemFileSystem files;
  return files;
}

}  // namespace platform
