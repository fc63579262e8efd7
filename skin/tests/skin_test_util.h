// Skins made in tests: descriptions from the writer, packed by the archive
// writer, optionally encrypted.
#ifndef QUILLORY_SKIN_TESTS_SKIN_TEST_UTIL_H_
#define QUILLORY_SKIN_TESTS_SKIN_TEST_UTIL_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/archive/crc32.h"
#include "skin/archive/pkware_cipher.h"
#include "skin/archive/zip_format.h"
#include "skin/bitmap/bmp_codec.h"
#include "skin/compiler/sk2_description_writer.h"
#include "skin/compiler/skin_archive_writer.h"
#include "skin/reader/sk2_format.h"

namespace skin::test {

inline std::vector<std::uint8_t> ArchiveOf(const std::vector<std::uint8_t>& ADescription) {
  return WriteSkinArchive(sk2::kEntryName, ADescription);
}

// Encrypts the single entry of an archive from WriteSkinArchive with the
// traditional PKWARE encryption (check byte: the CRC's high byte).
inline std::vector<std::uint8_t> Encrypted(const std::vector<std::uint8_t>& AArchive,
                                           std::string_view APassword) {
  using namespace zip;
  std::vector<std::uint8_t> a = AArchive;
  const std::size_t end = a.size() - kEndRecordSize;
  const std::size_t cd = Get32(&a[end + 16]);
  const std::size_t dataPos = kLocalHeaderSize + Get16(&a[26]) + Get16(&a[28]);
  const std::uint32_t crc = Get32(&a[14]);
  std::vector<std::uint8_t> header = {1, 2, 3, 4,  5,  6,
                                      7, 8, 9, 10, 11, static_cast<std::uint8_t>(crc >> 24)};
  std::vector<std::uint8_t> data(a.begin() + dataPos, a.begin() + cd);
  header.insert(header.end(), data.begin(), data.end());
  TPkwareCipher(APassword).Encrypt(header.data(), header.size());
  std::vector<std::uint8_t> out(a.begin(), a.begin() + dataPos);
  out.insert(out.end(), header.begin(), header.end());
  const std::size_t newCd = out.size();
  out.insert(out.end(), a.begin() + cd, a.end());
  auto set32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  out[6] |= kFlagEncrypted;
  out[newCd + 8] |= kFlagEncrypted;
  set32(18, Get32(&out[18]) + 12);
  set32(newCd + 20, Get32(&out[newCd + 20]) + 12);
  set32(out.size() - kEndRecordSize + 16, static_cast<std::uint32_t>(newCd));
  return out;
}

// A BMP stream of a AWidth x AHeight image of AColor.
inline std::vector<std::uint8_t> PlainBmp(int AWidth, int AHeight, TColor AColor) {
  return SaveBmp(TBitmap(AWidth, AHeight, AColor));
}

}  // namespace skin::test

#endif  // QUILLORY_SKIN_TESTS_SKIN_TEST_UTIL_H_
