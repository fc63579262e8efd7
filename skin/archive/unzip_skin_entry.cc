#include "skin/archive/unzip_skin_entry.h"

#include <system_error>

#include "base/ascii.h"

#include "skin/archive/crc32.h"
#include "skin/archive/file_stream.h"
#include "skin/archive/inflater.h"
#include "skin/archive/pkware_cipher.h"
#include "skin/archive/zip_format.h"

namespace skin {
namespace {

bool ReadExactly(TRandomAccessInput& AInput, std::uint64_t AOffset, std::uint8_t* ABuffer,
                 std::size_t ACount) {
  return AInput.ReadAt(AOffset, ABuffer, ACount) == static_cast<std::ptrdiff_t>(ACount);
}

// Decrypts what the inner source delivers.
class TDecryptingSource final : public TByteSource {
 public:
  TDecryptingSource(TByteSource& AInner, TPkwareCipher& ACipher)
      : FInner(AInner), FCipher(ACipher) {}
  std::ptrdiff_t Read(std::uint8_t* ABuffer, std::size_t ACount) override {
    std::ptrdiff_t n = FInner.Read(ABuffer, ACount);
    if (n > 0) FCipher.Decrypt(ABuffer, static_cast<std::size_t>(n));
    return n;
  }

 private:
  TByteSource& FInner;
  TPkwareCipher& FCipher;
};

// Passes at most ALimit bytes on, counting them and their CRC-32.
class TCheckingSink final : public TByteSink {
 public:
  TCheckingSink(TByteSink& AInner, std::uint64_t ALimit) : FInner(AInner), FLimit(ALimit) {}
  bool Write(const std::uint8_t* AData, std::size_t ACount) override {
    if (ACount > FLimit - FCount) {
      FOverLimit = true;
      return false;
    }
    FCount += ACount;
    FCrc = Crc32(FCrc, AData, ACount);
    return FInner.Write(AData, ACount);
  }
  std::uint64_t Count() const { return FCount; }
  std::uint32_t Crc() const { return FCrc; }
  bool OverLimit() const { return FOverLimit; }

