// Skin sources: the text a skin author writes, one record per line in the
// order the description gets them:
//
//   # comment
//   bitmap  SKIN2_TITLEBAR1   titlebar1.bmp     (a BMP file)
//   color   SKIN2_FORMCOLOR   0x00EDCDB3        (an integer, 0x00BBGGRR)
//   integer SKIN2_TITLEBARICONPOSX 8
//   boolean SKIN2_TITLEFIVESECT 0               (0, 1, false or true)
//   text    SKIN2_AUTHOR      the rest of the line
//
// Thread safety: pure functions.
#ifndef QUILLORY_SKIN_COMPILER_SKIN_SOURCE_H_
#define QUILLORY_SKIN_COMPILER_SKIN_SOURCE_H_

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "skin/reader/sk2_format.h"

namespace skin {

// A mistake in a skin source or a bitmap it names; what() says where.
class ESkinSourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TSkinSourceRecord {
  sk2::TRecordKind Kind;
  std::string Name;
  std::string Value;  // file name, number or text as written
  int Line;
};

// Parses AText. Throws ESkinSourceError for an unknown kind, a missing or
// too long name, or a number that does not parse.
std::vector<TSkinSourceRecord> ParseSkinSource(std::string_view AText);

// The skin description for ARecords, bitmaps read from ABitmapFolder (each
// must load as a BMP). Throws ESkinSourceError.
std::vector<std::uint8_t> CompileSkinDescription(const std::vector<TSkinSourceRecord>& ARecords,
                                                 const std::filesystem::path& ABitmapFolder);

}  // namespace skin

#endif  // QUILLORY_SKIN_COMPILER_SKIN_SOURCE_H_
