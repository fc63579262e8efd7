// One accepted TCP connection: its socket, the peer's address, the input
// buffer, and the line reading and writing the request handler relies on.
//
// Thread safety: ReadLine, WriteLine and Connected belong to the connection's
// own thread. Disconnect and Interrupt may be called from any thread; they
// share the connection's close lock, so the socket is closed exactly once.
#ifndef QUILLORY_SERVICE_NET_CONNECTION_H_
#define QUILLORY_SERVICE_NET_CONNECTION_H_

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/mutex.h"
#include "platform/socket.h"
#include "service/net/encoding.h"

namespace service {

// A failure of the connection (peer gone, line too long, socket error).
class EConnectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kMaxLineLengthExceeded[] = "Max line length exceeded.";
inline constexpr char kConnectionClosedGracefully[] = "Connection Closed Gracefully.";

class TConnection {
 public:
  // The most one receive call asks for.
  static constexpr std::size_t RecvBufferSize = 32768;
  // The input buffer a connection starts with; a line that outgrows it
  // moves once into a buffer for the longest line allowed.
  static constexpr std::size_t InitialBufferSize = 4096;

  TConnection(platform::TSocket ASocket, std::string APeerAddress);

  // The peer's numeric address (dotted IPv4 or IPv6 text).
  const std::string& PeerAddress() const { return FPeerAddress; }

  // Reads up to ATerminator and returns the line without it (and without a CR
  // right before an LF terminator), decoded with AEncoding. Waits without a
  // time-out. Throws EConnectionError with kConnectionClosedGracefully when
  // the peer closes before the terminator (bytes already buffered are
  // dropped), and with kMaxLineLengthExceeded when more than AMaxLength bytes
  // (AMaxLength > 0) come before the terminator. The second is raised as soon
  // as the buffered bytes prove it, so a connection never buffers more than
  // AMaxLength and the terminator. Every received byte is searched once and
  // decoded once, and received into its place: with AMaxLength > 0 only the
  // first InitialBufferSize bytes of a longer line move once more (the buffer
  // grows once, to the longest line allowed), and bytes read beyond an
  // earlier line move to the front. Bytes after the terminator stay buffered
  // for the next call.
  std::string ReadLine(std::string_view ATerminator = "\n", std::size_t AMaxLength = 0,
                       TTextEncoding AEncoding = TTextEncoding::Ascii);

  // Sends AText followed by CR LF, encoded with AEncoding, no byte order
  // mark. Returns when every byte has been handed to the socket. Throws
  // EConnectionError when the socket fails or is closed.
  void WriteLine(std::string_view AText, TTextEncoding AEncoding = TTextEncoding::Ascii);

  // True until Disconnect.
  bool Connected() EXCLUDES(FCloseLock);

  // When open: shuts down the sending direction and closes the socket.
  // Otherwise nothing.
  void Disconnect() EXCLUDES(FCloseLock);

  // Makes a ReadLine blocked on another thread fail, without releasing the
  // socket; the connection's own thread closes it on its way out.
  void Interrupt() EXCLUDES(FCloseLock);

 private:
  // Makes room for at least one more byte after FEnd.
  void Reserve(std::size_t AMaxLength, std::size_t ATerminatorLength);

  platform::TMutex FCloseLock;
  // Closed only under FCloseLock; ReadLine and WriteLine use it without the
  // lock, which Interrupt() allows.
  platform::TSocket FSocket;
  bool FOpen GUARDED_BY(FCloseLock) = true;
  std::string FPeerAddress;
  // The input buffer: [FStart, FEnd) received and not yet consumed, of which
  // [FStart, FSearched) has been searched for the terminator.
  std::unique_ptr<char[]> FBuffer;
  std::size_t FCapacity = 0;
  std::size_t FStart = 0, FSearched = 0, FEnd = 0;
};

}  // namespace service

#endif  // QUILLORY_SERVICE_NET_CONNECTION_H_
