// Record layouts of skin archives: ZIP archives (PKWARE application note)
// whose local file headers are signed "SK" 03 04 instead of "PK" 03 04.
// Every field is little-endian.
//
// Local file header (30 bytes, then name and extra field):
//   0 signature  4 version needed  6 flags  8 method  10 time  12 date
//   14 CRC-32  18 compressed size  22 uncompressed size  26 name length
//   28 extra length
// Central directory entry (46 bytes, then name, extra field, comment):
//   0 signature  4 version made by  6 version needed  8 flags  10 method
//   12 time  14 date  16 CRC-32  20 compressed size  24 uncompressed size
//   28 name length  30 extra length  32 comment length  34 disk number
//   36 internal attributes  38 external attributes  42 local header offset
// End of central directory record (22 bytes, then comment):
//   0 signature  4 disk number  6 disk of the directory  8 entries on disk
//   10 total entries  12 directory size  16 directory offset
//   20 comment length
#ifndef QUILLORY_SKIN_ARCHIVE_ZIP_FORMAT_H_
#define QUILLORY_SKIN_ARCHIVE_ZIP_FORMAT_H_

#include <cstdint>
#include <vector>

#include "base/little_endian.h"

namespace skin::zip {

inline constexpr std::uint32_t kSkinLocalSignature = 0x04034B53;  // "SK" 03 04
inline constexpr std::uint32_t kZipLocalSignature = 0x04034B50;   // "PK" 03 04
inline constexpr std::uint32_t kCentralSignature = 0x02014B50;
inline constexpr std::uint32_t kEndSignature = 0x06054B50;
inline constexpr std::size_t kLocalHeaderSize = 30;
inline constexpr std::size_t kCentralEntrySize = 46;
inline constexpr std::size_t kEndRecordSize = 22;
// Longest entry name the reader accepts.
inline constexpr std::size_t kMaxNameLength = 259;
inline constexpr std::uint16_t kFlagEncrypted = 1 << 0;
inline constexpr std::uint16_t kFlagDataDescriptor = 1 << 3;
inline constexpr std::uint16_t kMethodDeflate = 8;
inline constexpr std::size_t kEncryptionHeaderSize = 12;

// The archive's fields, read and written with the little-endian helpers.
inline std::uint16_t Get16(const std::uint8_t* p) {
  return base::LoadLe16(p);
}
inline std::uint32_t Get32(const std::uint8_t* p) {
  return base::LoadLe32(p);
}
inline void Put16(std::vector<std::uint8_t>& AOut, std::uint32_t AValue) {
  base::AppendLe16(AOut, AValue);
}
inline void Put32(std::vector<std::uint8_t>& AOut, std::uint32_t AValue) {
  base::AppendLe32(AOut, AValue);
}

}  // namespace skin::zip

#endif  // QUILLORY_SKIN_ARCHIVE_ZIP_FORMAT_H_
