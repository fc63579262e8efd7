// The registry: keys of named, typed values below a root key.
//
// On Windows TRegistry works on the system registry, always in its 32-bit
// view (KEY_WOW64_32KEY), so a 64-bit build shares its keys with 32-bit
// programs. Elsewhere it works on a file-backed store of our own with the same
// semantics: one folder per key below a root folder (see SetRegistryRoot),
// keys and value names compared without regard to ASCII letter case, typed
// values, writes that are atomic and durable.
//
// A TRegistry has at most one open key at a time, the current key; opening a
// key closes the one that was open. Value operations act on the current key
// and fail when none is open.
//
// Failures are reported by result (false, nullopt, empty); LastError() gives
// the system's reason for the most recent one. Nothing here throws except on
// memory exhaustion.
//
// Thread safety: a TRegistry object belongs to one thread at a time. Separate
// objects (in one process or in several) may work on the same keys at once.
#ifndef QUILLORY_PLATFORM_REGISTRY_H_
#define QUILLORY_PLATFORM_REGISTRY_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The registry's own type codes of a value, as Windows numbers them.
inline constexpr uint32_t kRegNone = 0;
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;
inline constexpr uint32_t kRegMultiSz = 7;
inline constexpr uint32_t kRegQword = 11;

// The kinds of value the settings code tells apart; every other type code
// (REG_MULTI_SZ, REG_QWORD, REG_NONE, ...) is rdUnknown.
enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// The TRegDataType of a registry type code.
TRegDataType RegDataTypeOf(uint32_t AKind);

// True for the type codes whose data is text (REG_SZ, REG_EXPAND_SZ,
// REG_MULTI_SZ).
bool IsTextKind(uint32_t AKind);

enum class TRootKey { LocalMachine, CurrentUser };

// The root key's full name, e.g. "HKEY_LOCAL_MACHINE".
const char* RootKeyName(TRootKey ARoot);

// What a TRegistry asks for on every open. AllAccess (KEY_ALL_ACCESS) fails
// where the key cannot be written; Read never creates keys.
enum class TRegAccess { Read, AllAccess };

// One stored value. For the text kinds Data is UTF-8 with the terminating and
// separating NULs as stored; for every other kind it is the stored bytes.
struct TRegValue {
  uint32_t Kind = kRegNone;
  std::string Data;
};

// The root folder of the file-backed store when none was set.
inline constexpr char kDefaultRegistryRoot[] = "/var/lib/quillory/registry";

// The root folder of the file-backed store (default kDefaultRegistryRoot).
// Call before any TRegistry works, normally
// from the "REGISTRY" switch (config/registry_switch.h). Returns false where
// the registry is the system's own and has no root folder (Windows).
// Thread-safe.
bool SetRegistryRoot(const std::string& AFolder);

// The current root folder of the store; empty where there is none (Windows).
std::string RegistryRoot();

class TRegistry {
 public:
  // A registry object for HKEY_LOCAL_MACHINE that opens keys with AAccess.
  // Touches no key.
  explicit TRegistry(TRegAccess AAccess = TRegAccess::AllAccess);
  // Closes the current key.
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  TRootKey RootKey() const;
  // Changes the root key for later opens; closes the current key.
  void SetRootKey(TRootKey ARoot);

  // Opens APath (components separated by '\', relative to the root key) with
  // the object's access and makes it the current key; with ACanCreate the key
  // and missing parents are created. Closes the previous current key first.
  // False when the key does not exist (and may not be created) or cannot be
  // opened with the access asked for.
  bool OpenKey(std::string_view APath, bool ACanCreate);
  // Closes the current key, if any. No explicit flush.
  void CloseKey();
  bool HasCurrentKey() const;
  // The path of the current key as given to OpenKey; empty when none.
  const std::string& CurrentPath() const;

  // True when the current key holds a value AName.
  bool ValueExists(std::string_view AName);
  // The kind of AName; rdUnknown when it does not exist.
  TRegDataType GetDataType(std::string_view AName);
  // The stored 32-bit value of AName; nullopt when it is missing or its data
  // is not exactly 4 bytes.
  std::optional<int32_t> ReadInteger(std::string_view AName);
  // The text of AName up to its first NUL; empty when the value is missing,
  // holds no text kind, its data is empty or it cannot be read.
  std::string ReadString(std::string_view AName);
  // The type and data of AName; nullopt when it is missing.
  std::optional<TRegValue> ReadValue(std::string_view AName);

  // Stores AValue as REG_DWORD (4 bytes, little-endian). False when refused.
  bool WriteInteger(std::string_view AName, int32_t AValue);
  // Stores AText as REG_SZ with its terminating NUL. False when refused.
  bool WriteString(std::string_view AName, std::string_view AText);
  // Stores AValue as given. False when refused.
  bool WriteValue(std::string_view AName, const TRegValue& AValue);
  // Removes AName from the current key. False when it is missing or refused.
  bool DeleteValue(std::string_view AName);

  // The names of the current key's values and of its direct subkeys.
  std::vector<std::string> ValueNames();
  std::vector<std::string> KeyNames();

  // Removes the key APath (relative to the root key) with all its subkeys
  // and values. Closes the current key first. False when it does not exist
  // or cannot be removed.
  bool DeleteKey(std::string_view APath);
  // True when APath exists below the root key. Leaves the current key alone.
  bool KeyExists(std::string_view APath);

  // The system's reason for the most recent failure of this object.
  const std::string& LastError() const;

  struct TImpl;  // the platform's state

 private:
  std::unique_ptr<TImpl> FImpl;
};

}  // namespace platform

#endif  // QUILLORY_PLATFORM_REGISTRY_H_
