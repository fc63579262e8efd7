// A loopback client for tests: one request, everything the server sends back.
#ifndef QUILLORY_SERVICE_TESTS_TEST_CLIENT_H_
#define QUILLORY_SERVICE_TESTS_TEST_CLIENT_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/socket.h"

namespace service::testing {

// Everything the peer sends until it closes, or nullopt when nothing closes
// the connection within ATimeoutMs.
inline std::optional<std::string> ReadToClose(platform::TSocket& ASocket, int ATimeoutMs = 10000) {
  std::string out;
  char buf[65536];
  for (;;) {
    if (!ASocket.WaitReadable(ATimeoutMs)) return std::nullopt;
    std::size_t n;
    try {
      n = ASocket.Receive(buf, sizeof buf);
    } catch (const platform::ESocketError&) {
      return out;  // reset by the peer counts as closed
    }
    if (n == 0) return out;
    out.append(buf, n);
  }
}

// Connects to AAddress:APort, sends ARequest and returns the reply bytes up
// to the server's close.
inline std::optional<std::string> Exchange(uint16_t APort, std::string_view ARequest,
                                           const char* AAddress = "127.0.0.1") {
  platform::TSocket s = platform::TSocket::Connect(AAddress, APort);
  s.SendAll(ARequest.data(), ARequest.size());
  return ReadToClose(s);
}

}  // namespace service::testing

#endif  // QUILLORY_SERVICE_TESTS_TEST_CLIENT_H_
