#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "service/host/switches.h"

namespace service {
namespace {

struct TSwitchCase {
  std::vector<std::string> Args;
  TRole Role;
  bool Silent;
};

class CommandLine : public ::testing::TestWithParam<TSwitchCase> {};

TEST_P(CommandLine, PicksTheRole) {
  const TCommandLine line = ParseCommandLine(GetParam().Args);
  EXPECT_EQ(line.Role, GetParam().Role);
  EXPECT_EQ(line.Silent, GetParam().Silent);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLine,
    ::testing::Values(TSwitchCase{{}, TRole::Service, false},
                      TSwitchCase{{"/install"}, TRole::Install, false},
                      TSwitchCase{{"-INSTALL"}, TRole::Install, false},
                      TSwitchCase{{"/Install", "/silent"}, TRole::Install, true},
                      TSwitchCase{{"-SiLeNt", "-install"}, TRole::Install, true},
                      TSwitchCase{{"/uninstall"}, TRole::Uninstall, false},
                      TSwitchCase{{"-UNINSTALL", "/SILENT"}, TRole::Uninstall, true},
                      // INSTALL wins, in either order.
                      TSwitchCase{{"/uninstall", "/install"}, TRole::Install, false},
                      TSwitchCase{{"/install", "/uninstall"}, TRole::Install, false},
                      // Not switches: another word, no prefix, another prefix, bare prefix.
                      TSwitchCase{{"/installx"}, TRole::Service, false},
                      TSwitchCase{{"install"}, TRole::Service, false},
                      TSwitchCase{{"\\install"}, TRole::Service, false},
                      TSwitchCase{{"--install"}, TRole::Service, false},
                      TSwitchCase{{"/", "-"}, TRole::Service, false},
                      TSwitchCase{{""}, TRole::Service, false},
                      // SILENT alone selects no role.
                      TSwitchCase{{"/silent"}, TRole::Service, true},
                      TSwitchCase{{"-console"}, TRole::Console, false},
                      TSwitchCase{{"-console", "/install"}, TRole::Install, false}));

}  // namespace
}  // namespace service
