#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/socket.h"

namespace platform {

namespace {

[[noreturn]] void Fail(const char* ACall, int AError = errno) {
  throw ESocketError(std::string(ACall) + ": " + std::strerror(AError));
}

int Fd(std::intptr_t AHandle) {
  return static_cast<int>(AHandle);
}

}  // namespace

void SocketStartup() {}

bool HasIPv6Transport() {
  int fd = ::socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

TSocket::~TSocket() {
  Close();
}

TSocket::TSocket(TSocket&& AOther) noexcept
    : FHandle(AOther.FHandle), FAcceptWaitMs(AOther.FAcceptWaitMs) {
  AOther.FHandle = -1;
}

TSocket& TSocket::operator=(TSocket&& AOther) noexcept {
  if (this != &AOther) {
    Close();
    FHandle = AOther.FHandle;
    FAcceptWaitMs = AOther.FAcceptWaitMs;
    AOther.FHandle = -1;
  }
  return *this;
}

bool TSocket::IsOpen() const {
  return FHandle >= 0;
}

TSocket TSocket::Listen(TAddressFamily AFamily, uint16_t APort, int ABacklog) {
  const int family = AFamily == TAddressFamily::IPv4 ? AF_INET : AF_INET6;
  int fd = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) Fail("socket");
  TSocket sock(fd);
  // Linux refuses to bind a port that closed connections hold in TIME_WAIT
  // unless SO_REUSEADDR is set; Windows binds without it. A port held by a
  // listening socket stays refused either way.
  int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_storage addr{};
  socklen_t len;
  if (family == AF_INET) {
    auto* a = reinterpret_cast<sockaddr_in*>(&addr);
    a->sin_family = AF_INET;
    a->sin_port = htons(APort);
    a->sin_addr.s_addr = htonl(INADDR_ANY);
    len = sizeof *a;
  } else {
    // Dual-stack sockets would collide with the IPv4 binding on the same port.
    if (::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on) != 0) Fail("IPV6_V6ONLY");
    auto* a = reinterpret_cast<sockaddr_in6*>(&addr);
    a->sin6_family = AF_INET6;
    a->sin6_port = htons(APort);
    a->sin6_addr = in6addr_any;
    len = sizeof *a;
  }
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0) Fail("bind");
  if (::listen(fd, ABacklog == kMaxListenBacklog ? SOMAXCONN : ABacklog) != 0) Fail("listen");
  return sock;
}

TSocket TSocket::Connect(const std::string& AAddress, uint16_t APort) {
  sockaddr_storage addr{};
  socklen_t len;
  auto* a4 = reinterpret_cast<sockaddr_in*>(&addr);
  auto* a6 = reinterpret_cast<sockaddr_in6*>(&addr);
  if (::inet_pton(AF_INET, AAddress.c_str(), &a4->sin_addr) == 1) {
    a4->sin_family = AF_INET;
    a4->sin_port = htons(APort);
    len = sizeof *a4;
  } else if (::inet_pton(AF_INET6, AAddress.c_str(), &a6->sin6_addr) == 1) {
    a6->sin6_family = AF_INET6;
    a6->sin6_port = htons(APort);
    len = sizeof *a6;
  } else {
    throw ESocketError("connect: not a numeric address: " + AAddress);
  }
  int fd = ::socket(addr.ss_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) Fail("socket");
  TSocket sock(fd);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0) Fail("connect");
  return sock;
}

std::pair<TSocket, TSocket> TSocket::ConnectedPair() {
  int fds[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) Fail("socketpair");
  return {TSocket(fds[0]), TSocket(fds[1])};
}

uint16_t TSocket::LocalPort() const {
  sockaddr_storage addr{};
  socklen_t len = sizeof addr;
  if (::getsockname(Fd(FHandle), reinterpret_cast<sockaddr*>(&addr), &len) != 0)
    Fail("getsockname");
  if (addr.ss_family == AF_INET) return ntohs(reinterpret_cast<sockaddr_in*>(&addr)->sin_port);
  return ntohs(reinterpret_cast<sockaddr_in6*>(&addr)->sin6_port);
}

bool TSocket::WaitReadable(int ATimeoutMs) const {
  pollfd p{Fd(FHandle), POLLIN, 0};
  for (;;) {
    int rc = ::poll(&p, 1, ATimeoutMs);
    if (rc >= 0) return rc > 0;
    if (errno != EINTR) Fail("poll");
  }
}

