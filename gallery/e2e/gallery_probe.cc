// gallery_probe.exe: run inside the gallery's Wine session by its scenario,
// it tells what X cannot.
//
//   gallery_probe classes          the window classes of the gallery's
//                                  child windows, one a line, sorted, once each
//   gallery_probe focus            "<class>|<text>|<check state>" of the focused control
//   gallery_probe page             the caption of the page in view
//   gallery_probe rect CAPTION TEXT  "x y w h" on the screen of the first
//                                  child window of the top-level window
//                                  CAPTION whose text is TEXT ("" with
//                                  TEXT = a class name in brackets, "[Edit]")
//   gallery_probe top              "<class>|<caption>" of every visible
//                                  top-level window of the session
//   gallery_probe close CAPTION    asks the top-level window CAPTION to close
//   gallery_probe mdi CAPTION      the captions of the MDI children of the
//                                  top-level window CAPTION, one a line
//
// The gallery is the visible top-level window captioned "Widget Gallery".
// Exit status 1 when a window asked for is missing.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::wstring ClassOf(HWND AWindow) {
  wchar_t name[256] = {};
  GetClassNameW(AWindow, name, 256);
  return name;
}

std::wstring TextOf(HWND AWindow) {
  wchar_t text[1024] = {};
  SendMessageTimeoutW(AWindow, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, nullptr);
  return text;
}

void Print(const std::wstring& ALine) {
  char utf8[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, (ALine + L"\n").c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
  std::fputs(utf8, stdout);
}

HWND FindTop(const std::wstring& ACaption) {
  struct TSearch {
    const std::wstring* Caption;
    HWND Found;
  } search{&ACaption, nullptr};
  EnumWindows(
      [](HWND AWindow, LPARAM AData) {
        auto* s = reinterpret_cast<TSearch*>(AData);
        wchar_t text[256] = {};
        GetWindowTextW(AWindow, text, 256);
        if (IsWindowVisible(AWindow) && *s->Caption == text) {
          s->Found = AWindow;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

struct TChildSearch {
  std::wstring Text;
  HWND Found = nullptr;
};

BOOL CALLBACK FindChild(HWND AWindow, LPARAM AData) {
  auto* s = reinterpret_cast<TChildSearch*>(AData);
  const bool by_class = s->Text.size() > 2 && s->Text.front() == L'[' && s->Text.back() == L']';
  const bool match = by_class ? ClassOf(AWindow) == s->Text.substr(1, s->Text.size() - 2)
                              : TextOf(AWindow) == s->Text;
  if (match && IsWindowVisible(AWindow)) {
    s->Found = AWindow;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring what = argv[1];
  if (what == L"top") {
    EnumWindows(
        [](HWND AWindow, LPARAM) {
          wchar_t text[256] = {};
          GetWindowTextW(AWindow, text, 256);
          if (IsWindowVisible(AWindow)) Print(ClassOf(AWindow) + L"|" + text);
          return TRUE;
        },
        0);
    return 0;
  }
  if (what == L"close" && argc == 3) {
    HWND window = FindTop(argv[2]);
    if (!window) return 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (what == L"mdi" && argc == 3) {
    HWND top = FindTop(argv[2]);
    if (!top) return 1;
    HWND client = FindWindowExW(top, nullptr, L"MDIClient", nullptr);
    if (!client) return 1;
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (IsWindowVisible(child)) Print(TextOf(child));
    }
    return 0;
  }
  if (what == L"rect" && argc == 4) {
    HWND top = FindTop(argv[2]);
    if (!top) return 1;
    TChildSearch search{argv[3]};
    EnumChildWindows(top, FindChild, reinterpret_cast<LPARAM>(&search));
    if (!search.Found) return 1;
    RECT rect;
    GetWindowRect(search.Found, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    return 0;
  }
  HWND main = FindTop(L"Widget Gallery");
  if (!main) return 1;
  if (what == L"classes") {
    std::set<std::wstring> classes;
    EnumChildWindows(
        main,
        [](HWND AWindow, LPARAM AData) {
          reinterpret_cast<std::set<std::wstring>*>(AData)->insert(ClassOf(AWindow));
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&classes));
    for (const std::wstring& name : classes) Print(name);
    return 0;
  }
  if (what == L"focus") {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) || !info.hwndFocus) {
      return 1;
    }
    const LRESULT state =
        ClassOf(info.hwndFocus) == L"Button" ? SendMessageW(info.hwndFocus, BM_GETCHECK, 0, 0) : -1;
    Print(ClassOf(info.hwndFocus) + L"|" + TextOf(info.hwndFocus) + L"|" + std::to_wstring(state));
    return 0;
  }
  if (what == L"page") {
    // The visible page among the page control's children.
    HWND found = nullptr;
    EnumChildWindows(
        main,
        [](HWND AWindow, LPARAM AData) {
          if (ClassOf(AWindow) == L"TTabSheet" && IsWindowVisible(AWindow)) {
            *reinterpret_cast<HWND*>(AData) = AWindow;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (!found) return 1;
    Print(TextOf(found));
    return 0;
  }
  return 2;
}