 private:
  TByteSink& FInner;
  std::uint64_t FLimit;
  std::uint64_t FCount = 0;
  std::uint32_t FCrc = 0;
  bool FOverLimit = false;
};

}  // namespace

std::optional<TSkinEntryInfo> FindSkinEntry(TRandomAccessInput& AArchive,
                                            std::string_view AEntryName) {
  std::uint8_t b[zip::kCentralEntrySize];
  if (!ReadExactly(AArchive, 0, b, 4) || b[0] != 'S' || b[1] != 'K') return std::nullopt;

  // Only an end record without a comment sits in the last 22 bytes.
  const std::uint64_t size = AArchive.Size();
  if (size < zip::kEndRecordSize) return std::nullopt;
  const std::uint64_t endPos = size - zip::kEndRecordSize;
  if (!ReadExactly(AArchive, endPos, b, zip::kEndRecordSize) ||
      zip::Get32(b) != zip::kEndSignature || zip::Get16(b + 20) != 0) {
    return std::nullopt;
  }

  // Each entry advances the position by at least 46 bytes, so the walk ends.
  std::uint64_t pos = zip::Get32(b + 16);
  while (pos < endPos) {
    if (!ReadExactly(AArchive, pos, b, zip::kCentralEntrySize) ||
        zip::Get32(b) != zip::kCentralSignature) {
      return std::nullopt;
    }
    TSkinEntryInfo info;
    info.Flags = zip::Get16(b + 8);
    info.Method = zip::Get16(b + 10);
    info.Time = zip::Get16(b + 12);
    info.Crc32 = zip::Get32(b + 16);
    info.CompressedSize = zip::Get32(b + 20);
    info.UncompressedSize = zip::Get32(b + 24);
    std::size_t nameLength = zip::Get16(b + 28);
    std::uint64_t skip = std::uint64_t{zip::Get16(b + 30)} + zip::Get16(b + 32);
    info.LocalHeaderOffset = zip::Get32(b + 42);
    if (nameLength > zip::kMaxNameLength) return std::nullopt;
    info.Name.resize(nameLength);
    if (!ReadExactly(AArchive, pos + zip::kCentralEntrySize,
                     reinterpret_cast<std::uint8_t*>(info.Name.data()), nameLength)) {
      return std::nullopt;
    }
    if (base::EqualsIgnoringAsciiCase(info.Name, AEntryName)) return info;
    pos += zip::kCentralEntrySize + nameLength + skip;
  }
  return std::nullopt;
}

TUnzipResult ExtractSkinEntry(TRandomAccessInput& AArchive, const TSkinEntryInfo& AEntry,
                              TByteSink& AOutput, std::string_view APassword) {
  // Only the archive's first two bytes are checked ("SK"); the entry's own
  // local header is read for its name and extra lengths, whatever its
  // signature.
  std::uint8_t local[zip::kLocalHeaderSize];
  if (!ReadExactly(AArchive, AEntry.LocalHeaderOffset, local, sizeof local)) {
    return TUnzipResult::ReadFailure;
  }
  std::uint64_t dataPos = std::uint64_t{AEntry.LocalHeaderOffset} + zip::kLocalHeaderSize +
                          zip::Get16(local + 26) + zip::Get16(local + 28);

  const bool encrypted = (AEntry.Flags & zip::kFlagEncrypted) != 0;
  TPkwareCipher cipher(APassword);
  if (encrypted) {
    if (APassword.empty()) return TUnzipResult::WrongPasswordOrSize;
    std::uint8_t header[zip::kEncryptionHeaderSize];
    if (!ReadExactly(AArchive, dataPos, header, sizeof header)) return TUnzipResult::ReadFailure;
    cipher.Decrypt(header, sizeof header);
    std::uint8_t check = (AEntry.Flags & zip::kFlagDataDescriptor)
                             ? static_cast<std::uint8_t>(AEntry.Time >> 8)
                             : static_cast<std::uint8_t>(AEntry.Crc32 >> 24);
    if (header[zip::kEncryptionHeaderSize - 1] != check) return TUnzipResult::WrongPasswordOrSize;
    dataPos += zip::kEncryptionHeaderSize;
  }

  // Decoding stops at the final block; the compressed size and the method
  // field are not consulted.
  TRandomAccessSource raw(AArchive, dataPos);
  TDecryptingSource decrypted(raw, cipher);
  TByteSource& source = encrypted ? static_cast<TByteSource&>(decrypted) : raw;
  TCheckingSink sink(AOutput, AEntry.UncompressedSize);
  TInflater inflater;
  TInflateResult inflated = inflater.Inflate(source, sink);

  // Data that decodes to the wrong length was most likely decrypted with a
  // wrong password; for a plain entry it is damage.
  const TUnzipResult damaged =
      encrypted ? TUnzipResult::WrongPasswordOrSize : TUnzipResult::ReadFailure;
  if (sink.OverLimit()) return TUnzipResult::WrongPasswordOrSize;
  if (inflated != TInflateResult::Ok) return damaged;
  if (sink.Count() == 0) return TUnzipResult::ReadFailure;
  if (sink.Count() != AEntry.UncompressedSize) return TUnzipResult::WrongPasswordOrSize;
  if (sink.Crc() != AEntry.Crc32) return damaged;
  return TUnzipResult::Extracted;
}

TUnzipResult UnzipSkinEntry(const std::filesystem::path& AArchivePath, std::string_view AEntryName,
                            const std::filesystem::path& AOutputPath, std::string_view APassword,
                            std::uint64_t AMaxSize) {
  TUnzipResult result = TUnzipResult::ReadFailure;
  TFileInput archive(AArchivePath);
  std::optional<TSkinEntryInfo> entry;
  if (archive.IsOpen()) entry = FindSkinEntry(archive, AEntryName);
  if (entry && entry->UncompressedSize <= AMaxSize) {
    TFileSink output(AOutputPath);
    if (output.IsOpen()) {
      result = ExtractSkinEntry(archive, *entry, output, APassword);
      if (!output.Close() && result == TUnzipResult::Extracted) {
        result = TUnzipResult::ReadFailure;
      }
    }
  }
  if (result != TUnzipResult::Extracted) {
    std::error_code ignored;
    std::filesystem::remove(AOutputPath, ignored);
  }
  return result;
}

}  // namespace skin
