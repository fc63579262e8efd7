// What the screenshot checks (menu_shot_check.py) read of a skinned menu
// bar: "button I X Y W H" per button, then "bar X Y W H", in screen pixels.
#ifndef QUILLORY_SKIN_MENU_WIN32_TESTS_MENU_BAR_LOG_H_
#define QUILLORY_SKIN_MENU_WIN32_TESTS_MENU_BAR_LOG_H_

#include <windows.h>

#include <string>
#include <vector>

#include "skin/menu/win32/menu_bar.h"

namespace skin {

inline std::vector<std::string> MenuBarLogLines(const TzelSkinMenuBar& ABar) {
  auto place = [](int AX, int AY, int AW, int AH) {
    return std::to_string(AX) + " " + std::to_string(AY) + " " + std::to_string(AW) + " " +
           std::to_string(AH);
  };
  std::vector<std::string> lines;
  for (size_t i = 0; i < ABar.Layout().Buttons.size(); ++i) {
    const TRect& r = ABar.Layout().Buttons[i];
    POINT p{r.Left, r.Top};
    ClientToScreen(ABar.Handle(), &p);
    lines.push_back("button " + std::to_string(i) + " " + place(p.x, p.y, r.Width(), r.Height()));
  }
  RECT client;
  GetClientRect(ABar.Handle(), &client);
  POINT origin{0, 0};
  ClientToScreen(ABar.Handle(), &origin);
  lines.push_back("bar " + place(origin.x, origin.y, client.right, client.bottom));
  return lines;
}

}  // namespace skin

#endif  // QUILLORY_SKIN_MENU_WIN32_TESTS_MENU_BAR_LOG_H_
