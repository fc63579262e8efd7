// The run-length compressed pixels of Windows BMP streams: BI_RLE8 (8 bits
// per pixel) and BI_RLE4 (4 bits), as a Windows BMP loader reads them.
//
// The stream is a sequence of two-byte codes: a count N > 0 and a value
// (N pixels of that index; for RLE4 the value's two nibbles in turn, high
// nibble first), or 0 and an escape: 0 ends the line, 1 ends the bitmap, 2 is
// followed by two bytes that move the position right and up, and 3 to 255
// are that many indices written literally (RLE8: one byte each; RLE4: two
// per byte, high nibble first), padded to an even number of bytes. Rows
// count from the bottom of the image.
//
// The bytes are untrusted: pixels beyond the end of a row are dropped, a
// move or a line end beyond the last row ends the bitmap, and pixels the
// codes never reach keep index 0. Nothing is ever read or written outside
// the given spans.
//
// Thread safety: pure function.
#ifndef QUILLORY_SKIN_BITMAP_BMP_RLE_H_
#define QUILLORY_SKIN_BITMAP_BMP_RLE_H_

#include <cstdint>
#include <span>
#include <vector>

namespace skin {

enum class TRleResult {
  Ok,
  Truncated,  // the codes end (or a literal run is cut off) before the bitmap ends
};

// Decodes AData (ABits 4 or 8) into AIndices: AWidth x AHeight colour-table
// indices, top row first. AIndices is resized and filled in any case.
TRleResult DecodeBmpRle(std::span<const std::uint8_t> AData, int ABits, int AWidth, int AHeight,
                        std::vector<std::uint8_t>& AIndices);

}  // namespace skin

#endif  // QUILLORY_SKIN_BITMAP_BMP_RLE_H_
