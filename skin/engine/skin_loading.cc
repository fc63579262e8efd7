#include "skin/engine/skin_loading.h"

#include <system_error>

namespace skin {

std::optional<std::filesystem::path> FindSkinFile(const std::string& AName,
                                                  std::span<const std::filesystem::path> AFolders,
                                                  const TFileExists& AExists) {
  if (AName.empty()) return std::nullopt;
  std::filesystem::path name(AName);
  if (AExists(name)) return name;
  std::filesystem::path file = name.filename();
  if (file.empty()) return std::nullopt;
  for (const std::filesystem::path& folder : AFolders) {
    if (folder.empty()) continue;
    std::filesystem::path candidate = folder / file;
    if (AExists(candidate)) return candidate;
  }
  return std::nullopt;
}

std::filesystem::path UniqueFileName(const std::filesystem::path& AFolder, const std::string& ABase,
                                     const std::string& AExtension, const TFileExists& AExists) {
  std::filesystem::path path = AFolder / (ABase + AExtension);
  for (int n = 1; AExists(path); ++n) {
    path = AFolder / (ABase + std::to_string(n) + AExtension);
  }
  return path;
}

std::optional<std::filesystem::path> SaveSkinDataToTemp(
    std::span<const std::uint8_t> AData, const std::filesystem::path& AFolder,
    const std::function<std::string()>& ANewBase, const TFileExists& AExists,
    const TWriteFile& AWrite, int AAttempts) {
  for (int attempt = 0; attempt < AAttempts; ++attempt) {
    std::filesystem::path path = UniqueFileName(AFolder, ANewBase(), ".zsk", AExists);
    if (AWrite(path, AData)) return path;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  return std::nullopt;
}

bool FileExists(const std::filesystem::path& APath) {
  std::error_code ec;
  return std::filesystem::is_regular_file(APath, ec);
}

}  // namespace skin
