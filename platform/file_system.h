// Files and folders of the client settings exchange.
//
// Paths are UTF-8 text. Every file is opened, used and closed within one
// call (or within the life of one TNewFile); no handle outlives an operation.
//
// Sharing rules, the same on every platform:
// - ReadFile opens the file so that others may read it but nobody may write
//   it; it fails while a TNewFile of that path is being written.
// - A TNewFile is open for no one else until it is destroyed or has replaced
//   its target; reading it by its name fails meanwhile.
// - TNewFile::ReplaceTarget fails while a ReadFile holds the target open.
// Windows gets these rules from the sharing modes of CreateFileW. POSIX file
// systems refuse nothing, so the POSIX implementation keeps them with a
// registry of the files this process has open; the service is the only
// writer of its folder, so that registry sees every writer.
//
// Thread safety: all functions and TSystemFileSystem may be used from any
// number of threads at once. A TNewFile belongs to one thread.
#ifndef QUILLORY_PLATFORM_FILE_SYSTEM_H_
#define QUILLORY_PLATFORM_FILE_SYSTEM_H_

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// A failed file operation. what() is the system's description of the reason,
// as the system words it (it may end in a full stop or a line break).
class EFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Which file names the platform's file system gives a meaning of its own.
enum class TFileNameRules { Posix, Windows };

// The rules of this platform.
TFileNameRules FileNameRules();

// The platform's path separator ('\\' on Windows, '/' elsewhere).
char PathSeparator();

// True when APath ends with a path separator of this platform (on Windows
// '/' counts as well).
bool EndsWithPathSeparator(std::string_view APath);

// True when AName has the form of the temporary files of TNewFile,
// ".~save-*.tmp" (under Windows rules in any letter case, as Windows
// compares names).
bool IsTempFileName(std::string_view AName, TFileNameRules ARules);

// Removes from the folder AFolder the temporary files of TNewFile that a
// crash left behind (the files themselves; links of that name are removed,
// not followed). For the start of the only writer of the folder, before any
// TNewFile exists there. Returns how many were removed; never throws.
int RemoveLeftoverTempFiles(const std::string& AFolder);

// The system's description of "the file is in use by someone else", the
// reason given when a file cannot be opened because of the sharing rules.
std::string FileInUseReason();

// A new file, written under a temporary name beside its target and then put
// in the target's place in one atomic step. Until ReplaceTarget succeeded the
// destructor closes and removes the temporary file.
class TNewFile {
 public:
  virtual ~TNewFile() = default;

  // The temporary file's path.
  virtual const std::string& Path() const = 0;

  // Appends ABytes. Throws EFileError (disk full, I/O error).
  virtual void Write(std::string_view ABytes) = 0;

  // Forces everything written so far onto the disk. Throws EFileError.
  virtual void Flush() = 0;

  // Closes the file and renames it over ATarget (replacing an existing file)
  // in one atomic step: a reader opens either the old file or the new one,
  // never a mixture. Throws EFileError when ATarget cannot be replaced (it is
  // a directory, its name is not valid, it is held by a reader, access is
  // denied); the temporary file is then still there, and the destructor
  // removes it. After success the object only waits to be destroyed.
  virtual void ReplaceTarget(const std::string& ATarget) = 0;
};

// The file-system operations of the exchange, as an interface so that tests
// can put faults between the exchange and the real file system.
class TFileSystem {
 public:
  virtual ~TFileSystem() = default;

  // True when a directory exists at APath.
  virtual bool DirectoryExists(const std::string& APath) = 0;

  // Creates the directory APath with all missing parents. True when the
  // directory exists afterwards; never throws.
  virtual bool CreateDirectories(const std::string& APath) = 0;

  // True when a regular file exists at APath (a directory does not count).
  virtual bool FileExists(const std::string& APath) = 0;

  // All bytes of the file at APath, opened for reading while others may read
  // but not write it. Throws EFileError.
  virtual std::string ReadFile(const std::string& APath) = 0;

  // A new, empty temporary file in the folder AFolder (which ends with a path
  // separator), open for no one else. Throws EFileError.
  virtual std::unique_ptr<TNewFile> CreateTempFile(const std::string& AFolder) = 0;

  // Makes the renames done in AFolder durable (the folder's entries reach
  // the disk). Throws EFileError.
  virtual void SyncFolder(const std::string& AFolder) = 0;
};

// A file system that passes every call on to another one; tests and
// benchmarks derive from it to change a few calls. Thread safety: as the
// file system it forwards to.
class TForwardingFileSystem : public TFileSystem {
 public:
  // ATarget must outlive this object.
  explicit TForwardingFileSystem(TFileSystem& ATarget) : FTarget(ATarget) {}
  bool DirectoryExists(const std::string& APath) override { return FTarget.DirectoryExists(APath); }
  bool CreateDirectories(const std::string& APath) override {
    return FTarget.CreateDirectories(APath);
  }
  bool FileExists(const std::string& APath) override { return FTarget.FileExists(APath); }
  std::string ReadFile(const std::string& APath) override { return FTarget.ReadFile(APath); }
  std::unique_ptr<TNewFile> CreateTempFile(const std::string& AFolder) override {
    return FTarget.CreateTempFile(AFolder);
  }
  void SyncFolder(const std::string& AFolder) override { FTarget.SyncFolder(AFolder); }

 private:
  TFileSystem& FTarget;
};

// A new file that passes every call on to another one it owns.
class TForwardingNewFile : public TNewFile {
 public:
  explicit TForwardingNewFile(std::unique_ptr<TNewFile> ATarget) : FTarget(std::move(ATarget)) {}
  const std::string& Path() const override { return FTarget->Path(); }
  void Write(std::string_view ABytes) override { FTarget->Write(ABytes); }
  void Flush() override { FTarget->Flush(); }
  void ReplaceTarget(const std::string& ATarget) override { FTarget->ReplaceTarget(ATarget); }

 private:
  std::unique_ptr<TNewFile> FTarget;
};

// The platform's real file system.
class TSystemFileSystem final : public TFileSystem {
 public:
  bool DirectoryExists(const std::string& APath) override;
  bool CreateDirectories(const std::string& APath) override;
  bool FileExists(const std::string& APath) override;
  std::string ReadFile(const std::string& APath) override;
  std::unique_ptr<TNewFile> CreateTempFile(const std::string& AFolder) override;
  void SyncFolder(const std::string& AFolder) override;
};

// The one TSystemFileSystem of the process.
TSystemFileSystem& SystemFileSystem();

}  // namespace platform

#endif  // QUILLORY_PLATFORM_FILE_SYSTEM_H_
