// Raw deflate decoder (RFC 1951) with a bounded, fixed memory footprint.
//
// Input is pulled in 16 KiB chunks and consumed least significant bit first
// through a 64-bit bit buffer. Output goes through one window of 65,794
// bytes (64 KiB plus the longest match): whenever the write position
// reaches 64 KiB the first 32 KiB go to the sink and the rest moves down, so
// at least 32 KiB of history (the longest distance) always stays behind the
// write position. After the final block the rest is written.
//
// Every input byte is untrusted: a reserved block type, too many codes, an
// over-subscribed or incomplete code, a repeat with nothing to repeat or
// running past the lengths, an invalid symbol, a distance reaching before
// the start of the output and input ending before the final block each end
// decoding with their own result; none reads or writes outside the buffers,
// and decoding always ends, since every symbol consumes input.
//
// Thread safety: one TInflater per thread; distinct objects are independent.
#ifndef QUILLORY_SKIN_ARCHIVE_INFLATER_H_
#define QUILLORY_SKIN_ARCHIVE_INFLATER_H_

#include <cstdint>
#include <memory>

#include "skin/archive/byte_stream.h"
#include "skin/archive/huffman_tree.h"

namespace skin {

enum class TInflateResult {
  Ok,
  ReadError,          // the source reported an error
  WriteRefused,       // the sink refused bytes (error or limit)
  Truncated,          // input ended before the final block was complete
  ReservedBlockType,  // block type 3
  TooManyCodes,       // more than 286 literal/length or 30 distance codes
  BadCodeLengths,     // over-subscribed or incomplete code, length > 15
  BadRepeat,          // repeat code with no previous length or past the end
  MissingEndOfBlock,  // the literal/length code has no code for 256
  InvalidCode,        // bits no code matches, or symbols 286/287 or 30/31
  DistanceTooFar,     // a match reaching before the start of the output
};

// A short English description of AResult for messages and tests.
const char* DescribeInflateResult(TInflateResult AResult);

class TInflater {
 public:
  static constexpr std::size_t kWindowSize = 65536 + 258;
  static constexpr std::size_t kFlushAt = 65536;
  static constexpr std::size_t kFlushSize = 32768;
  static constexpr std::size_t kInputChunk = 16384;

  TInflater();
  ~TInflater();
  TInflater(const TInflater&) = delete;
  TInflater& operator=(const TInflater&) = delete;

  // Decodes one raw deflate stream from AInput into AOutput, stopping after
  // the final block (input after it is left unread or ignored). On a
  // failure the bytes decoded before it may already be in AOutput.
  TInflateResult Inflate(TByteSource& AInput, TByteSink& AOutput);

  // Bytes handed to the sink by the last Inflate.
  std::uint64_t BytesWritten() const { return FWritten; }

 private:
  struct TState;
  TInflateResult DecodeStored(TState& S);
  TInflateResult DecodeDynamicTrees(TState& S);
  TInflateResult DecodeCodes(TState& S, const THuffmanTree& ALiteral,
                             const THuffmanTree& ADistance);
  bool Flush(TState& S);

  std::unique_ptr<std::uint8_t[]> FWindow;
  std::unique_ptr<std::uint8_t[]> FChunk;
  THuffmanTree FLiteralTree{15};
  THuffmanTree FDistanceTree{15};
  THuffmanTree FCodeLengthTree{7};
  std::uint64_t FWritten = 0;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_ARCHIVE_INFLATER_H_
