// The exchange through the real listener on loopback: the same examples as
// request and reply bytes on the wire.
#include <gtest/gtest.h>

#include "service/quillory_svr.h"
#include "service/tests/settings_fixture.h"
#include "service/tests/test_client.h"

namespace service {
namespace {

TEST(SettingsProtocol, ExamplesOverLoopback) {
  TQuillorySvr svr;
  svr.HostByAddress = [](const std::string&) { return std::string("ws"); };
  svr.Server.DefaultPort = 0;
  svr.Server.SetActive(true);
  uint16_t port = 0;
  for (auto [version, p] : svr.Server.Bindings())
    if (version == TIdIPVersion::Id_IPv4) port = p;
  for (const auto& e : testing::Examples()) {
    testing::TScratchFolder scratch;
    if (e.Before) scratch.Put(e.Name, *e.Before);
    svr.ClientSettingsDir = scratch.Folder();
    EXPECT_EQ(testing::Exchange(port, e.Request + "\r\n"), e.Reply + "\r\n") << e.Request;
    EXPECT_EQ(scratch.Get(e.Name), e.After) << e.Request;
  }
  // Malformed requests do not harm the server: it still answers afterwards.
  testing::TScratchFolder scratch;
  svr.ClientSettingsDir = scratch.Folder();
  for (const std::string& junk :
       {std::string("saveSettings \xFF\xFE:\xC0\x80\n"), std::string("readSettings ../../x\n"),
        std::string("saveSettings \0:\0\n", 17)}) {
    auto reply = testing::Exchange(port, junk);
    ASSERT_TRUE(reply.has_value());
    EXPECT_TRUE(reply->ends_with("\r\n")) << junk;
  }
  EXPECT_EQ(testing::Exchange(port, "saveSettings ok:1#dfCRLF#2\n"), "OK\r\n");
  EXPECT_EQ(testing::Exchange(port, "readSettings ok\n"), "1#dfCRLF#2#dfCRLF#\r\n");
  svr.Server.SetActive(false);
}

}  // namespace
}  // namespace service
