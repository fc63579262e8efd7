#include "platform/temp_file.h"

#include <system_error>

namespace platform {

std::filesystem::path CreateGuidTempFile(std::string_view AExtension) {
  constexpr int kAttempts = 8;
  std::error_code error;
  std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) throw std::system_error(error, "temporary folder");
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::filesystem::path path = folder / (NewGuidText() + std::string(AExtension));
    if (CreateFileExclusively(path)) return path;
  }
  throw std::system_error(std::make_error_code(std::errc::file_exists),
                          "no temporary file could be created");
}

}  // namespace platform
