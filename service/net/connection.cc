#include "service/net/connection.h"

namespace service {

TConnection::TConnection(platform::TSocket ASocket, std::string APeerAddress)
    : FSocket(std::move(ASocket)), FPeerAddress(std::move(APeerAddress)) {}

std::string TConnection::ReadLine(std::string_view ATerminator, std::size_t AMaxLength,
                                  TTextEncoding AEncoding) {
  char chunk[RecvBufferSize];
  for (;;) {
    const std::size_t pos = FInput.find(ATerminator, FSearchStart);
    // Bytes that can no longer be the start of a terminator are never
    // searched again.
    FSearchStart = FInput.size() >= ATerminator.size() ? FInput.size() - ATerminator.size() + 1 : 0;
    if (pos != std::string::npos) {
      if (AMaxLength > 0 && pos > AMaxLength) throw EConnectionError(kMaxLineLengthExceeded);
      std::size_t end = pos;
      if (ATerminator == "\n" && end > 0 && FInput[end - 1] == '\r') --end;
      std::string line = Decode(std::string_view(FInput).substr(0, end), AEncoding);
      FInput.erase(0, pos + ATerminator.size());
      FSearchStart = 0;
      return line;
    }
    // No terminator among the buffered bytes: a terminator can come at
    // position FSearchStart at the earliest.
    if (AMaxLength > 0 && FSearchStart > AMaxLength) throw EConnectionError(kMaxLineLengthExceeded);
    std::size_t n;
    try {
      n = FSocket.Receive(chunk, sizeof chunk);
    } catch (const platform::ESocketError& e) {
      throw EConnectionError(e.what());
    }
    if (n == 0) throw EConnectionError(kConnectionClosedGracefully);
    FInput.append(chunk, n);
  }
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
  std::lock_guard lock(FCloseLock);
  return FOpen;
}

void TConnection::Disconnect() {
  std::lock_guard lock(FCloseLock);
  if (!FOpen) return;
  FOpen = false;
  FSocket.Close();
}

void TConnection::Interrupt() {
  std::lock_guard lock(FCloseLock);
  if (FOpen) FSocket.Interrupt();
}

}  // namespace service
