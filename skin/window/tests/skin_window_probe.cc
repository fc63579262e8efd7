// The window wrapper under Wine: a toolkit form with a few controls, skinned
// by an engine loaded from our own skin. Prints "PASS name" / "FAIL name:
// why" per check; at "SHOT name" it waits until the driving script has
// taken a screenshot (it creates the file DIR\go-name). Writes the skin's
// title images as PPM files to DIR for the script's pixel checks.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/engine/skin_engine.h"
#include "skin/frame/frame_metrics.h"
#include "skin/own/own_skin.h"
#include "skin/window/skin_window.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"

namespace {

using skin::TzelSkinEngine;
namespace fs = std::filesystem;

fs::path g_Dir;
int g_Failures = 0;

void Check(bool AOk, const std::string& AName, const std::string& AWhy = {}) {
  std::printf("%s %s%s%s\n", AOk ? "PASS" : "FAIL", AName.c_str(), AOk ? "" : ": ",
              AOk ? "" : AWhy.c_str());
  std::fflush(stdout);
  if (!AOk) ++g_Failures;
}

void Pump(int AMilliseconds = 0) {
  DWORD end = GetTickCount() + static_cast<DWORD>(AMilliseconds);
  do {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    if (AMilliseconds) Sleep(10);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

// Lets the script take screenshot AName (at most 60 s).
void Shot(const std::string& AName, HWND AWindow) {
  RedrawWindow(AWindow, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(300);
  RECT r{};
  GetWindowRect(AWindow, &r);
  std::printf("SHOT %s %ld %ld %ld %ld\n", AName.c_str(), r.left, r.top, r.right, r.bottom);
  std::fflush(stdout);
  const fs::path go = g_Dir / ("go-" + AName);
  for (int i = 0; i < 600 && !fs::exists(go); ++i) Pump(100);
}

void WritePpm(const skin::TBitmap* ABitmap, const std::string& AName) {
  if (!ABitmap) return;
  std::ofstream out(g_Dir / (AName + ".ppm"), std::ios::binary);
  out << "P6\n" << ABitmap->Width() << " " << ABitmap->Height() << "\n255\n";
  for (int y = 0; y < ABitmap->Height(); ++y) {
    for (int x = 0; x < ABitmap->Width(); ++x) {
      skin::TColor c = ABitmap->Pixel(x, y);
      out.put(static_cast<char>(c & 0xFF))
          .put(static_cast<char>((c >> 8) & 0xFF))
          .put(static_cast<char>((c >> 16) & 0xFF));
    }
  }
}

// The messages a window receives while AActions run, through a probe that
// sits behind every other handler of the window.
struct TLog {
  std::vector<UINT> Seen;
};

std::vector<UINT> MessagesDuring(HWND AWindow, uintptr_t AProbeId, TLog& ALog,
                                 const std::function<void()>& AActions) {
  (void)AWindow;
  (void)AProbeId;
  ALog.Seen.clear();
  AActions();
  Pump(200);
  return ALog.Seen;
}

std::string Describe(const std::vector<UINT>& A) {
  std::string s;
  for (UINT m : A) s += std::to_string(m) + " ";
  return s;
}

void StandardActions(HWND AWindow) {
  SetWindowTextW(AWindow, L"Skin Probe 2");
  SetWindowTextW(AWindow, L"Skin Probe");
  SetWindowPos(AWindow, nullptr, 0, 0, 420, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(AWindow, nullptr, 0, 0, 400, 280, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r{};
  GetWindowRect(AWindow, &r);
  SendMessageW(AWindow, WM_NCHITTEST, 0, MAKELPARAM(r.left + 50, r.top + 10));
  SendMessageW(AWindow, WM_NCACTIVATE, FALSE, 0);
  SendMessageW(AWindow, WM_NCACTIVATE, TRUE, 0);
  RedrawWindow(AWindow, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void SkinErrors(ui::TApplication& AApp) {
  std::string what;
  try {
    ui::TComponent notAForm;
    TzelSkinEngine e(&notAForm);
  } catch (const skin::ESkinEngineError& e) {
    what = e.what();
  }
  Check(what == "Must be placed on a Form", "engine-not-on-form", what);
  ui::TForm form(ui::TFormArgs{&AApp, "Zwei", 200, 100});
  TzelSkinEngine first(&form);
  what.clear();
  try {
    TzelSkinEngine second(&form);
  } catch (const skin::ESkinEngineError& e) {
    what = e.what();
  }
  Check(what == "One form can only catch one TzelSkinEngine!", "two-engines-on-one-form", what);
  Check(form.Components().size() == 1, "second-engine-not-kept");
  // A missing skin file changes nothing; valid data then loads, SkinFile stays empty.
  first.SetSkinFile("C:\\nowhere\\missing-skin.zsk");
  Check(!first.Ready() && first.SkinFile().empty(), "missing-skin-file-changes-nothing");
  first.SetSkinData(skin::OwnSkinData());
  Check(first.Ready() && first.SkinFile().empty(), "skin-data-used-skin-file-empty",
        first.SkinFile());
  Check(first.TitleHeight() > 0, "apply-skin-reads-metrics");
  // The temporary files are gone.
  int left = 0;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(fs::temp_directory_path(), ec)) {
    if (entry.path().extension() == ".zsk") ++left;
  }
  Check(left == 0, "temporary-skin-file-deleted", std::to_string(left));
  first.Loaded();
  what.clear();
  try {
    first.SetBuiltIn(true);
  } catch (const skin::ESkinEngineError& e) {
    what = e.what();
  }
  Check(what == "BuiltIn property only can be specified at design time!", "builtin-at-run-time",
        what);
}

// A message box opened while the engine is active: whether it was skinned
// when shown, and what MessageBoxW returned after SC_CLOSE was sent to it.
struct TBoxResult {
  LRESULT Skinned = -1;
  int Returned = 0;
  bool CtlColorBrush = false;
};

TBoxResult g_Box;
TzelSkinEngine* g_BoxEngine = nullptr;

void CALLBACK BoxTimer(HWND, UINT, UINT_PTR AId, DWORD) {
  HWND box = FindWindowW(L"#32770", L"Probe Box");
  if (!box) return;
  KillTimer(nullptr, AId);
  g_Box.Skinned = SendMessageW(box, skin::kSkinMsgIsSkinned, 0, 0);
  HWND text = FindWindowExW(box, nullptr, L"Static", nullptr);
  HDC dc = GetDC(box);
  LRESULT brush = SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(text));
  ReleaseDC(box, dc);
  g_Box.CtlColorBrush = g_BoxEngine && brush == reinterpret_cast<LRESULT>(g_BoxEngine->FormBrush());
  SendMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TBoxResult OpenBox(HWND AOwner, TzelSkinEngine& AEngine) {
  g_Box = {};
  g_BoxEngine = &AEngine;
  SetTimer(nullptr, 0, 100, &BoxTimer);
  g_Box.Returned = MessageBoxW(AOwner, L"Text", L"Probe Box", MB_YESNO);
  return g_Box;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  g_Dir = argv[1];
  ui::TApplication app("Skin Probe");
  SkinErrors(app);

  ui::TForm form(ui::TFormArgs{&app, "Skin Probe", 380, 240, ui::TFormBorderStyle::Sizeable,
                               ui::biSystemMenu | ui::biMinimize | ui::biMaximize,
                               ui::TPosition::Designed});
  ui::TButton button(ui::TButtonArgs{{&form, 20, 20, 90, 26, "OK", 0, "btnOk"}});
  ui::TLabel label(ui::TLabelArgs{{&form, 20, 60, 0, 0, "Port:", 0, "lblPort"}});
  ui::TEdit edit(ui::TEditArgs{{&form, 80, 58, 120, 22, "8080", 0, "edtPort"}});
  form.Show();
  HWND h = form.Handle();
  SetWindowPos(h, nullptr, 120, 100, 400, 280, SWP_NOZORDER);
  button.SetFocus();
  Pump(300);

  TLog log;
  const uintptr_t probeId = 0x70726F62;
  ui::SubclassWindow(h, probeId,
                     [&log](const ui::TWindowMessage& AMsg, const ui::TWindowChain::TNext& ANext) {
                       log.Seen.push_back(AMsg.Message);
                       return ANext(AMsg);
                     });
  const std::vector<UINT> plainLog = MessagesDuring(h, probeId, log, [h] { StandardActions(h); });
  RECT plainRect{};
  GetWindowRect(h, &plainRect);
  Shot("plain", h);

  // An engine that is not active changes nothing.
  auto engine = std::make_unique<TzelSkinEngine>(&form);
  engine->SetSkinData(skin::OwnSkinData());
  engine->Loaded();
  Pump(200);
  Check(engine->SkinnedFormsCount() == 1, "owner-form-wrapped-when-loaded");
  Check(SendMessageW(h, skin::kSkinMsgIsSkinned, 0, 0) == 1, "wrapper-answers-10922");
  const std::vector<UINT> inactiveLog =
      MessagesDuring(h, probeId, log, [h] { StandardActions(h); });
  Check(inactiveLog == plainLog, "inactive-engine-message-log-unchanged",
        Describe(plainLog) + "| " + Describe(inactiveLog));
  Shot("inactive", h);

  // Skinned.
  engine->SetActive(true);
  Pump(300);
  Check(engine->RealActive(), "really-active");
  RECT wr{};
  GetWindowRect(h, &wr);
  Check(EqualRect(&wr, &plainRect) != 0, "window-keeps-its-place-when-skinned");
  POINT origin{0, 0};
  ClientToScreen(h, &origin);
  Check(origin.y - wr.top == engine->TitleHeight(), "client-below-skin-title",
        std::to_string(origin.y - wr.top) + " vs " + std::to_string(engine->TitleHeight()));
  Check((GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU) == 0, "system-buttons-off-while-skinned");
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  int kind = GetWindowRgn(h, rgn);
  Check(kind == COMPLEXREGION, "shaped-region", std::to_string(kind));
  Check(!PtInRegion(rgn, 0, 0) && PtInRegion(rgn, 200, 12) && PtInRegion(rgn, 200, 150) &&
            !PtInRegion(rgn, 0, wr.bottom - wr.top - 1) &&
            !PtInRegion(rgn, wr.right - wr.left - 1, 0),
        "corners-cut-by-region");
  DeleteObject(rgn);
  const skin::TzelSkinReader& reader = engine->SkinReader();
  WritePpm(reader.GetBitmap(skin::TSkinBitmapKey::TitleBar1), "titlebar1");
  WritePpm(reader.GetBitmap(skin::TSkinBitmapKey::TitleBar2), "titlebar2");
  WritePpm(reader.GetBitmap(skin::TSkinBitmapKey::TitleBar3), "titlebar3");
  WritePpm(reader.GetBitmap(skin::TSkinBitmapKey::TitleButtons), "titlebuttons");
  const skin::TSkinMetrics& m = engine->Metrics();
  std::printf("METRICS trans=%06X btnx=%d btny=%d btnw=%d iconx=%d title=%d\n",
              m.TransColor & 0xFFFFFF, m.TitleBtnPos.X, m.TitleBtnPos.Y, m.TitleButtonSize.Width,
              m.TitleIconPos.X, m.TitleHeight);
  Shot("skinned", h);

  // Hit test: the close button, the caption, the client.
  const int width = wr.right - wr.left;
  const int btnW = m.TitleButtonSize.Width;
  POINT close{wr.left + width - m.TitleBtnPos.X - btnW / 2,
              wr.top + m.TitleBtnPos.Y + m.TitleButtonSize.Height / 2};
  POINT minimize{close.x - 2 * (btnW + 2), close.y};
  Check(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)) == HTCLOSE,
        "hit-close-button");
  Check(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(wr.left + width / 2, wr.top + 12)) == HTCAPTION,
        "hit-caption");
  Check(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(wr.left + width / 2, wr.top + 150)) == HTCLIENT,
        "hit-client");

  // Maximised: the work area grown by 4 pixels on every side.
  ShowWindow(h, SW_MAXIMIZE);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(h, &wr);
  std::printf("MAX zoomed=%d work=%ld,%ld,%ld,%ld\n", IsZoomed(h) ? 1 : 0, work.left, work.top,
              work.right, work.bottom);
  Check(wr.left == work.left - 4 && wr.top == work.top - 4 && wr.right == work.right + 4 &&
            wr.bottom == work.bottom + 4,
        "maximised-covers-work-area-plus-4",
        std::to_string(wr.left) + "," + std::to_string(wr.top) + "," + std::to_string(wr.right) +
            "," + std::to_string(wr.bottom));
  // (Wine's X11 driver later restores a shaped maximised window on its own.)
  Pump(300);
  GetWindowRect(h, &wr);
  std::printf("MAXLATER zoomed=%d %ld,%ld,%ld,%ld\n", IsZoomed(h) ? 1 : 0, wr.left, wr.top,
              wr.right, wr.bottom);
  ShowWindow(h, SW_RESTORE);
  SetWindowPos(h, nullptr, 120, 100, 400, 280, SWP_NOZORDER);
  Pump(300);

  // Press on minimise, release outside: nothing. Press and release on it: minimised.
  SetCursorPos(minimize.x, minimize.y);
  Pump(50);
  SendMessageW(h, WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(minimize.x, minimize.y));
  SetCursorPos(wr.left + width / 2, wr.top + 150);
  Pump(50);
  SendMessageW(h, WM_NCLBUTTONUP, HTCLIENT, MAKELPARAM(wr.left + width / 2, wr.top + 150));
  Pump(200);
  Check(!IsIconic(h), "release-outside-does-nothing");
  SetCursorPos(minimize.x, minimize.y);
  Pump(50);
  SendMessageW(h, WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(minimize.x, minimize.y));
  SendMessageW(h, WM_NCLBUTTONUP, HTMINBUTTON, MAKELPARAM(minimize.x, minimize.y));
  Pump(300);
  // The main form minimises the whole application.
  Check(IsIconic(h) || IsIconic(app.Handle()) || !IsWindowVisible(h), "release-on-button-acts");
  SendMessageW(app.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ShowWindow(h, SW_RESTORE);
  SetCursorPos(0, 0);
  Pump(300);

  // Off again: exactly the system's look; on and off once more.
  engine->SetActive(false);
  Pump(300);
  GetWindowRect(h, &wr);
  Check(EqualRect(&wr, &plainRect) != 0, "window-rect-restored");
  Check((GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU) != 0, "system-menu-style-restored");
  rgn = CreateRectRgn(0, 0, 0, 0);
  Check(GetWindowRgn(h, rgn) == ERROR, "region-removed");
  DeleteObject(rgn);
  const std::vector<UINT> offLog = MessagesDuring(h, probeId, log, [h] { StandardActions(h); });
  Check(offLog == plainLog, "switched-off-message-log-unchanged",
        Describe(plainLog) + "| " + Describe(offLog));
  Shot("off1", h);
  engine->SetActive(true);
  Pump(200);
  engine->SetActive(false);
  Pump(200);
  Shot("off2", h);

  // Message boxes: skinned on activation only with SkinDialogs; their
  // SC_CLOSE becomes IDCANCEL (a Yes/No box has no cancel: the system answers
  // with the box still open, so the result is checked for IDCANCEL only when
  // skinned).
  engine->SetActive(true);
  engine->SetSkinDialogs(false);
  TBoxResult box = OpenBox(h, *engine);
  Check(box.Skinned == 0, "message-box-unskinned-without-skin-dialogs",
        std::to_string(box.Skinned));
  engine->SetSkinDialogs(true);
  const int before = engine->SkinnedFormsCount();
  box = OpenBox(h, *engine);
  Check(box.Skinned == 1, "message-box-skinned-with-skin-dialogs", std::to_string(box.Skinned));
  Check(box.Returned == IDCANCEL, "message-box-close-is-cancel", std::to_string(box.Returned));
  Check(box.CtlColorBrush, "message-box-static-gets-form-brush");
  Pump(100);
  engine->SetActive(false);
  engine->SetActive(true);
  Check(engine->SkinnedFormsCount() <= before + 1, "gone-box-wrapper-harmless");
  engine->SetActive(false);
  Pump(200);

  // TitleVisible false: the client reaches the window's top.
  engine->SetActive(true);
  Pump(200);
  if (auto* w = engine->FindSkinWindow(h)) {
    w->SetTitleVisible(false);
    Pump(200);
    GetWindowRect(h, &wr);
    origin = {0, 0};
    ClientToScreen(h, &origin);
    Check(origin.y == wr.top, "title-hidden-client-at-top", std::to_string(origin.y - wr.top));
    w->SetTitleVisible(true);
  }
  // Destroying the engine leaves the window as it was.
  engine.reset();
  Pump(300);
  GetWindowRect(h, &wr);
  Check(EqualRect(&wr, &plainRect) != 0 && (GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU) != 0,
        "engine-destroyed-window-restored");
  Shot("destroyed", h);
  std::printf("DONE %d\n", g_Failures);
  std::fflush(stdout);
  return g_Failures == 0 ? 0 : 1;
}
