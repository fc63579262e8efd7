#include "skin/archive/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace skin {

std::ptrdiff_t TMemorySource::Read(std::uint8_t* ABuffer, std::size_t ACount) {
  std::size_t n = std::min(ACount, FData.size());
  if (n > 0) std::memcpy(ABuffer, FData.data(), n);
  FData = FData.subspan(n);
  return static_cast<std::ptrdiff_t>(n);
}

std::ptrdiff_t TRandomAccessSource::Read(std::uint8_t* ABuffer, std::size_t ACount) {
  std::ptrdiff_t n = FInput.ReadAt(FOffset, ABuffer, ACount);
  if (n > 0) FOffset += static_cast<std::uint64_t>(n);
  return n;
}

std::ptrdiff_t TMemoryInput::ReadAt(std::uint64_t AOffset, std::uint8_t* ABuffer,
                                    std::size_t ACount) {
  if (AOffset >= FData.size()) return 0;
  std::size_t n = std::min<std::uint64_t>(ACount, FData.size() - AOffset);
  std::memcpy(ABuffer, FData.data() + AOffset, n);
  return static_cast<std::ptrdiff_t>(n);
}

bool TVectorSink::Write(const std::uint8_t* AData, std::size_t ACount) {
  std::size_t room = FLimit - std::min(FLimit, FTarget.size());
  bool fits = ACount <= room;
  FTarget.insert(FTarget.end(), AData, AData + (fits ? ACount : room));
  return fits;
}

}  // namespace skin
