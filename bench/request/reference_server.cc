#include "bench/request/reference_server.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

namespace {

constexpr std::size_t kStackBytes = 128 * 1024;
constexpr std::size_t kMaxLine = 1048576;

struct TPeer {
  int Fd;
  char Address[INET_ADDRSTRLEN];
};

bool HasHostName(const char* AAddress) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_CANONNAME | AI_NUMERICHOST;
  addrinfo* info = nullptr;
  if (::getaddrinfo(AAddress, nullptr, &hints, &info) != 0) return false;
  char host[1025];
  const int rc =
      ::getnameinfo(info->ai_addr, info->ai_addrlen, host, sizeof host, nullptr, 0, NI_NAMEREQD);
  ::freeaddrinfo(info);
  return rc == 0;
}

// Reads up to LF into a buffer that doubles as the line grows; returns the
// line's length without LF and CR, or -1.
long ReadLine(int AFd, char*& ABuffer) {
  std::size_t capacity = 4096, size = 0;
  ABuffer = static_cast<char*>(std::malloc(capacity));
  for (;;) {
    if (size == capacity) {
      capacity *= 2;
      ABuffer = static_cast<char*>(std::realloc(ABuffer, capacity));
    }
    const ssize_t n = ::recv(AFd, ABuffer + size, capacity - size, 0);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;  // EAGAIN: the accept wait
    if (n <= 0) return -1;
    const char* lf = static_cast<const char*>(std::memchr(ABuffer + size, '\n', n));
    size += static_cast<std::size_t>(n);
    if (lf != nullptr) {
      std::size_t length = static_cast<std::size_t>(lf - ABuffer);
      if (length > kMaxLine) return -1;
      if (length > 0 && ABuffer[length - 1] == '\r') --length;
      return static_cast<long>(length);
    }
    if (size > kMaxLine) return -1;
  }
}

void* Serve(void* APeer) {
  TPeer* peer = static_cast<TPeer*>(APeer);
  if (HasHostName(peer->Address)) {
    char* line = nullptr;
    const long length = ReadLine(peer->Fd, line);
    if (length >= 0) {
      const char* reply = length == 10 && std::memcmp(line, "getVersion", 10) == 0
                              ? "2.0.0.56\r\n"
                              : "ungueltige Eingabe\r\n";
      ::send(peer->Fd, reply, std::strlen(reply), MSG_NOSIGNAL);
    }
    std::free(line);
  }
  ::close(peer->Fd);
  delete peer;
  return nullptr;
}

}  // namespace

TReferenceServer::TReferenceServer(uint16_t APort, int ABacklog) {
  FListener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int on = 1;
  ::setsockopt(FListener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(APort);
  addr.sin_addr.s_addr = htonl(INADDR_ANY);
  socklen_t len = sizeof addr;
  if (::bind(FListener, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
      ::listen(FListener, ABacklog) != 0 ||
      ::getsockname(FListener, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
    std::fprintf(stderr, "reference server: port %u: %s\n", APort, std::strerror(errno));
    std::exit(1);
  }
  FPort = ntohs(addr.sin_port);
  timeval wait{0, 250 * 1000};  // the accept wait
  ::setsockopt(FListener, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  FAcceptor = std::thread([this] { AcceptLoop(); });
}

TReferenceServer::~TReferenceServer() {
  FStop = true;
  FAcceptor.join();
  ::close(FListener);
}

void TReferenceServer::AcceptLoop() {
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, kStackBytes);
  pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
  while (!FStop) {
    sockaddr_in addr{};
    socklen_t len = sizeof addr;
    const int fd = ::accept4(FListener, reinterpret_cast<sockaddr*>(&addr), &len, SOCK_CLOEXEC);
    if (fd < 0) continue;  // the wait ended, or a failure
    auto* peer = new TPeer{fd, {}};
    ::inet_ntop(AF_INET, &addr.sin_addr, peer->Address, sizeof peer->Address);
    pthread_t thread;
    if (::pthread_create(&thread, &attr, &Serve, peer) != 0) {
      ::close(fd);
      delete peer;
    }
  }
  pthread_attr_destroy(&attr);
}

}  // namespace bench
