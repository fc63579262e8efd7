// The file-system seam on POSIX: plain system calls, with the sharing rules
// kept by the registry of open files (open_files.h).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/file_system.h"
#include "platform/posix/fd.h"
#include "platform/posix/open_files.h"
#include "platform/temp_name.h"

namespace platform {

namespace {

using posix::TFd;
using posix::THold;

[[noreturn]] void Fail(int AError) {
  throw EFileError(std::generic_category().message(AError));
}

bool StatIs(const std::string& APath, mode_t AType) {
  struct stat st;
  return ::stat(APath.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == AType;
}

// Gives the new file AFd what the user set on the plain file ATarget it is
// about to replace: its owner and group, then its permission bits. Without
// the privilege to give a file away the owner stays this process's; a group
// that cannot be kept takes the group's permission bits with it, so no other
// group gains access. Set-id and sticky bits are never carried over. A
// missing target, a link (replaced itself, never followed) or anything else
// leaves the new file as created. Throws EFileError when the bits cannot be
// set.
void KeepAttributesOf(const std::string& ATarget, int AFd) {
  struct stat target;
  if (::lstat(ATarget.c_str(), &target) != 0 || !S_ISREG(target.st_mode)) return;
  struct stat own;
  if (::fstat(AFd, &own) != 0) Fail(errno);
  mode_t mode = target.st_mode & 0777;
  if (own.st_uid != target.st_uid || own.st_gid != target.st_gid) {
    if (::fchown(AFd, target.st_uid, target.st_gid) != 0 &&
        ::fchown(AFd, static_cast<uid_t>(-1), target.st_gid) != 0) {
      mode &= ~static_cast<mode_t>(S_IRWXG);
    }
  }
  if (::fchmod(AFd, mode) != 0) Fail(errno);
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
    if (const int error = posix::WriteAll(FFd.Get(), ABytes)) Fail(error);
  }

  void Flush() override {
    if (::fsync(FFd.Get()) != 0) Fail(errno);
  }

  void ReplaceTarget(const std::string& ATarget) override {
    KeepAttributesOf(ATarget, FFd.Get());
    if (const int error = FFd.Close()) Fail(error);
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
  if (const int error = posix::ReadAll(fd.Get(), bytes)) Fail(error);
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
  if (const int error = posix::SyncFolder(AFolder)) Fail(error);
}

}  // namespace platform
