// CRC-32 as ZIP uses it (polynomial 0xEDB88320, reflected).
//
// Thread safety: pure functions.
#ifndef QUILLORY_SKIN_ARCHIVE_CRC32_H_
#define QUILLORY_SKIN_ARCHIVE_CRC32_H_

#include <cstddef>
#include <cstdint>

namespace skin {

// Continues ACrc (0 for a new checksum) over ACount bytes of AData.
std::uint32_t Crc32(std::uint32_t ACrc, const std::uint8_t* AData, std::size_t ACount);

// One step of the CRC-32 register without the final inversion, as the
// traditional PKWARE encryption uses it.
std::uint32_t Crc32Step(std::uint32_t ARegister, std::uint8_t AByte);

}  // namespace skin

#endif  // QUILLORY_SKIN_ARCHIVE_CRC32_H_
