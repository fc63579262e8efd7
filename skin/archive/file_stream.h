// File-backed byte streams (see byte_stream.h).
//
// Thread safety: one thread per object.
#ifndef QUILLORY_SKIN_ARCHIVE_FILE_STREAM_H_
#define QUILLORY_SKIN_ARCHIVE_FILE_STREAM_H_

#include <filesystem>
#include <fstream>

#include "skin/archive/byte_stream.h"

namespace skin {

// A file opened for reading; others may read and write it meanwhile.
class TFileInput final : public TRandomAccessInput {
 public:
  // Opens APath; IsOpen() tells whether that worked.
  explicit TFileInput(const std::filesystem::path& APath);
  bool IsOpen() const { return FOpen; }
  std::uint64_t Size() const override { return FSize; }
  std::ptrdiff_t ReadAt(std::uint64_t AOffset, std::uint8_t* ABuffer, std::size_t ACount) override;

 private:
  std::ifstream FFile;
  std::uint64_t FSize = 0;
  bool FOpen = false;
};

// A file created (or emptied) for writing.
class TFileSink final : public TByteSink {
 public:
  explicit TFileSink(const std::filesystem::path& APath);
  bool IsOpen() const { return FFile.is_open(); }
  bool Write(const std::uint8_t* AData, std::size_t ACount) override;
  // Flushes and closes; false when a write or the close failed.
  bool Close();

 private:
  std::ofstream FFile;
};

// Reads a whole file of at most AMaxSize bytes into AData; false when it
// cannot be read or is larger.
bool ReadWholeFile(const std::filesystem::path& APath, std::uint64_t AMaxSize,
                   std::vector<std::uint8_t>& AData);

// Writes AData to APath, replacing it; false on any failure.
bool WriteWholeFile(const std::filesystem::path& APath, std::span<const std::uint8_t> AData);

}  // namespace skin

#endif  // QUILLORY_SKIN_ARCHIVE_FILE_STREAM_H_
