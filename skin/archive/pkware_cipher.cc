#include "skin/archive/pkware_cipher.h"

#include "skin/archive/crc32.h"

namespace skin {

TPkwareCipher::TPkwareCipher(std::string_view APassword) {
  for (char c : APassword) Update(static_cast<std::uint8_t>(c));
}

std::uint8_t TPkwareCipher::KeyStream() const {
  std::uint32_t temp = (FKey2 | 2) & 0xFFFF;
  return static_cast<std::uint8_t>((temp * (temp ^ 1)) >> 8);
}

void TPkwareCipher::Update(std::uint8_t APlain) {
  FKey0 = Crc32Step(FKey0, APlain);
  FKey1 = (FKey1 + (FKey0 & 0xFF)) * 134775813u + 1;
  FKey2 = Crc32Step(FKey2, static_cast<std::uint8_t>(FKey1 >> 24));
}

void TPkwareCipher::Decrypt(std::uint8_t* AData, std::size_t ACount) {
  for (std::size_t i = 0; i < ACount; ++i) {
    AData[i] ^= KeyStream();
    Update(AData[i]);
  }
}

void TPkwareCipher::Encrypt(std::uint8_t* AData, std::size_t ACount) {
  for (std::size_t i = 0; i < ACount; ++i) {
    std::uint8_t plain = AData[i];
    AData[i] ^= KeyStream();
    Update(plain);
  }
}

}  // namespace skin
