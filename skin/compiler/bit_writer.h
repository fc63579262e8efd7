// Writes a bit stream least significant bit first, as deflate packs it.
//
// Thread safety: one writer per thread.
#ifndef QUILLORY_SKIN_COMPILER_BIT_WRITER_H_
#define QUILLORY_SKIN_COMPILER_BIT_WRITER_H_

#include <cstdint>
#include <vector>

namespace skin {

class TBitWriter {
 public:
  // Appends the low ACount bits of AValue (ACount <= 32), lowest bit first.
  void Put(std::uint32_t AValue, unsigned ACount) {
    FBits |= static_cast<std::uint64_t>(AValue & Mask(ACount)) << FCount;
    FCount += ACount;
    while (FCount >= 8) {
      FBytes.push_back(static_cast<std::uint8_t>(FBits));
      FBits >>= 8;
      FCount -= 8;
    }
  }

  // Appends a Huffman code of ALength bits: deflate sends codes starting
  // from their most significant bit.
  void PutCode(std::uint32_t ACode, unsigned ALength) {
    std::uint32_t reversed = 0;
    for (unsigned i = 0; i < ALength; ++i) reversed |= ((ACode >> i) & 1u) << (ALength - 1 - i);
    Put(reversed, ALength);
  }

  // Pads with zero bits to the next byte boundary.
  void AlignToByte() {
    if (FCount > 0) Put(0, 8 - FCount);
  }

  // Appends whole bytes; the stream must be byte-aligned.
  void PutBytes(const std::uint8_t* AData, std::size_t ACount) {
    FBytes.insert(FBytes.end(), AData, AData + ACount);
  }

  // The bytes written so far, the last partial byte padded with zeros.
  std::vector<std::uint8_t> Finish() {
    AlignToByte();
    return std::move(FBytes);
  }

  std::vector<std::uint8_t>& Bytes() { return FBytes; }

 private:
  static std::uint32_t Mask(unsigned ACount) {
    return ACount >= 32 ? 0xFFFFFFFFu : (1u << ACount) - 1;
  }
  std::vector<std::uint8_t> FBytes;
  std::uint64_t FBits = 0;
  unsigned FCount = 0;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_COMPILER_BIT_WRITER_H_
