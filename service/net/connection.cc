#include "service/net/connection.h"

#include <algorithm>
#include <cstring>

namespace service {

TConnection::TConnection(platform::TSocket ASocket, std::string APeerAddress)
    : FSocket(std::move(ASocket)), FPeerAddress(std::move(APeerAddress)) {}

std::string TConnection::ReadLine(std::string_view ATerminator, std::size_t AMaxLength,
                                  TTextEncoding AEncoding) {
  const std::size_t terminator = ATerminator.size();
  for (;;) {
    const std::string_view input(FBuffer.get() + FStart, FEnd - FStart);
    const std::size_t pos = input.find(ATerminator, FSearched - FStart);
    if (pos != std::string_view::npos) {
      if (AMaxLength > 0 && pos > AMaxLength) throw EConnectionError(kMaxLineLengthExceeded);
      std::size_t end = pos;
      if (ATerminator == "\n" && end > 0 && input[end - 1] == '\r') --end;
      std::string line = Decode(input.substr(0, end), AEncoding);
      FStart += pos + terminator;
      FSearched = FStart;
      if (FStart == FEnd) {
        FStart = FSearched = FEnd = 0;
        if (FCapacity > InitialBufferSize) {  // a long line's buffer is not kept
          FBuffer.reset();
          FCapacity = 0;
        }
      }
      return line;
    }
    // Bytes that can no longer be the start of a terminator are never
    // searched again; a terminator can come at FSearched at the earliest.
    FSearched = FEnd - FStart >= terminator ? FEnd - terminator + 1 : FStart;
    if (AMaxLength > 0 && FSearched - FStart > AMaxLength)
      throw EConnectionError(kMaxLineLengthExceeded);
    Reserve(AMaxLength, terminator);
    std::size_t n;
    try {
      n = FSocket.Receive(FBuffer.get() + FEnd, std::min(FCapacity - FEnd, RecvBufferSize));
    } catch (const platform::ESocketError& e) {
      throw EConnectionError(e.what());
    }
    if (n == 0) throw EConnectionError(kConnectionClosedGracefully);
    FEnd += n;
  }
}

void TConnection::Reserve(std::size_t AMaxLength, std::size_t ATerminatorLength) {
  if (FEnd < FCapacity) return;
  const std::size_t buffered = FEnd - FStart;
  if (FStart > 0) {
    // The rest of an earlier line's read: move it to the front.
    std::memmove(FBuffer.get(), FBuffer.get() + FStart, buffered);
    FSearched -= FStart;
    FStart = 0;
    FEnd = buffered;
    return;
  }
  // A line takes at most AMaxLength bytes and its terminator: the first
  // growth goes there at once, so the bytes move only this once.
  std::size_t capacity = InitialBufferSize;
  if (FCapacity > 0) {
    const std::size_t longest = AMaxLength + ATerminatorLength;
    capacity = AMaxLength > 0 && longest > FCapacity ? longest : 2 * FCapacity;
  }
  auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
  if (buffered > 0) std::memcpy(buffer.get(), FBuffer.get(), buffered);
  FBuffer = std::move(buffer);
  FCapacity = capacity;
}

void TConnection::WriteLine(std::string_view AText, TTextEncoding AEncoding) {
  std::string bytes = Encode(AText, AEncoding);
  bytes += "\r\n";
  if (!Connected()) throw EConnectionError("Not connected.");
  try {
    FSocket.SendAll(bytes.data(), bytes.size());
  } catch (const platform::ESocketError& e) {
    throw EConnectionError(e.what());
  }
}

bool TConnection::Connected() {
  platform::TMutexLock lock(FCloseLock);
  return FOpen;
}

void TConnection::Disconnect() {
  platform::TMutexLock lock(FCloseLock);
  if (!FOpen) return;
  FOpen = false;
  FSocket.Close();
}

void TConnection::Interrupt() {
  platform::TMutexLock lock(FCloseLock);
  if (FOpen) FSocket.Interrupt();
}

}  // namespace service
