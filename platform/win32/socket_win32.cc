#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <mutex>

#include "platform/socket.h"
#include "platform/win32/wide.h"

namespace platform {

namespace {

[[noreturn]] void Fail(const char* ACall, int AError = WSAGetLastError()) {
  throw ESocketError(std::string(ACall) + ": " +
                     win32::SystemErrorText(static_cast<DWORD>(AError)));
}

SOCKET Sock(std::intptr_t AHandle) {
  return static_cast<SOCKET>(AHandle);
}

constexpr std::intptr_t kNone = static_cast<std::intptr_t>(INVALID_SOCKET);

// A backlog of exactly AEntries (Windows keeps it within 200 to 65535),
// where SOMAXCONN leaves the provider at a few hundred. mingw's headers lack
// the SOMAXCONN_HINT macro.
constexpr int SomaxconnHint(int AEntries) {
  return -AEntries;
}

std::string NumericText(const sockaddr* AAddr, int ALen) {
  wchar_t text[NI_MAXHOST] = {};
  if (GetNameInfoW(AAddr, ALen, text, NI_MAXHOST, nullptr, 0, NI_NUMERICHOST) != 0) return {};
  return win32::ToUtf8(text);
}

}  // namespace

void SocketStartup() {
  static std::once_flag once;
  std::call_once(once, [] {
    WSADATA data;
    int rc = WSAStartup(MAKEWORD(2, 2), &data);
    if (rc != 0) Fail("WSAStartup", rc);
  });
}

bool HasIPv6Transport() {
  SocketStartup();
  SOCKET s = ::socket(AF_INET6, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return false;
  ::closesocket(s);
  return true;
}

TSocket::~TSocket() {
  Close();
}

TSocket::TSocket(TSocket&& AOther) noexcept
    : FHandle(AOther.FHandle), FAcceptWaitMs(AOther.FAcceptWaitMs) {
  AOther.FHandle = kNone;
}

TSocket& TSocket::operator=(TSocket&& AOther) noexcept {
  if (this != &AOther) {
    Close();
    FHandle = AOther.FHandle;
    FAcceptWaitMs = AOther.FAcceptWaitMs;
    AOther.FHandle = kNone;
  }
  return *this;
}

bool TSocket::IsOpen() const {
  return FHandle != kNone;
}

TSocket TSocket::Listen(TAddressFamily AFamily, uint16_t APort, int ABacklog) {
  SocketStartup();
  const int family = AFamily == TAddressFamily::IPv4 ? AF_INET : AF_INET6;
  SOCKET s = ::socket(family, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) Fail("socket");
  TSocket sock(static_cast<std::intptr_t>(s));
  SetHandleInformation(reinterpret_cast<HANDLE>(s), HANDLE_FLAG_INHERIT, 0);
  sockaddr_storage addr{};
  int len;
  if (family == AF_INET) {
    auto* a = reinterpret_cast<sockaddr_in*>(&addr);
    a->sin_family = AF_INET;
    a->sin_port = htons(APort);
    a->sin_addr.s_addr = htonl(INADDR_ANY);
    len = sizeof *a;
  } else {
    DWORD on = 1;
    ::setsockopt(s, IPPROTO_IPV6, IPV6_V6ONLY, reinterpret_cast<const char*>(&on), sizeof on);
    auto* a = reinterpret_cast<sockaddr_in6*>(&addr);
    a->sin6_family = AF_INET6;
    a->sin6_port = htons(APort);
    a->sin6_addr = in6addr_any;
    len = sizeof *a;
  }
  if (::bind(s, reinterpret_cast<sockaddr*>(&addr), len) != 0) Fail("bind");
  if (::listen(s, ABacklog == kMaxListenBacklog ? SomaxconnHint(4096) : ABacklog) != 0)
    Fail("listen");
  return sock;
}

TSocket TSocket::Connect(const std::string& AAddress, uint16_t APort) {
  SocketStartup();
  addrinfo hints{};
  hints.ai_flags = AI_NUMERICHOST;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* info = nullptr;
  std::string port = std::to_string(APort);
  if (::getaddrinfo(AAddress.c_str(), port.c_str(), &hints, &info) != 0) {
    throw ESocketError("connect: not a numeric address: " + AAddress);
  }
  SOCKET s = ::socket(info->ai_family, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) {
    ::freeaddrinfo(info);
    Fail("socket");
  }
  TSocket sock(static_cast<std::intptr_t>(s));
  int rc = ::connect(s, info->ai_addr, static_cast<int>(info->ai_addrlen));
  int err = WSAGetLastError();
  ::freeaddrinfo(info);
  if (rc != 0) Fail("connect", err);
  return sock;
}

std::pair<TSocket, TSocket> TSocket::ConnectedPair() {
  TSocket listener = Listen(TAddressFamily::IPv4, 0, 1);
  TSocket client = Connect("127.0.0.1", listener.LocalPort());
  std::string peer;
  TSocket server = listener.Accept(peer);
  return {std::move(client), std::move(server)};
}

uint16_t TSocket::LocalPort() const {
  sockaddr_storage addr{};
  int len = sizeof addr;
  if (::getsockname(Sock(FHandle), reinterpret_cast<sockaddr*>(&addr), &len) != 0)
    Fail("getsockname");
  if (addr.ss_family == AF_INET) return ntohs(reinterpret_cast<sockaddr_in*>(&addr)->sin_port);
  return ntohs(reinterpret_cast<sockaddr_in6*>(&addr)->sin6_port);
}

bool TSocket::WaitReadable(int ATimeoutMs) const {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(Sock(FHandle), &set);
  timeval tv{ATimeoutMs / 1000, (ATimeoutMs % 1000) * 1000};
  int rc = ::select(0, &set, nullptr, nullptr, &tv);
  if (rc == SOCKET_ERROR) Fail("select");
  return rc > 0;
}

TSocket TSocket::Accept(std::string& APeerAddress) const {
  sockaddr_storage addr{};
  int len = sizeof addr;
  SOCKET s = ::accept(Sock(FHandle), reinterpret_cast<sockaddr*>(&addr), &len);
  if (s == INVALID_SOCKET) Fail("accept");
  TSocket sock(static_cast<std::intptr_t>(s));
  SetHandleInformation(reinterpret_cast<HANDLE>(s), HANDLE_FLAG_INHERIT, 0);
  APeerAddress = NumericText(reinterpret_cast<sockaddr*>(&addr), len);
  return sock;
}

std::optional<TSocket> TSocket::AcceptWithin(int ATimeoutMs, std::string& APeerAddress) {
  if (!WaitReadable(ATimeoutMs)) return std::nullopt;
  return Accept(APeerAddress);
}

std::size_t TSocket::Receive(char* ABuffer, std::size_t ALength) {
  int n = ::recv(Sock(FHandle), ABuffer, static_cast<int>(ALength), 0);
  if (n == SOCKET_ERROR) {
    int err = WSAGetLastError();
    // An interrupted socket reads as closed by the peer.
    if (err == WSAESHUTDOWN || err == WSAECONNABORTED || err == WSA_OPERATION_ABORTED) return 0;
    Fail("recv", err);
  }
  return static_cast<std::size_t>(n);
}

void TSocket::SendAll(const char* AData, std::size_t ALength) {
  while (ALength > 0) {
    int chunk = ALength > 1 << 30 ? 1 << 30 : static_cast<int>(ALength);
    int n = ::send(Sock(FHandle), AData, chunk, 0);
    if (n == SOCKET_ERROR) Fail("send");
    AData += n;
    ALength -= static_cast<std::size_t>(n);
  }
}

void TSocket::Close() {
  if (FHandle == kNone) return;
  ::shutdown(Sock(FHandle), SD_SEND);
  ::closesocket(Sock(FHandle));
  FHandle = kNone;
}

void TSocket::Interrupt() {
  if (FHandle == kNone) return;
  ::shutdown(Sock(FHandle), SD_BOTH);
  // A blocking recv() is an overlapped operation inside Winsock; cancel it so
  // the thread waiting in it returns.
  CancelIoEx(reinterpret_cast<HANDLE>(Sock(FHandle)), nullptr);
}

std::string HostByAddress(const std::string& AAddress) {
  SocketStartup();
  ADDRINFOW hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_CANONNAME | AI_NUMERICHOST;
  ADDRINFOW* info = nullptr;
  std::wstring address = win32::ToWide(AAddress);
  int rc = GetAddrInfoW(address.c_str(), nullptr, &hints, &info);
  if (rc != 0) Fail("getaddrinfo", rc);
  wchar_t host[1025];
  rc = GetNameInfoW(info->ai_addr, static_cast<socklen_t>(info->ai_addrlen), host, 1025, nullptr, 0,
                    NI_NAMEREQD);
  FreeAddrInfoW(info);
  if (rc != 0) Fail("getnameinfo", rc);
  return win32::ToUtf8(host);
}

}  // namespace platform
