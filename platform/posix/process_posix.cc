#include <limits.h>
#include <unistd.h>
#include <cerrno>

#include "platform/process.h"
#include "platform/system_error.h"

namespace platform {

std::string ProgramPath() {
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
  if (n < 0) throw ESystemError(LastSystemError());
  if (static_cast<std::size_t>(n) >= sizeof buffer) throw ESystemError(ENAMETOOLONG);
  return std::string(buffer, static_cast<std::size_t>(n));
}

std::vector<std::string> ProgramArguments(int AArgc, char** AArgv) {
  return AArgc > 1 ? std::vector<std::string>(AArgv + 1, AArgv + AArgc)
                   : std::vector<std::string>();
}

}  // namespace platform
