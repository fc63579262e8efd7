// Files in the system's temporary folder, named by a fresh GUID and created
// exclusively, so no other process's file is ever opened or replaced.
//
// Thread safety: the functions may be called from any thread.
#ifndef QUILLORY_PLATFORM_TEMP_FILE_H_
#define QUILLORY_PLATFORM_TEMP_FILE_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// A newly generated GUID in its braced text form,
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with upper-case hex digits.
// Throws std::system_error when the system cannot make one.
std::string NewGuidText();

// Creates the empty file APath, failing (false) when a file of that name
// already exists or the file cannot be created. The file is closed again.
bool CreateFileExclusively(const std::filesystem::path& APath);

// Creates a new empty file in the system's temporary folder named by a new
// GUID followed by AExtension (e.g. "" or ".zsk") and returns its path.
// A name that exists already is never reused: a new GUID is tried, a few
// times. Throws std::system_error when no file could be created.
std::filesystem::path CreateGuidTempFile(std::string_view AExtension);

// Removes the file it holds when it goes out of scope (errors ignored).
class TTempFileRemover {
 public:
  explicit TTempFileRemover(std::filesystem::path APath) : FPath(std::move(APath)) {}
  ~TTempFileRemover() {
    std::error_code ignored;
    std::filesystem::remove(FPath, ignored);
  }
  TTempFileRemover(const TTempFileRemover&) = delete;
  TTempFileRemover& operator=(const TTempFileRemover&) = delete;
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

}  // namespace platform

#endif  // QUILLORY_PLATFORM_TEMP_FILE_H_
