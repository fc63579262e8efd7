#include "skin/menu/system_menu.h"

namespace skin {

std::array<TSysMenuEntry, 4> SysMenuEntries(const TSysMenuTexts& ATexts,
                                            const TSysMenuWindow& AWindow) {
  return {{{ATexts.Min, AWindow.HasMinButton},
           {ATexts.Max, AWindow.HasMaxButton},
           {u"-", true},
           {ATexts.Close, AWindow.HasCloseButton}}};
}

TSysCommand SysMenuCommand(int AIndex, const TSysMenuWindow& AWindow) {
  switch (AIndex) {
    case kSysMenuMin:
      return AWindow.Minimized ? TSysCommand::Restore : TSysCommand::Minimize;
    case kSysMenuMax:
      if (AWindow.Minimized || AWindow.Maximized) return TSysCommand::Restore;
      return AWindow.HasMaxButton ? TSysCommand::Maximize : TSysCommand::None;
    case kSysMenuClose:
      return TSysCommand::Close;
    default:
      return TSysCommand::None;
  }
}

}  // namespace skin
