#include "configurator/logic/about_content.h"

#include <gtest/gtest.h>

#include "configurator/tests/fake_clock.h"

namespace configurator {
namespace {

TEST(AboutContent, VersionInCaptionAndYearRangeEndingWithTheClocksYear) {
  testing::TFakeClock clock;
  clock.Year = 2031;
  const TAboutContent content = AboutContent("2.0.0.56", clock);
  EXPECT_TRUE(content.Caption.ends_with(" - Version 2.0.0.56")) << content.Caption;
  EXPECT_EQ(content.Version, "Version 2.0.0.56");
  EXPECT_NE(content.RightsNotice.find("2004-2031 "), std::string::npos) << content.RightsNotice;

  clock.Year = 987;  // a clock gone wrong still gives four digits
  EXPECT_NE(AboutContent("", clock).RightsNotice.find("-0987 "), std::string::npos);
}

}  // namespace
}  // namespace configurator
