// Layout of a skin description ("SKINDATA.SK2"), all fields little-endian.
//
// Header (24 bytes):
//   0 magic "ZELWORKS_SK2" (12)  12 header size (int32, 24)
//   16 format version (int32, 2)  20 offset of the first record (int32)
// Record header (77 bytes, packed):
//   0 key name, NUL-padded (64)  64 kind (1)  65 value offset (int32)
//   69 value size (int32)  73 offset of the next record header (int32)
// A record whose next offset is 0 ends the chain and is not loaded. Values:
// a BMP stream (bitmap), int32 (integer), one byte 0/1 (boolean), or
// single-byte text (text).
#ifndef QUILLORY_SKIN_READER_SK2_FORMAT_H_
#define QUILLORY_SKIN_READER_SK2_FORMAT_H_

#include <cstddef>
#include <cstdint>

namespace skin::sk2 {

inline constexpr char kMagic[] = "ZELWORKS_SK2";
inline constexpr std::size_t kMagicSize = 12;
inline constexpr std::int32_t kHeaderSize = 24;
inline constexpr std::int32_t kFormatVersion = 2;
inline constexpr std::size_t kRecordHeaderSize = 77;
inline constexpr std::size_t kNameSize = 64;
inline constexpr std::size_t kKindOffset = 64;
inline constexpr std::size_t kValueOffsetOffset = 65;
inline constexpr std::size_t kValueSizeOffset = 69;
inline constexpr std::size_t kNextOffsetOffset = 73;
// The entry that holds the description in a skin archive.
inline constexpr char kEntryName[] = "SKINDATA.SK2";

enum class TRecordKind : std::uint8_t { Bitmap = 0, Integer = 1, Boolean = 2, Text = 3 };

}  // namespace skin::sk2

#endif  // QUILLORY_SKIN_READER_SK2_FORMAT_H_
