// The file-system seam on POSIX: plain system calls, with the sharing rules
// kept by the registry of open files (open_files.h).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/file_system.h"
#include "platform/posix/open_files.h"
#include "platform/temp_name.h"

namespace platform {

namespace {

using posix::THold;

[[noreturn]] void Fail(int AError) {
  throw EFileError(std::generic_category().message(AError));
}

// A file descriptor that closes itself.
class TFd {
 public:
  explicit TFd(int AFd) : FFd(AFd) {}
  ~TFd() { Close(); }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Get() const { return FFd; }
  // Closes now; reports a failed close (on some file systems the last
  // chance to learn of a failed write).
  void CloseOrThrow() {
    const int fd = FFd;
    FFd = -1;
    if (fd >= 0 && ::close(fd) != 0) Fail(errno);
  }

 private:
  void Close() {
    if (FFd >= 0) ::close(FFd);
    FFd = -1;
  }
  int FFd;
};

bool StatIs(const std::string& APath, mode_t AType) {
  struct stat st;
  return ::stat(APath.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == AType;
}

class TPosixNewFile final : public TNewFile {
 public:
  // Takes over AHold, the exclusive hold of APath, and AFd, open on it.
  TPosixNewFile(std::string APath, THold AHold, int AFd)
      : FPath(std::move(APath)), FHold(std::move(AHold)), FFd(AFd) {}
  // The hold ends only after the file is gone, so nobody reads a torn file.
  ~TPosixNewFile() override {
    if (!FReplaced) ::unlink(FPath.c_str());
  }

  const std::string& Path() const override { return FPath; }

  void Write(std::string_view ABytes) override {
    while (!ABytes.empty()) {
      const ssize_t n = ::write(FFd.Get(), ABytes.data(), ABytes.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        Fail(errno);
      }
      ABytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }

  void Flush() override {
    if (::fsync(FFd.Get()) != 0) Fail(errno);
  }

  void ReplaceTarget(const std::string& ATarget) override {
    FFd.CloseOrThrow();
    int error = 0;
    const bool free = posix::TOpenFiles::Instance().RenameUnlessHeld(FPath, ATarget, [&] {
      if (::rename(FPath.c_str(), ATarget.c_str()) != 0) error = errno;
    });
    if (!free) Fail(EBUSY);
    if (error != 0) Fail(error);
    FHold.Dismiss();  // the registry ended it with the rename
    FReplaced = true;
  }

 private:
  std::string FPath;
  THold FHold;
  TFd FFd;
  bool FReplaced = false;
};

}  // namespace

TFileNameRules FileNameRules() {
  return TFileNameRules::Posix;
}

char PathSeparator() {
  return '/';
}

bool EndsWithPathSeparator(std::string_view APath) {
  return !APath.empty() && APath.back() == '/';
}

std::string FileInUseReason() {
  return std::generic_category().message(EBUSY);
}

bool TSystemFileSystem::DirectoryExists(const std::string& APath) {
  return StatIs(APath, S_IFDIR);
}

bool TSystemFileSystem::CreateDirectories(const std::string& APath) {
  std::error_code ignored;
  std::filesystem::create_directories(APath, ignored);
  return DirectoryExists(APath);
}

bool TSystemFileSystem::FileExists(const std::string& APath) {
  return StatIs(APath, S_IFREG);
}

std::string TSystemFileSystem::ReadFile(const std::string& APath) {
  THold hold(THold::Shared, APath);
  if (!hold) Fail(EBUSY);
  // O_NONBLOCK: something that is no regular file (a FIFO put there since
  // FileExists looked) must not stall the reader; it is refused below.
  TFd fd(::open(APath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) Fail(errno);
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) Fail(errno);
  if (!S_ISREG(st.st_mode)) Fail(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

std::unique_ptr<TNewFile> TSystemFileSystem::CreateTempFile(const std::string& AFolder) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = AFolder + NextTempFileName();
    THold hold(THold::Exclusive, path);
    if (!hold) continue;  // a reader asked for that very name
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) return std::make_unique<TPosixNewFile>(std::move(path), std::move(hold), fd);
    if (errno != EEXIST) Fail(errno);
  }
  Fail(EEXIST);
}

void TSystemFileSystem::SyncFolder(const std::string& AFolder) {
  TFd fd(::open(AFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() < 0) Fail(errno);
  if (::fsync(fd.Get()) != 0 && errno != EINVAL) Fail(errno);
}

}  // namespace platform
