// The file that holds one key's values in the file-backed registry store.
//
// Layout (all integers little-endian, no padding):
//
//   offset 0   8 bytes   magic "QREGVAL1"
//   then zero or more records up to the end of the file, each:
//              u32       name length N (at most kMaxValueNameBytes)
//              N bytes   value name, UTF-8 ("" is the key's default value)
//              u32       type code (kRegSz, kRegDword, ... any number)
//              u32       data length D (at most kMaxValueDataBytes)
//              D bytes   data: UTF-8 with its NULs for the text kinds,
//                        the stored bytes for every other kind
//
// No two records name the same value (names compare without regard to ASCII
// letter case). A file is replaced as a whole, never edited in place, so a
// reader sees either the old or the new file.
//
// Thread safety: stateless functions.
#ifndef QUILLORY_PLATFORM_POSIX_REGISTRY_FILE_H_
#define QUILLORY_PLATFORM_POSIX_REGISTRY_FILE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace platform::posix {

inline constexpr char kValuesFileMagic[] = "QREGVAL1";
inline constexpr std::size_t kValuesFileMagicSize = 8;
inline constexpr std::size_t kMaxValueNameBytes = 16383 * 3;
inline constexpr std::size_t kMaxValueDataBytes = 16 * 1024 * 1024;

struct TStoredValue {
  std::string Name;
  TRegValue Value;
};

enum class TValuesFileResult {
  Ok,
  BadMagic,       // too short for the magic, or another magic
  Truncated,      // a record ends before its stated lengths
  NameTooLong,    // a name length above kMaxValueNameBytes
  DataTooLong,    // a data length above kMaxValueDataBytes
  DuplicateName,  // two records with the same name
};

// Parses ABytes into AValues (replaced; in file order). On any result other
// than Ok, AValues is empty.
TValuesFileResult ParseValuesFile(std::string_view ABytes, std::vector<TStoredValue>& AValues);

// The file bytes for AValues. The caller keeps names unique and lengths
// within the limits.
std::string SerializeValuesFile(const std::vector<TStoredValue>& AValues);

// A readable reason for AResult.
const char* ValuesFileResultText(TValuesFileResult AResult);

// True when the two names are equal apart from ASCII letter case.
bool SameRegistryName(std::string_view A, std::string_view B);

}  // namespace platform::posix

#endif  // QUILLORY_PLATFORM_POSIX_REGISTRY_FILE_H_
