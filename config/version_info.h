// Values of a file's version resource.
//
// A version resource is a tree of blocks. Every block has this layout
// (little-endian; offsets relative to the block's start, which is 32-bit
// aligned relative to the start of the resource):
//
//   0  uint16  length of the whole block in bytes, children included
//   2  uint16  length of the value: bytes for binary values (type 0),
//              UTF-16 code units for text values (type 1)
//   4  uint16  type: 0 binary, 1 text
//   6  UTF-16  key, ended by NUL
//      padding to a 32-bit boundary
//      value
//      padding to a 32-bit boundary
//      child blocks, each 32-bit aligned, up to the block's end
//
// The root block has the key "VS_VERSION_INFO" and a fixed part of 52 bytes
// as its value (signature 0xFEEF04BD first, then the structure version, the
// file version's most and least significant double words, and the product
// version's). Its child "StringFileInfo" holds one string table per language
// (key: language and code page as eight hex digits), whose children are the
// named string entries ("FileVersion", "ProductName", ...).
//
// Every byte is untrusted: a length that leaves its parent, a key without
// its NUL or a value beyond the block's end is reported, never followed.
//
// Thread safety: pure functions, except FileVersionValue, which reads a file.
#ifndef QUILLORY_CONFIG_VERSION_INFO_H_
#define QUILLORY_CONFIG_VERSION_INFO_H_

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace config {

// FileVersionValue could not give a value; what() is the message to show.
class EVersionInfoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The outcome of ParseVersionInfo.
enum class TVersionParse {
  Ok,
  Truncated,       // a block or its header runs past the end of its parent
  BadBlock,        // a block length smaller than its header and key
  NotVersionInfo,  // the root block's key is not "VS_VERSION_INFO"
  NoFixedPart,     // the root block's value is too short for the fixed part
  BadSignature,    // the fixed part does not begin with 0xFEEF04BD
};

// What a version resource holds that the program reads.
struct TVersionInfo {
  uint32_t FileVersionMS = 0, FileVersionLS = 0;
  uint32_t ProductVersionMS = 0, ProductVersionLS = 0;
  // The entries of the first string table, names and texts in UTF-8, in
  // resource order. Empty when the resource has no string table.
  std::vector<std::pair<std::string, std::string>> Strings;
};

// Reads the version resource AData[0..ASize) into AInfo. On any result but
// Ok, AInfo is left in an unspecified but valid state.
TVersionParse ParseVersionInfo(const uint8_t* AData, size_t ASize, TVersionInfo& AInfo);

// The value selected by ASelector: 0 "FileVersion", 1 "FileDescription",
// 2 "ProductName", 3 "ProductVersion" (string entries, names matched without
// regard to ASCII letter case, empty when missing); 4 the fixed file version
// and 5 the fixed product version, each as "%u.%u.%u.%u". Every other
// selector gives the empty string.
std::string VersionValue(const TVersionInfo& AInfo, uint8_t ASelector);

// VersionValue of the version resource of the file AFileName (UTF-8, used
// unchanged: a name without folder is relative to the current directory).
// Throws EVersionInfoError "The file <name> does not exist" when there is no
// such file, and "File contains no version information" when the file has
// no version resource or one that does not parse.
std::string FileVersionValue(const std::string& AFileName, uint8_t ASelector);

}  // namespace config

#endif  // QUILLORY_CONFIG_VERSION_INFO_H_
