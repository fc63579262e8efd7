// window_probe.exe: run inside the Configurator's Wine session by the
// scenarios, it tells what X cannot: which control of the main window has
// the keyboard focus, and which window owns the main window.
//
//   window_probe focus   prints "<window class>|<window text>" of the focused control
//   window_probe owner   prints "<window class>|<window text>" of the main window's owner
//   window_probe activate  makes the main window the foreground window, as
//                        switching back to it with Alt+Tab does
//
// The main window is the visible top-level window whose caption starts with
// "Quillory Server". Exit status 1 when it or the asked window is missing.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND FindMainWindow() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND AWindow, LPARAM AFound) {
        wchar_t text[256] = {};
        GetWindowTextW(AWindow, text, 256);
        if (IsWindowVisible(AWindow) && std::wcsncmp(text, L"Quillory Server", 15) == 0) {
          *reinterpret_cast<HWND*>(AFound) = AWindow;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

int Print(HWND AWindow) {
  if (!AWindow) return 1;
  wchar_t name[256] = {};
  wchar_t text[1024] = {};
  GetClassNameW(AWindow, name, 256);
  // Asked by message, so that a control's current text comes (an edit keeps
  // it apart from its window caption).
  SendMessageTimeoutW(AWindow, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, nullptr);
  const std::wstring line = std::wstring(name) + L"|" + text + L"\n";
  char utf8[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
  std::fputs(utf8, stdout);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  HWND main = FindMainWindow();
  if (!main) return 1;
  const std::wstring what = argv[1];
  if (what == L"focus") {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info)) return 1;
    return Print(info.hwndFocus);
  }
  if (what == L"owner") return Print(GetWindow(main, GW_OWNER));
  if (what == L"activate") return SetForegroundWindow(main) ? 0 : 1;
  return 2;
}
