// The file-backed registry store.
//
// <root>/<HKEY_...>/<key>/<subkey>/... : one folder per key. A key's values
// live in the file ".values" of its folder (layout in registry_file.h).
// Folder names are the key names with '/', '%', NUL and a leading '.'
// written as %XX, so no key name can collide with the store's own dot files
// (".values", ".lock", ".values.tmp").
//
// A write takes an exclusive flock on ".lock" in the key's folder, reads the
// values, changes them, writes ".values.tmp", flushes it, renames it over
// ".values" and flushes the folder: concurrent writers do not lose each
// other's values, and a reader or a crash sees the old or the new file,
// never a torn one. Readers take no lock.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <mutex>

#include "base/little_endian.h"
#include "platform/posix/fd.h"
#include "platform/posix/registry_file.h"
#include "platform/registry.h"

namespace platform {
namespace {

using posix::SyncFolder;
using posix::TFd;
using posix::TStoredValue;

std::mutex root_mutex;
std::string root_folder = kDefaultRegistryRoot;

std::string EncodeComponent(std::string_view AName) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < AName.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(AName[i]);
    if (c == '/' || c == '%' || c == '\0' || (i == 0 && c == '.')) {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return -1;
}

std::string DecodeComponent(std::string_view AName) {
  std::string out;
  for (std::size_t i = 0; i < AName.size(); ++i) {
    int hi = -1, lo = -1;
    if (AName[i] == '%' && i + 2 < AName.size()) {
      hi = HexDigit(AName[i + 1]);
      lo = HexDigit(AName[i + 2]);
    }
    if (hi >= 0 && lo >= 0) {
      out += static_cast<char>(hi << 4 | lo);
      i += 2;
    } else {
      out += AName[i];
    }
  }
  return out;
}

// The key path split at '\'; empty components (doubled or trailing
// separators) are skipped.
std::vector<std::string> SplitKeyPath(std::string_view APath) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= APath.size()) {
    std::size_t end = APath.find('\\', start);
    if (end == std::string_view::npos) end = APath.size();
    if (end > start) parts.emplace_back(APath.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool IsDirectory(const std::string& APath) {
  struct stat st;
  return ::stat(APath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The entries of AFolder that are key folders (no dot files), as stored.
std::vector<std::string> KeyFolderEntries(const std::string& AFolder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(AFolder.c_str());
  if (!dir) return names;
  while (dirent* e = ::readdir(dir)) {
    if (e->d_name[0] == '.') continue;
    if (IsDirectory(AFolder + "/" + e->d_name)) names.emplace_back(e->d_name);
  }
  ::closedir(dir);
  return names;
}

}  // namespace

bool SetRegistryRoot(const std::string& AFolder) {
  std::lock_guard<std::mutex> lock(root_mutex);
  root_folder = AFolder;
  while (root_folder.size() > 1 && root_folder.back() == '/') root_folder.pop_back();
  return true;
}

std::string RegistryRoot() {
  std::lock_guard<std::mutex> lock(root_mutex);
  return root_folder;
}

struct TRegistry::TImpl {
  TRegAccess Access;
  TRootKey Root = TRootKey::LocalMachine;
  bool Open = false;
  std::string Path;    // the current key as given to OpenKey
  std::string Folder;  // its folder
  std::string LastError;

  bool Fail(const std::string& AWhat, int AErrno) {
    LastError = AWhat + ": " + std::strerror(AErrno);
    return false;
  }
  bool Fail(const std::string& AWhat) {
    LastError = AWhat;
    return false;
  }

  // The folder of the child AName of AParent, found without regard to ASCII
  // case, or created when ACreate. Empty with LastError set on failure.
  std::string ChildFolder(const std::string& AParent, const std::string& AName, bool ACreate) {
    std::string exact = AParent + "/" + EncodeComponent(AName);
    for (int attempt = 0; attempt < 2; ++attempt) {
      struct stat st;
      if (::stat(exact.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return exact;
        Fail(exact, ENOTDIR);
        return {};
      }
      for (const std::string& entry : KeyFolderEntries(AParent))
        if (posix::SameRegistryName(DecodeComponent(entry), AName)) return AParent + "/" + entry;
      if (!ACreate) {
        Fail("registry key not found: " + exact, ENOENT);
        return {};
      }
      if (::mkdir(exact.c_str(), 0755) == 0) {
        SyncFolder(AParent);
        return exact;
      }
      if (errno != EEXIST) {
        Fail(exact, errno);
        return {};
      }
    }
    Fail(exact, EEXIST);
    return {};
  }

  // The folder of the key APath; created with its parents when ACreate.
  std::string KeyFolder(std::string_view APath, bool ACreate) {
    std::string folder = RegistryRoot();
    if (ACreate) {
      std::error_code ec;
      std::filesystem::create_directories(folder, ec);
    }
    if (!IsDirectory(folder)) {
      Fail("registry root " + folder, ::access(folder.c_str(), F_OK) == 0 ? ENOTDIR : ENOENT);
      return {};
    }
    folder = ChildFolder(folder, RootKeyName(Root), ACreate);
    for (const std::string& part : SplitKeyPath(APath)) {
      if (folder.empty()) break;
      folder = ChildFolder(folder, part, ACreate);
    }
    return folder;
  }

  // The current key's values; false with LastError set when the file cannot
  // be read or is damaged.
  bool LoadValues(std::vector<TStoredValue>& AValues) {
    AValues.clear();
    if (!Open) return Fail("no registry key is open");
    std::string file = Folder + "/.values";
    TFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Ok()) {
      if (errno == ENOENT && IsDirectory(Folder)) return true;
      return Fail(file, errno);
    }
    std::string bytes;
    if (const int error = posix::ReadAll(fd.Get(), bytes)) return Fail(file, error);
    posix::TValuesFileResult result = posix::ParseValuesFile(bytes, AValues);
    if (result != posix::TValuesFileResult::Ok)
      return Fail(file + ": " + posix::ValuesFileResultText(result));
    return true;
  }

  // Writes ABytes to AFile and flushes it. False with LastError set.
  bool WriteFileDurably(const std::string& AFile, const std::string& ABytes) {
    TFd fd(::open(AFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.Ok()) return Fail(AFile, errno);
    if (const int error = posix::WriteAll(fd.Get(), ABytes)) return Fail(AFile, error);
    if (::fsync(fd.Get()) != 0) return Fail(AFile, errno);
    if (const int error = fd.Close()) return Fail(AFile, error);
    return true;
  }

  // Runs AChange on the current key's values under the key's write lock and
  // stores the result atomically when AChange returns true.
  bool Modify(const std::function<bool(std::vector<TStoredValue>&)>& AChange) {
    if (!Open) return Fail("no registry key is open");
    if (Access != TRegAccess::AllAccess) return Fail(Path, EACCES);
    std::string lock_file = Folder + "/.lock";
    TFd lock(::open(lock_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (!lock.Ok()) return Fail(lock_file, errno);
    while (::flock(lock.Get(), LOCK_EX) != 0)
      if (errno != EINTR) return Fail(lock_file, errno);
    std::vector<TStoredValue> values;
    if (!LoadValues(values) || !AChange(values)) return false;
    std::string temp = Folder + "/.values.tmp", file = Folder + "/.values";
    if (!WriteFileDurably(temp, posix::SerializeValuesFile(values))) return false;
    if (::rename(temp.c_str(), file.c_str()) != 0) return Fail(file, errno);
    SyncFolder(Folder);  // the new values are in place either way
    return true;         // the lock goes with its descriptor
  }

  std::optional<TRegValue> Find(std::string_view AName) {
    std::vector<TStoredValue> values;
    if (!LoadValues(values)) return std::nullopt;
    for (TStoredValue& v : values)
      if (posix::SameRegistryName(v.Name, AName)) return std::move(v.Value);
    Fail("registry value not found: " + std::string(AName), ENOENT);
    return std::nullopt;
  }
};

TRegistry::TRegistry(TRegAccess AAccess) : FImpl(std::make_unique<TImpl>()) {
  FImpl->Access = AAccess;
}

TRegistry::~TRegistry() {
  CloseKey();
}

TRootKey TRegistry::RootKey() const {
  return FImpl->Root;
}

void TRegistry::SetRootKey(TRootKey ARoot) {
  CloseKey();
  FImpl->Root = ARoot;
}

bool TRegistry::OpenKey(std::string_view APath, bool ACanCreate) {
  CloseKey();
  const bool write = FImpl->Access == TRegAccess::AllAccess;
  std::string folder = FImpl->KeyFolder(APath, ACanCreate && write);
  if (folder.empty()) return false;
  if (::access(folder.c_str(), write ? (R_OK | W_OK | X_OK) : (R_OK | X_OK)) != 0)
    return FImpl->Fail(folder, errno);
  FImpl->Open = true;
  FImpl->Path = std::string(APath);
  FImpl->Folder = std::move(folder);
  return true;
}

void TRegistry::CloseKey() {
  FImpl->Open = false;
  FImpl->Path.clear();
  FImpl->Folder.clear();
}

bool TRegistry::HasCurrentKey() const {
  return FImpl->Open;
}

const std::string& TRegistry::CurrentPath() const {
  return FImpl->Path;
}

bool TRegistry::ValueExists(std::string_view AName) {
  return FImpl->Find(AName).has_value();
}

TRegDataType TRegistry::GetDataType(std::string_view AName) {
  std::optional<TRegValue> v = FImpl->Find(AName);
  return v ? RegDataTypeOf(v->Kind) : TRegDataType::rdUnknown;
}

std::optional<TRegValue> TRegistry::ReadValue(std::string_view AName) {
  return FImpl->Find(AName);
}

std::optional<int32_t> TRegistry::ReadInteger(std::string_view AName) {
  std::optional<TRegValue> v = FImpl->Find(AName);
  if (!v) return std::nullopt;
  if (v->Data.size() != 4) {
    FImpl->Fail("registry value " + std::string(AName) + " does not hold 4 bytes");
    return std::nullopt;
  }
  return static_cast<int32_t>(base::LoadLe32(v->Data.data()));
}

std::string TRegistry::ReadString(std::string_view AName) {
  std::optional<TRegValue> v = FImpl->Find(AName);
  if (!v || !IsTextKind(v->Kind)) return {};
  return v->Data.substr(0, v->Data.find('\0'));
}

bool TRegistry::WriteValue(std::string_view AName, const TRegValue& AValue) {
  if (AName.size() > posix::kMaxValueNameBytes) return FImpl->Fail("value name too long");
  if (AValue.Data.size() > posix::kMaxValueDataBytes) return FImpl->Fail("value data too long");
  return FImpl->Modify([&](std::vector<TStoredValue>& AValues) {
    for (TStoredValue& v : AValues) {
      if (posix::SameRegistryName(v.Name, AName)) {
        v.Value = AValue;
        return true;
      }
    }
    AValues.push_back({std::string(AName), AValue});
    return true;
  });
}

bool TRegistry::WriteInteger(std::string_view AName, int32_t AValue) {
  std::string bytes;
  base::AppendLe32(bytes, static_cast<uint32_t>(AValue));
  return WriteValue(AName, {kRegDword, bytes});
}

bool TRegistry::WriteString(std::string_view AName, std::string_view AText) {
  std::string data(AText);
  data.push_back('\0');
  return WriteValue(AName, {kRegSz, data});
}

bool TRegistry::DeleteValue(std::string_view AName) {
  return FImpl->Modify([&](std::vector<TStoredValue>& AValues) {
    for (auto it = AValues.begin(); it != AValues.end(); ++it) {
      if (posix::SameRegistryName(it->Name, AName)) {
        AValues.erase(it);
        return true;
      }
    }
    return FImpl->Fail("registry value not found: " + std::string(AName), ENOENT);
  });
}

std::vector<std::string> TRegistry::ValueNames() {
  std::vector<TStoredValue> values;
  std::vector<std::string> names;
  if (FImpl->LoadValues(values))
    for (TStoredValue& v : values) names.push_back(std::move(v.Name));
  return names;
}

std::vector<std::string> TRegistry::KeyNames() {
  std::vector<std::string> names;
  if (!FImpl->Open) return names;
  for (const std::string& entry : KeyFolderEntries(FImpl->Folder))
    names.push_back(DecodeComponent(entry));
  return names;
}

bool TRegistry::KeyExists(std::string_view APath) {
  std::string keep = FImpl->LastError;
  bool exists = !FImpl->KeyFolder(APath, false).empty();
  FImpl->LastError = keep;
  return exists;
}

bool TRegistry::DeleteKey(std::string_view APath) {
  CloseKey();
  if (SplitKeyPath(APath).empty()) return FImpl->Fail("a root key cannot be deleted");
  if (FImpl->Access != TRegAccess::AllAccess) return FImpl->Fail(std::string(APath), EACCES);
  std::string folder = FImpl->KeyFolder(APath, false);
  if (folder.empty()) return false;
  // Move the tree out of sight in one step, then remove it at leisure.
  static std::atomic<unsigned> counter{0};
  std::string parent = folder.substr(0, folder.rfind('/'));
  std::string doomed =
      parent + "/.deleted." + std::to_string(::getpid()) + "." + std::to_string(counter++);
  if (::rename(folder.c_str(), doomed.c_str()) != 0) return FImpl->Fail(folder, errno);
  SyncFolder(parent);
  std::error_code ec;
  std::filesystem::remove_all(doomed, ec);
  return true;
}

const std::string& TRegistry::LastError() const {
  return FImpl->LastError;
}

}  // namespace platform
