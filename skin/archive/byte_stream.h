// Byte sources and sinks the archive code reads from and writes to.
//
// The inflater pulls compressed bytes from a TByteSource and pushes inflated
// bytes into a TByteSink; the archive reader reads an archive through a
// TRandomAccessInput. Files and memory both implement them, so the same code
// runs on a skin file on disk, on bytes compiled into a program and on
// fuzzer input.
//
// Thread safety: an object of any of these classes is used by one thread at
// a time.
#ifndef QUILLORY_SKIN_ARCHIVE_BYTE_STREAM_H_
#define QUILLORY_SKIN_ARCHIVE_BYTE_STREAM_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace skin {

// A sequential source of bytes.
class TByteSource {
 public:
  virtual ~TByteSource() = default;
  // Copies up to ACount bytes into ABuffer and returns how many were copied:
  // 0 at the end of the data, -1 on a read error. Never blocks forever.
  virtual std::ptrdiff_t Read(std::uint8_t* ABuffer, std::size_t ACount) = 0;
};

// A sequential destination of bytes.
class TByteSink {
 public:
  virtual ~TByteSink() = default;
  // Takes ACount bytes from AData. Returns false when the sink refuses them
  // (write error or limit reached); the caller then stops writing.
  virtual bool Write(const std::uint8_t* AData, std::size_t ACount) = 0;
};

// Bytes that can be read at any offset (an archive file or its image).
class TRandomAccessInput {
 public:
  virtual ~TRandomAccessInput() = default;
  // The number of bytes.
  virtual std::uint64_t Size() const = 0;
  // Reads up to ACount bytes from AOffset into ABuffer; returns the count
  // read (short only at the end of the data) or -1 on a read error.
  virtual std::ptrdiff_t ReadAt(std::uint64_t AOffset, std::uint8_t* ABuffer,
                                std::size_t ACount) = 0;
};

// Reads a span that outlives the source.
class TMemorySource final : public TByteSource {
 public:
  explicit TMemorySource(std::span<const std::uint8_t> AData) : FData(AData) {}
  std::ptrdiff_t Read(std::uint8_t* ABuffer, std::size_t ACount) override;

 private:
  std::span<const std::uint8_t> FData;
};

// Reads a TRandomAccessInput sequentially from a start offset to its end.
class TRandomAccessSource final : public TByteSource {
 public:
  TRandomAccessSource(TRandomAccessInput& AInput, std::uint64_t AOffset)
      : FInput(AInput), FOffset(AOffset) {}
  std::ptrdiff_t Read(std::uint8_t* ABuffer, std::size_t ACount) override;

 private:
  TRandomAccessInput& FInput;
  std::uint64_t FOffset;
};

// A span seen as random-access input; the span outlives the object.
class TMemoryInput final : public TRandomAccessInput {
 public:
  explicit TMemoryInput(std::span<const std::uint8_t> AData) : FData(AData) {}
  std::uint64_t Size() const override { return FData.size(); }
  std::ptrdiff_t ReadAt(std::uint64_t AOffset, std::uint8_t* ABuffer, std::size_t ACount) override;

 private:
  std::span<const std::uint8_t> FData;
};

// Appends to a vector, refusing anything that would take it beyond ALimit
// bytes (the bytes up to the limit are kept).
class TVectorSink final : public TByteSink {
 public:
  explicit TVectorSink(std::vector<std::uint8_t>& ATarget,
                       std::size_t ALimit = static_cast<std::size_t>(-1))
      : FTarget(ATarget), FLimit(ALimit) {}
  bool Write(const std::uint8_t* AData, std::size_t ACount) override;

 private:
  std::vector<std::uint8_t>& FTarget;
  std::size_t FLimit;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_ARCHIVE_BYTE_STREAM_H_
