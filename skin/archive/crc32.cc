#include "skin/archive/crc32.h"

#include <array>

namespace skin {
namespace {

// Eight tables for slicing-by-8: table k gives the CRC of a byte followed
// by k zero bytes.
struct TCrcTables {
  std::array<std::array<std::uint32_t, 256>, 8> T{};
  TCrcTables() {
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      T[0][i] = c;
    }
    for (std::uint32_t i = 0; i < 256; ++i) {
      for (int k = 1; k < 8; ++k) T[k][i] = (T[k - 1][i] >> 8) ^ T[0][T[k - 1][i] & 0xFF];
    }
  }
};

const TCrcTables& Tables() {
  static const TCrcTables tables;
  return tables;
}

}  // namespace

std::uint32_t Crc32Step(std::uint32_t ARegister, std::uint8_t AByte) {
  return Tables().T[0][(ARegister ^ AByte) & 0xFF] ^ (ARegister >> 8);
}

std::uint32_t Crc32(std::uint32_t ACrc, const std::uint8_t* AData, std::size_t ACount) {
  const auto& t = Tables().T;
  std::uint32_t c = ~ACrc;
  while (ACount >= 8) {
    std::uint32_t lo = c ^ (AData[0] | AData[1] << 8 | AData[2] << 16 |
                            static_cast<std::uint32_t>(AData[3]) << 24);
    c = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^
        t[3][AData[4]] ^ t[2][AData[5]] ^ t[1][AData[6]] ^ t[0][AData[7]];
    AData += 8;
    ACount -= 8;
  }
  while (ACount-- > 0) c = t[0][(c ^ *AData++) & 0xFF] ^ (c >> 8);
  return ~c;
}

}  // namespace skin
