// The file-system seam on Windows: the sharing modes of CreateFileW keep the
// sharing rules; ReplaceFileW makes the atomic replacement of an existing
// file (keeping its attributes, access rules and streams), MoveFileExW puts
// a file where there was none.
#include <windows.h>

#include <algorithm>

#include "platform/file_system.h"
#include "platform/temp_name.h"
#include "platform/win32/wide.h"

namespace platform {

namespace {

using win32::SystemErrorText;
using win32::ToWide;

[[noreturn]] void Fail(DWORD AError) {
  throw EFileError(SystemErrorText(AError));
}

// A file handle that closes itself.
class TFileHandle {
 public:
  explicit TFileHandle(HANDLE AHandle) : FHandle(AHandle) {}
  ~TFileHandle() { Close(); }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  HANDLE Get() const { return FHandle; }
  bool IsValid() const { return FHandle != INVALID_HANDLE_VALUE; }
  // Closes now; false when CloseHandle failed.
  bool Close() {
    const HANDLE handle = FHandle;
    FHandle = INVALID_HANDLE_VALUE;
    return handle == INVALID_HANDLE_VALUE || CloseHandle(handle);
  }

 private:
  HANDLE FHandle;
};

DWORD Attributes(const std::string& APath) {
  return GetFileAttributesW(ToWide(APath).c_str());
}

bool IsDirectory(DWORD AAttributes) {
  return AAttributes != INVALID_FILE_ATTRIBUTES && (AAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

// CreateDirectoryW for APath and, first, for every missing parent.
bool CreateDirectoryTree(std::wstring APath) {
  while (APath.size() > 1 && IsSeparator(APath.back())) APath.pop_back();
  if (APath.empty()) return false;
  const DWORD attributes = GetFileAttributesW(APath.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return IsDirectory(attributes);
  const std::size_t cut = APath.find_last_of(L"\\/");
  if (cut != std::wstring::npos && cut > 0) {
    std::wstring parent = APath.substr(0, cut);
    if (parent.back() == L':') parent += L'\\';  // "C:" alone means the current directory there
    CreateDirectoryTree(parent);
  }
  CreateDirectoryW(APath.c_str(), nullptr);
  return IsDirectory(GetFileAttributesW(APath.c_str()));
}

class TWin32NewFile final : public TNewFile {
 public:
  TWin32NewFile(std::string APath, HANDLE AHandle) : FPath(std::move(APath)), FHandle(AHandle) {}
  ~TWin32NewFile() override {
    FHandle.Close();
    if (!FReplaced) DeleteFileW(ToWide(FPath).c_str());
  }

  const std::string& Path() const override { return FPath; }

  void Write(std::string_view ABytes) override {
    while (!ABytes.empty()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(ABytes.size(), 1u << 30));
      DWORD written = 0;
      if (!WriteFile(FHandle.Get(), ABytes.data(), chunk, &written, nullptr)) Fail(GetLastError());
      ABytes.remove_prefix(written);
    }
  }

  void Flush() override {
    if (!FlushFileBuffers(FHandle.Get())) Fail(GetLastError());
  }

  void ReplaceTarget(const std::string& ATarget) override {
    if (!FHandle.Close()) Fail(GetLastError());
    const std::wstring target = ToWide(ATarget), source = ToWide(FPath);
    // A plain file is replaced in place of itself: it keeps its attributes,
    // access rules and streams. A link (a reparse point) is replaced itself,
    // never followed out of the folder; where there is no file the new one
    // is moved there.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
      if (ReplaceFileW(target.c_str(), source.c_str(), nullptr, 0, nullptr, nullptr)) {
        FReplaced = true;
        return;
      }
      const DWORD error = GetLastError();
      // ERROR_UNABLE_TO_MOVE_REPLACEMENT: the old file is gone and the new
      // one still has its temporary name; the move below puts it in place.
      // ERROR_FILE_NOT_FOUND: the old file went away meanwhile.
      if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT && error != ERROR_FILE_NOT_FOUND) Fail(error);
    }
    if (!MoveFileExW(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      Fail(GetLastError());
    }
    FReplaced = true;
  }

 private:
  std::string FPath;
  TFileHandle FHandle;
  bool FReplaced = false;
};

}  // namespace

TFileNameRules FileNameRules() {
  return TFileNameRules::Windows;
}

char PathSeparator() {
  return '\\';
}

bool EndsWithPathSeparator(std::string_view APath) {
  return !APath.empty() && (APath.back() == '\\' || APath.back() == '/');
}

std::string FileInUseReason() {
  return SystemErrorText(ERROR_SHARING_VIOLATION);
}

bool TSystemFileSystem::DirectoryExists(const std::string& APath) {
  return IsDirectory(Attributes(APath));
}

bool TSystemFileSystem::CreateDirectories(const std::string& APath) {
  return CreateDirectoryTree(ToWide(APath));
}

bool TSystemFileSystem::FileExists(const std::string& APath) {
  const DWORD attributes = Attributes(APath);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string TSystemFileSystem::ReadFile(const std::string& APath) {
  TFileHandle file(CreateFileW(ToWide(APath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) Fail(GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) Fail(GetLastError());
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  char buffer[65536];
  for (;;) {
    DWORD n = 0;
    if (!::ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr)) Fail(GetLastError());
    if (n == 0) break;
    bytes.append(buffer, n);
  }
  return bytes;
}

std::unique_ptr<TNewFile> TSystemFileSystem::CreateTempFile(const std::string& AFolder) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = AFolder + NextTempFileName();
    // Share mode 0: nobody else opens it until it has replaced its target.
    HANDLE handle = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE)
      return std::make_unique<TWin32NewFile>(std::move(path), handle);
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_SHARING_VIOLATION) Fail(error);
  }
  Fail(ERROR_FILE_EXISTS);
}

// The file system's journal keeps the rename of ReplaceFileW, and
// MOVEFILE_WRITE_THROUGH has made a move durable: nothing to do here.
void TSystemFileSystem::SyncFolder(const std::string&) {}

}  // namespace platform
