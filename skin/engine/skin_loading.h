// The portable rules of loading a skin: where a skin file is looked for, and
// how skin bytes reach a temporary file the reader can open.
//
// Thread safety: the functions keep no state.
#ifndef QUILLORY_SKIN_ENGINE_SKIN_LOADING_H_
#define QUILLORY_SKIN_ENGINE_SKIN_LOADING_H_

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace skin {

using TFileExists = std::function<bool(const std::filesystem::path&)>;

// The file AName as given when it exists, else AName's file name in each of
// AFolders in order (the program's, the Windows and the system folder);
// nothing when none exists or AName is empty.
std::optional<std::filesystem::path> FindSkinFile(const std::string& AName,
                                                  std::span<const std::filesystem::path> AFolders,
                                                  const TFileExists& AExists);

// AFolder / (ABase + AExtension); when that exists, "1", "2", ... is put
// before the extension until the name is free.
std::filesystem::path UniqueFileName(const std::filesystem::path& AFolder, const std::string& ABase,
                                     const std::string& AExtension, const TFileExists& AExists);

// How often the skin bytes are saved under a new name before giving up.
inline constexpr int kSkinDataSaveAttempts = 5;

// Writes AData to AFolder under a new name made by ANewBase (a GUID text)
// plus ".zsk"; a failing save is tried again under a new name, at most
// AAttempts times in all. AWrite writes a whole file and says whether it
// worked. Returns the path written, or nothing (no file left behind).
using TWriteFile = std::function<bool(const std::filesystem::path&, std::span<const std::uint8_t>)>;
std::optional<std::filesystem::path> SaveSkinDataToTemp(
    std::span<const std::uint8_t> AData, const std::filesystem::path& AFolder,
    const std::function<std::string()>& ANewBase, const TFileExists& AExists,
    const TWriteFile& AWrite, int AAttempts = kSkinDataSaveAttempts);

// The real file system's answer (a regular file); WriteWholeFile of
// skin/archive/file_stream.h writes.
bool FileExists(const std::filesystem::path& APath);

}  // namespace skin

#endif  // QUILLORY_SKIN_ENGINE_SKIN_LOADING_H_
