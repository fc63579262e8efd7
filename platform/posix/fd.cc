#include "platform/posix/fd.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace platform::posix {

TFd::~TFd() {
  Close();
}

int TFd::Close() {
  const int fd = FFd;
  FFd = -1;
  return fd >= 0 && ::close(fd) != 0 ? errno : 0;
}

int WriteAll(int AFd, std::string_view ABytes) {
  while (!ABytes.empty()) {
    const ssize_t n = ::write(AFd, ABytes.data(), ABytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    ABytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int ReadAll(int AFd, std::string& AOut) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(AFd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return 0;
    AOut.append(buffer, static_cast<std::size_t>(n));
  }
}

int SyncFolder(const std::string& AFolder) {
  TFd fd(::open(AFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.Ok()) return errno;
  if (::fsync(fd.Get()) != 0 && errno != EINVAL) return errno;
  return 0;
}

}  // namespace platform::posix
