// TRoot: the base of a registry-backed settings section.
//
// A section knows the path of its key (FEntry_Path, set by the subclass) and
// moves its values between memory and that key in LoadContent / SaveContent,
// which LoadSettings / SaveSettings call with the key open. The typed reads
// never fail on a missing value or a value of another kind: they return the
// default given. The typed reads and writes act on the key that is open, so
// they are for LoadContent and SaveContent only; other code assigns a
// section's properties and calls SaveSettings.
//
// Thread safety: none. A section and its registry object are used by one
// thread at a time; after loading, concurrent reads of the properties are
// safe as long as nobody writes them.
#ifndef QUILLORY_CONFIG_ROOT_H_
#define QUILLORY_CONFIG_ROOT_H_

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace config {

using platform::TRegDataType;

class TRoot {
 public:
  // ARegistry is shared with the owner (TReg) and must outlive the section;
  // the section never frees it.
  explicit TRoot(platform::TRegistry& ARegistry) : FRegistry(ARegistry) {}
  virtual ~TRoot() = default;
  TRoot(const TRoot&) = delete;
  TRoot& operator=(const TRoot&) = delete;

  // Opens (and if need be creates) the key FEntry_Path with full access, runs
  // LoadContent and closes the key. False when the key cannot be opened; then
  // nothing is read and the section keeps what it had. Errors raised by
  // LoadContent pass to the caller (the key is closed).
  bool LoadSettings();

  // Opens (and if need be creates) the key, runs SaveContent and closes the
  // key. When the key cannot be opened nothing is written and nothing is
  // reported. A refused write raises EConfigError naming the value (the key
  // is closed).
  void SaveSettings();

 protected:
  // Reads the section's values from the open key.
  virtual void LoadContent() = 0;
  // Writes the section's values to the open key.
  virtual void SaveContent() = 0;

  // True when the open key holds AEntry and its kind is AEntryType.
  bool EntryOk(const std::string& AEntry, TRegDataType AEntryType);

  // The REG_DWORD value AEntry, or ADefault when it is missing or of another
  // kind. Raises EConfigError ("Fehler beim Holen ...") when a REG_DWORD is
  // there but cannot be read.
  int32_t ReadInteger(const std::string& AEntry, int32_t ADefault);
  // The REG_SZ value AEntry up to its first NUL, or ADefault when it is
  // missing or of another kind (REG_EXPAND_SZ included; it is not expanded).
  // A REG_SZ that vanishes before it is read yields "".
  std::string ReadString(const std::string& AEntry, const std::string& ADefault);
  // True when the REG_DWORD value AEntry is nonzero, or ADefault when it is
  // missing or of another kind. Raises as ReadInteger.
  bool ReadBool(const std::string& AEntry, bool ADefault);

  // Store a REG_DWORD, a REG_SZ, or a REG_DWORD 1/0. Raise EConfigError
  // ("Fehler beim Setzen der Daten für '<AEntry>'") when refused.
  void WriteInteger(const std::string& AEntry, int32_t AValue);
  void WriteString(const std::string& AEntry, const std::string& AValue);
  void WriteBool(const std::string& AEntry, bool AValue);

  platform::TRegistry& FRegistry;
  // The key of the section, relative to the registry object's root key.
  std::string FEntry_Path;
};

}  // namespace config

#endif  // QUILLORY_CONFIG_ROOT_H_
