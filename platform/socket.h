// TCP sockets and name resolution.
//
// A TSocket owns one OS socket and closes it on destruction. The operations
// that may be called from a second thread are documented as such; everything
// else belongs to the thread that owns the object.
#ifndef QUILLORY_PLATFORM_SOCKET_H_
#define QUILLORY_PLATFORM_SOCKET_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace platform {

// A failed socket call; what() names the call and the system's reason.
class ESocketError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TAddressFamily { IPv4, IPv6 };

// The backlog that asks Listen() for the longest accept queue the system
// allows: SOMAXCONN on POSIX; on Windows, whose SOMAXCONN settles on a few
// hundred, a hint of 4096 entries, the POSIX default.
inline constexpr int kMaxListenBacklog = -1;

// Makes the socket library usable in this process (WSAStartup on Windows).
// Idempotent and thread-safe; every function below calls it as needed.
void SocketStartup();

// True when the system offers an IPv6 transport (an IPv6 socket can be made).
bool HasIPv6Transport();

class TSocket {
 public:
  TSocket() = default;
  ~TSocket();
  TSocket(TSocket&& AOther) noexcept;
  TSocket& operator=(TSocket&& AOther) noexcept;
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;

  // A socket bound to the any-address of AFamily on APort (0: the system
  // picks one) and listening with a backlog of ABacklog (or
  // kMaxListenBacklog). An IPv6 socket
  // accepts IPv6 only, so an IPv4 socket may share its port. A port in use
  // is refused even when only connections in TIME_WAIT hold it on Windows'
  // terms: the POSIX implementation allows rebinding over TIME_WAIT, the
  // Windows default. Throws ESocketError.
  static TSocket Listen(TAddressFamily AFamily, uint16_t APort, int ABacklog);

  // A connected socket to the numeric address AAddress (tests and tools).
  // Throws ESocketError.
  static TSocket Connect(const std::string& AAddress, uint16_t APort);

  // Two sockets connected to each other (a socket pair, or a loopback
  // connection where the system has no socket pairs). For tests and tools.
  // Throws ESocketError.
  static std::pair<TSocket, TSocket> ConnectedPair();

  bool IsOpen() const;

  // The local port the socket is bound to. Throws ESocketError.
  uint16_t LocalPort() const;

  // Waits at most ATimeoutMs for the socket to become readable (for a
  // listening socket: a connection to accept). Throws ESocketError.
  bool WaitReadable(int ATimeoutMs) const;

  // Accepts one connection; APeerAddress receives its numeric address text
  // (dotted IPv4 or IPv6 text). Throws ESocketError.
  TSocket Accept(std::string& APeerAddress) const;

  // Waits at most ATimeoutMs for a connection on this listening socket and
  // accepts it; nullopt when none came in time. Throws ESocketError. Costs
  // one system call per connection as long as ATimeoutMs stays the same.
  std::optional<TSocket> AcceptWithin(int ATimeoutMs, std::string& APeerAddress);

  // Receives at most ALength bytes, blocking. Returns 0 when the peer has
  // closed its side (or the socket was interrupted). Throws ESocketError.
  std::size_t Receive(char* ABuffer, std::size_t ALength);

  // Sends all ALength bytes, in as many calls as needed. Throws ESocketError.
  void SendAll(const char* AData, std::size_t ALength);

  // Shuts down the sending direction, then releases the OS socket. Idempotent.
  void Close();

  // Wakes a thread blocked in Receive() on this socket and makes every later
  // Receive() return 0, without releasing the OS socket (the owner still
  // calls Close()). Safe to call from another thread while the owner blocks
  // in Receive(); not concurrently with Close().
  void Interrupt();

 private:
  explicit TSocket(std::intptr_t AHandle) : FHandle(AHandle) {}
  std::intptr_t FHandle = -1;  // int fd on POSIX, SOCKET on Windows
  int FAcceptWaitMs = -1;      // POSIX: the accept time-out set on the socket, -1 for none
};

// The host name of the IPv4 address given as numeric text (the reverse
// lookup): address information for the text in the IPv4 family, then the
// name of the first address, a name being required. Throws ESocketError when
// there is no name, the name service fails or the text is no IPv4 address.
std::string HostByAddress(const std::string& AAddress);

}  // namespace platform

#endif  // QUILLORY_PLATFORM_SOCKET_H_
