#include "config/registry_switch.h"

#include <gtest/gtest.h>

#include "platform/registry.h"

namespace {

using Args = std::vector<std::string>;

TEST(RegistrySwitch, RecognisesBothPrefixesInAnyCase) {
  for (const char* arg : {"-registry", "/REGISTRY", "-Registry", "/rEgIsTrY"})
    EXPECT_TRUE(config::IsRegistrySwitch(arg)) << arg;
  for (const char* arg : {"registry", "--registry", "-registryx", "-reg", ""})
    EXPECT_FALSE(config::IsRegistrySwitch(arg)) << arg;
}

TEST(RegistrySwitch, AppliesTheFolderAndRemovesTheSwitch) {
  const std::string before = platform::RegistryRoot();
  Args args = {"-console", "/Registry", "/tmp/a", "-install", "-registry", "/tmp/b/"};
  if (before.empty()) {  // the system registry: the switch is refused
    EXPECT_THROW(config::ApplyRegistrySwitch(args), config::EConfigError);
    return;
  }
  EXPECT_TRUE(config::ApplyRegistrySwitch(args));
  EXPECT_EQ(args, (Args{"-console", "-install"}));
  EXPECT_EQ(platform::RegistryRoot(), "/tmp/b");
  Args none = {"-console"};
  EXPECT_FALSE(config::ApplyRegistrySwitch(none));
  EXPECT_EQ(platform::RegistryRoot(), "/tmp/b");
  platform::SetRegistryRoot(before);
}

TEST(RegistrySwitch, MissingFolderIsAnError) {
  for (Args args : {Args{"-registry"}, Args{"/registry", ""}}) {
    EXPECT_THROW(config::ApplyRegistrySwitch(args), config::EConfigError);
  }
}

}  // namespace
