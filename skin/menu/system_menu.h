// The engine's own system menu as data: its four entries ("Mi&nimize",
// "Ma&ximize/Restore", a separator, "&Close" unless renamed), which of
// them a window's state allows, and the command each one gives.
//
// Thread safety: plain values and pure functions.
#ifndef QUILLORY_SKIN_MENU_SYSTEM_MENU_H_
#define QUILLORY_SKIN_MENU_SYSTEM_MENU_H_

#include <array>
#include <string>

namespace skin {

struct TSysMenuTexts {
  std::u16string Min = u"Mi&nimize";
  std::u16string Max = u"Ma&ximize/Restore";
  std::u16string Close = u"&Close";
};

// The window the menu is opened for: its state and the caption buttons
// its frame draws.
struct TSysMenuWindow {
  bool Minimized = false;
  bool Maximized = false;
  bool HasMinButton = true;
  bool HasMaxButton = true;
  bool HasCloseButton = true;
};

enum class TSysCommand { None, Minimize, Maximize, Restore, Close };

struct TSysMenuEntry {
  std::u16string Caption;  // "-" for the separator
  bool Enabled = true;
};

inline constexpr int kSysMenuMin = 0;
inline constexpr int kSysMenuMax = 1;
inline constexpr int kSysMenuClose = 3;

std::array<TSysMenuEntry, 4> SysMenuEntries(const TSysMenuTexts& ATexts,
                                            const TSysMenuWindow& AWindow);

// The command of entry AIndex: minimise restores a minimised window, else
// minimises; maximise/restore restores a minimised or maximised window,
// else maximises when the window may be maximised; close closes.
TSysCommand SysMenuCommand(int AIndex, const TSysMenuWindow& AWindow);

}  // namespace skin

#endif  // QUILLORY_SKIN_MENU_SYSTEM_MENU_H_
