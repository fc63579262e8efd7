// Extraction of one entry from a skin archive.
//
// A skin archive is a ZIP archive whose local headers carry the signature
// "SK" 03 04, with one deflate entry (see zip_format.h), optionally
// encrypted with the traditional PKWARE encryption, and without an archive
// comment. Every offset, size and count in it is untrusted.
//
// Thread safety: the functions share no state; concurrent calls must not
// write the same output file.
#ifndef QUILLORY_SKIN_ARCHIVE_UNZIP_SKIN_ENTRY_H_
#define QUILLORY_SKIN_ARCHIVE_UNZIP_SKIN_ENTRY_H_

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "skin/archive/byte_stream.h"

namespace skin {

enum class TUnzipResult : int {
  Extracted = 0,
  // The archive is missing, unreadable or malformed, the entry is absent,
  // its data does not inflate, or it inflates to nothing.
  ReadFailure = 1,
  // The entry is encrypted and the password is empty or wrong, or it
  // inflates to a length other than the recorded one.
  WrongPasswordOrSize = 2,
};

// What the central directory says about one entry.
struct TSkinEntryInfo {
  std::string Name;
  std::uint16_t Flags = 0;
  std::uint16_t Method = 0;
  std::uint16_t Time = 0;
  std::uint32_t Crc32 = 0;
  std::uint32_t CompressedSize = 0;
  std::uint32_t UncompressedSize = 0;
  std::uint32_t LocalHeaderOffset = 0;
};

// Looks AEntryName up (ASCII case-insensitive) in the central directory of
// AArchive. Empty when the archive does not start "SK", has an archive
// comment or a malformed directory, has a name longer than 259 bytes, or
// lacks the entry.
std::optional<TSkinEntryInfo> FindSkinEntry(TRandomAccessInput& AArchive,
                                            std::string_view AEntryName);

// Inflates the entry AEntry of AArchive into AOutput, decrypting it with
// APassword when it is encrypted. Never writes more than the recorded
// uncompressed size; the result also checks that size and the CRC-32.
TUnzipResult ExtractSkinEntry(TRandomAccessInput& AArchive, const TSkinEntryInfo& AEntry,
                              TByteSink& AOutput, std::string_view APassword);

// Extracts AEntryName from the archive file AArchivePath into the file
// AOutputPath (created or replaced) and returns 0, 1 or 2 as TUnzipResult
// tells. An entry whose recorded size exceeds AMaxSize is not extracted
// (result 1). On a nonzero result the output file is deleted.
TUnzipResult UnzipSkinEntry(const std::filesystem::path& AArchivePath, std::string_view AEntryName,
                            const std::filesystem::path& AOutputPath, std::string_view APassword,
                            std::uint64_t AMaxSize = UINT32_MAX);

}  // namespace skin

#endif  // QUILLORY_SKIN_ARCHIVE_UNZIP_SKIN_ENTRY_H_
