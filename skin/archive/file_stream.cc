#include "skin/archive/file_stream.h"

namespace skin {

TFileInput::TFileInput(const std::filesystem::path& APath) : FFile(APath, std::ios::binary) {
  if (!FFile) return;
  FFile.seekg(0, std::ios::end);
  std::streamoff end = FFile.tellg();
  if (end < 0) return;
  FSize = static_cast<std::uint64_t>(end);
  FOpen = true;
}

std::ptrdiff_t TFileInput::ReadAt(std::uint64_t AOffset, std::uint8_t* ABuffer,
                                  std::size_t ACount) {
  if (!FOpen) return -1;
  if (AOffset >= FSize) return 0;
  FFile.clear();
  FFile.seekg(static_cast<std::streamoff>(AOffset));
  FFile.read(reinterpret_cast<char*>(ABuffer), static_cast<std::streamsize>(ACount));
  if (FFile.bad()) return -1;
  return static_cast<std::ptrdiff_t>(FFile.gcount());
}

TFileSink::TFileSink(const std::filesystem::path& APath)
    : FFile(APath, std::ios::binary | std::ios::trunc) {}

bool TFileSink::Write(const std::uint8_t* AData, std::size_t ACount) {
  FFile.write(reinterpret_cast<const char*>(AData), static_cast<std::streamsize>(ACount));
  return static_cast<bool>(FFile);
}

bool TFileSink::Close() {
  if (!FFile.is_open()) return false;
  FFile.flush();
  bool ok = static_cast<bool>(FFile);
  FFile.close();
  return ok && !FFile.fail();
}

bool ReadWholeFile(const std::filesystem::path& APath, std::uint64_t AMaxSize,
                   std::vector<std::uint8_t>& AData) {
  TFileInput input(APath);
  if (!input.IsOpen() || input.Size() > AMaxSize) return false;
  AData.resize(static_cast<std::size_t>(input.Size()));
  return input.ReadAt(0, AData.data(), AData.size()) == static_cast<std::ptrdiff_t>(AData.size());
}

bool WriteWholeFile(const std::filesystem::path& APath, std::span<const std::uint8_t> AData) {
  TFileSink sink(APath);
  return sink.IsOpen() && sink.Write(AData.data(), AData.size()) && sink.Close();
}

}  // namespace skin
