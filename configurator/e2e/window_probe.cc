// window_probe.exe: run inside the Configurator's Wine session by the
// scenarios, it tells what X cannot: which control of the main window has
// the keyboard focus, which window owns the main window, where things are
// and whether the skin engine painted them.
//
//   window_probe focus     prints "<window class>|<window text>" of the focused control
//   window_probe owner     prints "<window class>|<window text>" of the main window's owner
//   window_probe activate  makes the main window the foreground window, as
//                          switching back to it with Alt+Tab does
//   window_probe caption   prints the main window's text
//   window_probe window    prints "LEFT TOP RIGHT BOTTOM" of the main window on the screen
//   window_probe page      prints "X Y", the screen position of the page in view
//   window_probe rect TEXT prints "LEFT TOP RIGHT BOTTOM" of the main window's
//                          visible control whose text is TEXT
//   window_probe skin      prints "<form> <skinned>/<controls> <region>": the
//                          main window's answer to "are you skinned" (1 or 0),
//                          how many of its visible controls answer 1, and the
//                          type of its window region (none, simple, complex)
//   window_probe dialog TITLE  the same first and last word for the visible
//                          system dialog (#32770) titled TITLE
//
// The main window is the visible top-level window whose caption starts with
// "Quillory Server". Exit status 1 when it or the asked window is missing.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Asked of a window by the skin engine's wrappers: 1 when they paint it.
constexpr UINT kIsSkinned = 10922;

HWND FindTopLevel(const wchar_t* AClass, const std::wstring& AText, bool APrefix) {
  struct TQuery {
    const wchar_t* Class;
    const std::wstring* Text;
    bool Prefix;
    HWND Found;
  } query{AClass, &AText, APrefix, nullptr};
  EnumWindows(
      [](HWND AWindow, LPARAM AQuery) {
        auto& q = *reinterpret_cast<TQuery*>(AQuery);
        wchar_t text[256] = {};
        wchar_t name[256] = {};
        GetWindowTextW(AWindow, text, 256);
        GetClassNameW(AWindow, name, 256);
        const bool textMatches =
            q.Prefix ? std::wcsncmp(text, q.Text->c_str(), q.Text->size()) == 0 : *q.Text == text;
        if (IsWindowVisible(AWindow) && textMatches &&
            (!q.Class || std::wcscmp(name, q.Class) == 0)) {
          q.Found = AWindow;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&query));
  return query.Found;
}

HWND FindMainWindow() {
  return FindTopLevel(nullptr, L"Quillory Server", true);
}

void PrintUtf8(const std::wstring& ALine) {
  char utf8[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, ALine.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
  std::fputs(utf8, stdout);
}

// A control's current text, asked by message (an edit keeps it apart from
// its window caption).
std::wstring TextOf(HWND AWindow) {
  wchar_t text[1024] = {};
  SendMessageTimeoutW(AWindow, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, nullptr);
  return text;
}

int Print(HWND AWindow) {
  if (!AWindow) return 1;
  wchar_t name[256] = {};
  GetClassNameW(AWindow, name, 256);
  PrintUtf8(std::wstring(name) + L"|" + TextOf(AWindow) + L"\n");
  return 0;
}

int PrintRect(HWND AWindow) {
  if (!AWindow) return 1;
  RECT r{};
  GetWindowRect(AWindow, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  return 0;
}

bool Skinned(HWND AWindow) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(AWindow, kIsSkinned, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) &&
         answer == 1;
}

const char* RegionType(HWND AWindow) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int type = GetWindowRgn(AWindow, region);
  DeleteObject(region);
  return type == COMPLEXREGION ? "complex" : type == SIMPLEREGION ? "simple" : "none";
}

// Each visible descendant of AParent, until AVisit answers false.
template <typename TVisit>
void ForEachVisibleChild(HWND AParent, TVisit AVisit) {
  EnumChildWindows(
      AParent,
      [](HWND AChild, LPARAM AVisitor) {
        return IsWindowVisible(AChild) && !(*reinterpret_cast<TVisit*>(AVisitor))(AChild) ? FALSE
                                                                                          : TRUE;
      },
      reinterpret_cast<LPARAM>(&AVisit));
}

std::wstring ClassOf(HWND AWindow) {
  wchar_t name[256] = {};
  GetClassNameW(AWindow, name, 256);
  return name;
}

int Page(HWND AMain) {
  HWND page = nullptr;
  ForEachVisibleChild(AMain, [&](HWND AChild) {
    if (ClassOf(AChild) != L"TTabSheet") return true;
    page = AChild;
    return false;
  });
  if (!page) return 1;
  POINT origin{0, 0};
  ClientToScreen(page, &origin);
  std::printf("%ld %ld\n", origin.x, origin.y);
  return 0;
}

int ControlRect(HWND AMain, const std::wstring& AText) {
  HWND found = nullptr;
  ForEachVisibleChild(AMain, [&](HWND AChild) {
    if (TextOf(AChild) != AText) return true;
    found = AChild;
    return false;
  });
  return PrintRect(found);
}

int Skin(HWND AMain) {
  int controls = 0, skinned = 0;
  ForEachVisibleChild(AMain, [&](HWND AChild) {
    ++controls;
    if (Skinned(AChild)) ++skinned;
    return true;
  });
  std::printf("%d %d/%d %s\n", Skinned(AMain) ? 1 : 0, skinned, controls, RegionType(AMain));
  return 0;
}

int Dialog(const std::wstring& ATitle) {
  HWND dialog = FindTopLevel(L"#32770", ATitle, false);
  if (!dialog) return 1;
  std::printf("%d %s\n", Skinned(dialog) ? 1 : 0, RegionType(dialog));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring what = argv[1];
  if (what == L"dialog" && argc == 3) return Dialog(argv[2]);
  HWND main = FindMainWindow();
  if (!main) return 1;
  if (what == L"rect" && argc == 3) return ControlRect(main, argv[2]);
  if (argc != 2) return 2;
  if (what == L"focus") {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info)) return 1;
    return Print(info.hwndFocus);
  }
  if (what == L"owner") return Print(GetWindow(main, GW_OWNER));
  if (what == L"activate") return SetForegroundWindow(main) ? 0 : 1;
  if (what == L"caption") return Print(main);
  if (what == L"window") return PrintRect(main);
  if (what == L"page") return Page(main);
  if (what == L"skin") return Skin(main);
  return 2;
}