namespace {

// accept4() that reports a time-out (SO_RCVTIMEO) as -1 with errno EAGAIN.
int AcceptFd(int AListener, std::string& APeerAddress) {
  sockaddr_storage addr{};
  socklen_t len = sizeof addr;
  int fd;
  do {
    fd = ::accept4(AListener, reinterpret_cast<sockaddr*>(&addr), &len, SOCK_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return -1;
  char text[INET6_ADDRSTRLEN] = {};
  const void* src =
      addr.ss_family == AF_INET
          ? static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(&addr)->sin_addr)
          : static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(&addr)->sin6_addr);
  ::inet_ntop(addr.ss_family, src, text, sizeof text);
  APeerAddress = text;
  return fd;
}

}  // namespace

TSocket TSocket::Accept(std::string& APeerAddress) const {
  int fd = AcceptFd(Fd(FHandle), APeerAddress);
  if (fd < 0) Fail("accept");
  return TSocket(fd);
}

std::optional<TSocket> TSocket::AcceptWithin(int ATimeoutMs, std::string& APeerAddress) {
  // A blocking accept bounded by the receive time-out: on some kernels (the
  // gVisor sandbox among them) poll() on a listening socket wakes up tens of
  // milliseconds late, which would cap the accept rate. The time-out is set
  // once, not per connection.
  if (FAcceptWaitMs != ATimeoutMs) {
    timeval tv{ATimeoutMs / 1000, (ATimeoutMs % 1000) * 1000};
    if (::setsockopt(Fd(FHandle), SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) != 0)
      Fail("SO_RCVTIMEO");
    FAcceptWaitMs = ATimeoutMs;
  }
  // The accepted socket inherits the time-out; Receive() clears it the first
  // time it expires, so a request that is already there costs no extra call.
  int fd = AcceptFd(Fd(FHandle), APeerAddress);
  if (fd >= 0) return TSocket(fd);
  if (errno == EAGAIN || errno == EWOULDBLOCK) return std::nullopt;
  Fail("accept");
}

std::size_t TSocket::Receive(char* ABuffer, std::size_t ALength) {
  for (;;) {
    ssize_t n = ::recv(Fd(FHandle), ABuffer, ALength, 0);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      // The accept time-out inherited from the listening socket (the socket
      // itself blocks): from now on wait without one.
      timeval none{0, 0};
      if (::setsockopt(Fd(FHandle), SOL_SOCKET, SO_RCVTIMEO, &none, sizeof none) != 0)
        Fail("SO_RCVTIMEO");
      continue;
    }
    if (errno != EINTR) Fail("recv");
  }
}

void TSocket::SendAll(const char* AData, std::size_t ALength) {
  while (ALength > 0) {
    ssize_t n = ::send(Fd(FHandle), AData, ALength, MSG_NOSIGNAL);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail("send");
    }
    AData += n;
    ALength -= static_cast<std::size_t>(n);
  }
}

void TSocket::Close() {
  if (FHandle < 0) return;
  ::shutdown(Fd(FHandle), SHUT_WR);
  ::close(Fd(FHandle));
  FHandle = -1;
}

void TSocket::Interrupt() {
  // Shutting down both directions makes a blocked recv() return 0.
  if (FHandle >= 0) ::shutdown(Fd(FHandle), SHUT_RDWR);
}

std::string HostByAddress(const std::string& AAddress) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  // The text is always a numeric address: never ask the name service to
  // resolve it forward.
  hints.ai_flags = AI_CANONNAME | AI_NUMERICHOST;
  addrinfo* info = nullptr;
  int rc = ::getaddrinfo(AAddress.c_str(), nullptr, &hints, &info);
  if (rc != 0) throw ESocketError("getaddrinfo: " + std::string(::gai_strerror(rc)));
  char host[1025];
  rc = ::getnameinfo(info->ai_addr, info->ai_addrlen, host, sizeof host, nullptr, 0, NI_NAMEREQD);
  ::freeaddrinfo(info);
  if (rc != 0) throw ESocketError("getnameinfo: " + std::string(::gai_strerror(rc)));
  return host;
}

}  // namespace platform
