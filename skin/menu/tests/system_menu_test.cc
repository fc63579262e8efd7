#include "skin/menu/system_menu.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(SystemMenu, EntriesFollowTheCaptionButtons) {
  TSysMenuTexts texts;
  TSysMenuWindow w;
  w.HasMaxButton = false;
  auto e = SysMenuEntries(texts, w);
  EXPECT_EQ(e[0].Caption, u"Mi&nimize");
  EXPECT_EQ(e[1].Caption, u"Ma&ximize/Restore");
  EXPECT_EQ(e[2].Caption, u"-");
  EXPECT_EQ(e[3].Caption, u"&Close");
  EXPECT_TRUE(e[0].Enabled);
  EXPECT_FALSE(e[1].Enabled);
  EXPECT_TRUE(e[3].Enabled);
  texts.Close = u"&Schlie\u00dfen";
  w = {false, false, false, true, false};
  e = SysMenuEntries(texts, w);
  EXPECT_EQ(e[3].Caption, u"&Schlie\u00dfen");
  EXPECT_FALSE(e[0].Enabled);
  EXPECT_TRUE(e[1].Enabled);
  EXPECT_FALSE(e[3].Enabled);
}

TEST(SystemMenu, Commands) {
  using C = TSysCommand;
  struct TCase {
    TSysMenuWindow Window;
    C Min, Max;
  };
  const TCase cases[] = {
      {{false, false, true, true, true}, C::Minimize, C::Maximize},
      {{true, false, true, true, true}, C::Restore, C::Restore},
      {{false, true, true, true, true}, C::Minimize, C::Restore},
      {{false, false, true, false, true}, C::Minimize, C::None},
      {{true, false, true, false, true}, C::Restore, C::Restore},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(SysMenuCommand(kSysMenuMin, c.Window), c.Min);
    EXPECT_EQ(SysMenuCommand(kSysMenuMax, c.Window), c.Max);
    EXPECT_EQ(SysMenuCommand(kSysMenuClose, c.Window), C::Close);
    EXPECT_EQ(SysMenuCommand(2, c.Window), C::None);
  }
}

}  // namespace
}  // namespace skin
