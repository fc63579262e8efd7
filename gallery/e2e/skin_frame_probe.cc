// skin_frame_probe.exe: run inside the gallery's Wine session by the skinned
// frame scenario, it tells what X cannot about the top-level window CAPTION.
//
//   skin_frame_probe rect CAPTION     "l t r b" of its window on the screen
//   skin_frame_probe client CAPTION   "x y" of its client area's top-left
//   skin_frame_probe state CAPTION    "iconic zoomed visible sysmenu skinned"
//                                     (0/1 each; skinned: it answers 10922)
//   skin_frame_probe region CAPTION   "kind tl tr bl br": GetWindowRgn's
//                                     answer (0 none, 1 simple, 2 complex)
//                                     and whether each corner pixel is inside
//   skin_frame_probe menu             "l t r b" of the visible popup menu
//   skin_frame_probe work             "l t r b" of the primary work area
//   skin_frame_probe gone CAPTION     "1" when no visible window has it, else "0"
//   skin_frame_probe hit CAPTION X Y  its answer to WM_NCHITTEST at X, Y
//   skin_frame_probe close CAPTION    asks it to close (WM_CLOSE)
//   skin_frame_probe place CAPTION X Y  moves its window to X, Y (a
//                                     minimised one too), size unchanged
//   skin_frame_probe keep             holds a hidden window until the
//                                     session ends (keeps a virtual desktop)
//   skin_frame_probe arrange          minimised windows go to the bottom left
//                                     of the screen instead of out of sight
//
// Prints nothing (exit status 1) when the window asked for is missing; the
// scenario reads the output, as Wine's desktop launcher may not pass the
// status on.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr UINT kIsSkinned = 10922;

struct TSearch {
  std::wstring Caption;
  std::wstring Class;
  HWND Found = nullptr;
};

BOOL CALLBACK FindVisible(HWND AWindow, LPARAM AData) {
  auto* s = reinterpret_cast<TSearch*>(AData);
  if (!IsWindowVisible(AWindow)) return TRUE;
  wchar_t text[256] = {};
  wchar_t cls[64] = {};
  GetWindowTextW(AWindow, text, 256);
  GetClassNameW(AWindow, cls, 64);
  if ((!s->Class.empty() && s->Class == cls) || (s->Class.empty() && s->Caption == text)) {
    s->Found = AWindow;
    return FALSE;
  }
  return TRUE;
}

HWND FindTop(const std::wstring& ACaption, const std::wstring& AClass = {}) {
  TSearch search{ACaption, AClass};
  EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

void PrintRect(const RECT& ARect) {
  std::printf("%ld %ld %ld %ld\n", ARect.left, ARect.top, ARect.right, ARect.bottom);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring what = argv[1];
  if (what == L"work") {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    PrintRect(work);
    return 0;
  }
  if (what == L"keep") {
    CreateWindowExW(0, L"Static", L"keep", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
    return 0;
  }
  if (what == L"arrange") {
    MINIMIZEDMETRICS metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETMINIMIZEDMETRICS, sizeof metrics, &metrics, 0);
    metrics.iArrange = ARW_BOTTOMLEFT | ARW_RIGHT;
    return SystemParametersInfoW(SPI_SETMINIMIZEDMETRICS, sizeof metrics, &metrics,
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)
               ? 0
               : 1;
  }
  if (what == L"menu") {
    HWND menu = FindTop(L"", L"#32768");
    if (!menu) return 1;
    RECT r{};
    GetWindowRect(menu, &r);
    PrintRect(r);
    return 0;
  }
  if (argc < 3) return 2;
  HWND window = FindTop(argv[2]);
  if (what == L"gone") {
    std::printf("%d\n", window ? 0 : 1);
    return 0;
  }
  if (!window) return 1;
  if (what == L"close") return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  RECT r{};
  GetWindowRect(window, &r);
  if (what == L"rect") {
    PrintRect(r);
    return 0;
  }
  if (what == L"place" && argc == 5) {
    SetWindowPos(window, nullptr, _wtoi(argv[3]), _wtoi(argv[4]), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
  }
  if (what == L"hit" && argc == 5) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(_wtoi(argv[3]), _wtoi(argv[4])),
                        SMTO_ABORTIFHUNG, 5000, &hit);
    std::printf("%d\n", static_cast<int>(hit));
    return 0;
  }
  if (what == L"client") {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("%ld %ld\n", origin.x, origin.y);
    return 0;
  }
  if (what == L"state") {
    DWORD_PTR skinned = 0;
    SendMessageTimeoutW(window, kIsSkinned, 0, 0, SMTO_ABORTIFHUNG, 5000, &skinned);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    std::printf("%d %d %d %d %d\n", IsIconic(window) ? 1 : 0, IsZoomed(window) ? 1 : 0,
                IsWindowVisible(window) ? 1 : 0, (style & WS_SYSMENU) ? 1 : 0,
                skinned == 1 ? 1 : 0);
    return 0;
  }
  if (what == L"region") {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(window, region);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    auto inside = [&](int AX, int AY) {
      return kind == ERROR ? 1 : (PtInRegion(region, AX, AY) ? 1 : 0);
    };
    std::printf("%d %d %d %d %d\n",
                kind == COMPLEXREGION  ? 2
                : kind == SIMPLEREGION ? 1
                                       : 0,
                inside(0, 0), inside(w - 1, 0), inside(0, h - 1), inside(w - 1, h - 1));
    DeleteObject(region);
    return 0;
  }
  return 2;
}
