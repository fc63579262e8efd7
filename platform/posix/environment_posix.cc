#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "platform/environment.h"

namespace platform {

const char kPathDelimiter = '/';

std::optional<std::string> EnvironmentVariable(const std::string& AName) {
  const char* value = std::getenv(AName.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

bool PutEnvironmentVariable(const std::string& AName, const std::optional<std::string>& AValue) {
  return (AValue ? ::setenv(AName.c_str(), AValue->c_str(), 1) : ::unsetenv(AName.c_str())) == 0;
}

std::string ProgramFolder() {
  std::string path(4096, '\0');
  ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= path.size())
    throw std::system_error(n < 0 ? errno : ENAMETOOLONG, std::generic_category(),
                            "program folder");
  path.resize(static_cast<std::size_t>(n));
  return path.substr(0, path.rfind('/') + 1);
}

std::string FallbackDataFolder() {
  return "/var/lib/";
}

}  // namespace platform
