// The traditional PKWARE encryption of ZIP entries (application note,
// section "Traditional PKWARE Decryption"): three 32-bit keys updated with
// every plain byte.
//
// Thread safety: one object per stream.
#ifndef QUILLORY_SKIN_ARCHIVE_PKWARE_CIPHER_H_
#define QUILLORY_SKIN_ARCHIVE_PKWARE_CIPHER_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace skin {

class TPkwareCipher {
 public:
  // Keys start at 0x12345678, 0x23456789, 0x34567890 and take the low byte
  // of every password character: APassword is UTF-8, its characters are
  // its UTF-16 code units (so "\xC3\xBC", U+00FC, gives the byte 0xFC, as
  // an archiver that takes the password in Latin-1 writes it).
  explicit TPkwareCipher(std::string_view APassword);

  // Decrypts ACount bytes in place.
  void Decrypt(std::uint8_t* AData, std::size_t ACount);
  // Encrypts ACount bytes in place (for writers and tests).
  void Encrypt(std::uint8_t* AData, std::size_t ACount);

 private:
  std::uint8_t KeyStream() const;
  void Update(std::uint8_t APlain);
  std::uint32_t FKey0 = 0x12345678, FKey1 = 0x23456789, FKey2 = 0x34567890;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_ARCHIVE_PKWARE_CIPHER_H_
