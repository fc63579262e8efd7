// Little-endian integers in byte buffers, as the file formats read here store
// them (ZIP archives, skin descriptions, BMP streams, version resources, the
// registry store's values files). The caller checks that the bytes are there.
//
// Thread safety: pure functions.
#ifndef QUILLORY_BASE_LITTLE_ENDIAN_H_
#define QUILLORY_BASE_LITTLE_ENDIAN_H_

#include <cstdint>

namespace base {

// The 16-bit value in the two bytes at AData.
template <typename TByte>
constexpr std::uint16_t LoadLe16(const TByte* AData) {
  static_assert(sizeof(TByte) == 1);
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(AData[0]) |
                                    static_cast<std::uint8_t>(AData[1]) << 8);
}

// The 32-bit value in the four bytes at AData.
template <typename TByte>
constexpr std::uint32_t LoadLe32(const TByte* AData) {
  return std::uint32_t{LoadLe16(AData)} | std::uint32_t{LoadLe16(AData + 2)} << 16;
}

// Appends AValue's two low bytes to AOut (a container of bytes or chars).
template <typename TContainer>
void AppendLe16(TContainer& AOut, std::uint32_t AValue) {
  using TByte = typename TContainer::value_type;
  AOut.push_back(static_cast<TByte>(AValue & 0xFF));
  AOut.push_back(static_cast<TByte>((AValue >> 8) & 0xFF));
}

// Appends AValue's four bytes to AOut.
template <typename TContainer>
void AppendLe32(TContainer& AOut, std::uint32_t AValue) {
  AppendLe16(AOut, AValue & 0xFFFF);
  AppendLe16(AOut, AValue >> 16);
}

}  // namespace base

#endif  // QUILLORY_BASE_LITTLE_ENDIAN_H_
