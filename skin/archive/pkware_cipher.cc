#include "skin/archive/pkware_cipher.h"

#include "skin/archive/crc32.h"

namespace skin {

namespace {

// Calls AOnUnit with every UTF-16 code unit of the UTF-8 text AText; a
// malformed sequence gives U+FFFD for its first byte.
template <typename F>
void ForEachUtf16Unit(std::string_view AText, F&& AOnUnit) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(AText.data());
  const std::size_t n = AText.size();
  for (std::size_t i = 0; i < n;) {
    const std::uint8_t lead = p[i];
    std::size_t length = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC2 ? 2
                                        : 0;
    std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = length != 0 && length <= n - i && lead < 0xF5;
    for (std::size_t k = 1; valid && k < length; ++k) {
      valid = (p[i + k] & 0xC0) == 0x80;
      code = code << 6 | (p[i + k] & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed too.
    static constexpr std::uint32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= kLeast[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    if (!valid) {
      AOnUnit(0xFFFD);
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      AOnUnit(static_cast<std::uint16_t>(0xD800 + ((code - 0x10000) >> 10)));
      AOnUnit(static_cast<std::uint16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
      AOnUnit(static_cast<std::uint16_t>(code));
    }
    i += length;
  }
}

}  // namespace

TPkwareCipher::TPkwareCipher(std::string_view APassword) {
  ForEachUtf16Unit(
      APassword, [this](std::uint16_t AUnit) { Update(static_cast<std::uint8_t>(AUnit & 0xFF)); });
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
