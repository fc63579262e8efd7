#include "configurator/logic/port_rules.h"

#include <gtest/gtest.h>

namespace configurator {
namespace {

TEST(PortRules, TextToStoredPortAndTextOnLeavingTheField) {
  const struct {
    const char* Text;
    int32_t Stored;
    const char* OnExit;  // nullptr: the text stays
  } cases[] = {
      {"", 0, nullptr},
      {"abc", 0, nullptr},
      {"12abc", 0, nullptr},
      {"-", 0, nullptr},
      {"-5", 0, "0"},
      {"-0", 0, nullptr},
      {"0", 0, nullptr},
      {"6666", 6666, nullptr},
      {" 8080 ", 8080, nullptr},
      {"+80", 80, nullptr},
      {"65535", 65535, nullptr},
      {"65536", 65535, "65535"},
      {"70000", 65535, "65535"},
      {"99999999999999999999999", 65535, "65535"},  // no overflow, no wrap
      {"4294967297", 65535, "65535"},               // would wrap to 1 in 32 bits
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PortFromText(c.Text), c.Stored) << '"' << c.Text << '"';
    const std::optional<std::string> on_exit = PortTextOnExit(c.Text);
    if (c.OnExit) {
      EXPECT_EQ(on_exit, std::optional<std::string>(c.OnExit)) << '"' << c.Text << '"';
    } else {
      EXPECT_EQ(on_exit, std::nullopt) << '"' << c.Text << '"';
    }
  }
}

}  // namespace
}  // namespace configurator
