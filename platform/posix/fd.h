// File descriptors of the POSIX implementations: an owner that closes its
// descriptor, whole reads and writes that retry on EINTR, and the flush of a
// folder's entries after a rename. Internal to platform/posix.
//
// Errors are errno values (0 for success), so each store words them its
// own way.
//
// Thread safety: a TFd belongs to one thread; the functions are thread-safe.
#ifndef QUILLORY_PLATFORM_POSIX_FD_H_
#define QUILLORY_PLATFORM_POSIX_FD_H_

#include <string>
#include <string_view>

namespace platform::posix {

// Owns one file descriptor (-1: none) and closes it when destroyed.
class TFd {
 public:
  explicit TFd(int AFd = -1) : FFd(AFd) {}
  ~TFd();
  TFd(TFd&& AOther) noexcept : FFd(AOther.FFd) { AOther.FFd = -1; }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;

  int Get() const { return FFd; }
  bool Ok() const { return FFd >= 0; }

  // Closes now: 0, or the errno of a failed close (on some file systems the
  // last word on a failed write). The descriptor is gone either way.
  int Close();

 private:
  int FFd;
};

// Writes all of ABytes to AFd: 0 or errno.
int WriteAll(int AFd, std::string_view ABytes);

// Reads AFd to its end, appending to AOut: 0 or errno.
int ReadAll(int AFd, std::string& AOut);

// Flushes the entries of the folder AFolder (a rename or a new file in it)
// to the disk: 0 or errno. File systems that cannot flush a folder (EINVAL)
// count as done.
int SyncFolder(const std::string& AFolder);

}  // namespace platform::posix

#endif  // QUILLORY_PLATFORM_POSIX_FD_H_
