// Packs one entry into a skin archive: a ZIP archive with "SK" 03 04 local
// headers, the entry deflated, no archive comment (see zip_format.h).
//
// Thread safety: pure function.
#ifndef QUILLORY_SKIN_COMPILER_SKIN_ARCHIVE_WRITER_H_
#define QUILLORY_SKIN_COMPILER_SKIN_ARCHIVE_WRITER_H_

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace skin {

// An archive holding AData deflated as the entry AEntryName. The entry is
// stamped 2000-01-01 00:00 so that the same input gives the same bytes.
std::vector<std::uint8_t> WriteSkinArchive(std::string_view AEntryName,
                                           std::span<const std::uint8_t> AData);

}  // namespace skin

#endif  // QUILLORY_SKIN_COMPILER_SKIN_ARCHIVE_WRITER_H_
