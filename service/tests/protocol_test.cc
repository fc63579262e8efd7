#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "service/quillory_svr.h"
#include "service/tests/test_client.h"

namespace service {
namespace {

using namespace std::chrono_literals;

class Protocol : public ::testing::Test {
 protected:
  void SetUp() override {
    Svr.Server.DefaultPort = 0;
    Svr.Server.SetActive(true);
    for (auto [version, port] : Svr.Server.Bindings()) {
      if (version == TIdIPVersion::Id_IPv4) Port = port;
      if (version == TIdIPVersion::Id_IPv6) Port6 = port;
    }
  }
  std::optional<std::string> Ask(std::string_view ARequest) {
    return testing::Exchange(Port, ARequest);
  }
  bool NoConnectionsLeft() {
    for (int i = 0; i < 500 && Svr.Server.ConnectionCount() > 0; ++i)
      std::this_thread::sleep_for(10ms);
    return Svr.Server.ConnectionCount() == 0;
  }
  TQuillorySvr Svr;
  uint16_t Port = 0, Port6 = 0;
};

TEST_F(Protocol, CommandTable) {
  const std::string name = std::string(kDisplayName) + "\r\n";
  struct Case {
    std::string line, reply;
  } cases[] = {
      {"getName", name},
      {"getVersion", "2.0.0.56\r\n"},
      {"getname", "ungueltige Eingabe\r\n"},
      {"GETNAME", "ungueltige Eingabe\r\n"},
      {" getName", "ungueltige Eingabe\r\n"},
      {"getName ", "ungueltige Eingabe\r\n"},
      {"", "ungueltige Eingabe\r\n"},
      {"QUIT", ""},
      {"quit", ""},
      {"qUiT", ""},
      {"QUIT ", "ungueltige Eingabe\r\n"},
      {"readSettings", "ungueltige Eingabe\r\n"},
      {"ReadSettings x", "ungueltige Eingabe\r\n"},
      {"saveSettings", "ungueltige Eingabe\r\n"},
      {"gr\xC3\xBC\xC3\x9F"
       "e",
       "ungueltige Eingabe\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Ask(c.line + "\n"), c.reply) << "LF: " << c.line;
    EXPECT_EQ(Ask(c.line + "\r\n"), c.reply) << "CR LF: " << c.line;
  }
  EXPECT_EQ(Ask("getVersion\r\r\n"), "ungueltige Eingabe\r\n");  // CR CR LF keeps one CR
  EXPECT_TRUE(NoConnectionsLeft());
}

TEST_F(Protocol, OnlyTheFirstLineIsAnswered) {
  EXPECT_EQ(Ask("getVersion\ngetName\n"), "2.0.0.56\r\n");
}

TEST_F(Protocol, LineLengthLimitThroughTheListener) {
  EXPECT_EQ(Ask(std::string(kMaxRequestLine, 'x') + "\n"), "ungueltige Eingabe\r\n");
  EXPECT_EQ(Ask(std::string(kMaxRequestLine - 1, 'x') + "\r\n"), "ungueltige Eingabe\r\n");
  platform::TSocket s = platform::TSocket::Connect("127.0.0.1", Port);
  std::string over(kMaxRequestLine + 1, 'x');
  over += '\n';
  try {
    s.SendAll(over.data(), over.size());
  } catch (const platform::ESocketError&) {
    // the server may close before everything was sent
  }
  EXPECT_EQ(testing::ReadToClose(s), "");
}

// Hostile byte streams: each gets at most one reply line, and the server
// still answers a well-formed request afterwards.
TEST_F(Protocol, MalformedBytesLeaveTheServerAnswering) {
  const std::string hostile[] = {
      std::string("\0\0\0\n", 4),
      "\xFF\xFE\xFD\xFC\n",
      "\r\r\r\r\n",
      std::string("getVersion\0\n", 12),
      "\xC3\n",
      "\n\n\n",
      "\x1b[2J\x07\x08\x7f\n",
  };
  for (const auto& bytes : hostile) {
    auto reply = Ask(bytes);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(*reply, "ungueltige Eingabe\r\n") << ::testing::PrintToString(bytes);
    EXPECT_EQ(Ask("getVersion\n"), "2.0.0.56\r\n");
  }
  EXPECT_TRUE(NoConnectionsLeft());
}

TEST_F(Protocol, HalfLineThenCloseGetsNothingAndEndsTheThread) {
  platform::TSocket s = platform::TSocket::Connect("127.0.0.1", Port);
  s.SendAll("getVer", 6);
  s.Close();
  EXPECT_TRUE(NoConnectionsLeft());
  EXPECT_EQ(Ask("getVersion\n"), "2.0.0.56\r\n");
}

TEST_F(Protocol, IdleClientIsServedAfterAPause) {
  platform::TSocket s = platform::TSocket::Connect("127.0.0.1", Port);
  std::this_thread::sleep_for(600ms);
  s.SendAll("getVersion\n", 11);
  EXPECT_EQ(testing::ReadToClose(s), "2.0.0.56\r\n");
}

TEST_F(Protocol, IPv6ClientIsDroppedWithoutAByte) {
  if (Port6 == 0) GTEST_SKIP() << "no IPv6 transport";
  EXPECT_EQ(testing::Exchange(Port6, "getVersion\n", "::1"), "");
}

TEST_F(Protocol, PeerWithoutHostNameIsDroppedWithoutAByte) {
  Svr.HostByAddress = [](const std::string& AAddress) -> std::string {
    throw platform::ESocketError("getnameinfo: no name for " + AAddress);
  };
  EXPECT_EQ(Ask("getVersion\n"), "");
  EXPECT_TRUE(NoConnectionsLeft());
}

TEST_F(Protocol, HostNameFromTheResolverIsKeptForTheRequest) {
  std::string seen;
  Svr.HostByAddress = [&](const std::string& AAddress) {
    seen = AAddress;
    return std::string("ws-17");
  };
  EXPECT_EQ(Ask("getVersion\n"), "2.0.0.56\r\n");
  EXPECT_EQ(seen, "127.0.0.1");
}

TEST(HostByAddress, LoopbackResolvesFromTheHostsFileAndIPv6TextFails) {
  EXPECT_EQ(platform::HostByAddress("127.0.0.1"), "localhost");
  EXPECT_THROW(platform::HostByAddress("::1"), platform::ESocketError);
  EXPECT_THROW(platform::HostByAddress("not-an-address"), platform::ESocketError);
}

}  // namespace
}  // namespace service
