// menu_demo LOGFILE: a toolkit form with a main menu shown on the skinned
// menu bar, its popup items painted by the skin's menu painter with our own
// skin, and the engine's system menu. It writes what a test needs to know
// to LOGFILE, one line per event: the bar's buttons in screen pixels,
// every popup that opens, every item clicked, and the system menu's close
// caption before and after ResSysMenuClose is set.
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/win32/wide.h"
#include "skin/frame/skin_metrics.h"
#include "skin/menu/win32/menu_bar.h"
#include "skin/menu/win32/menu_painter.h"
#include "skin/menu/win32/system_menu_win32.h"
#include "skin/menu/win32/tests/menu_bar_log.h"
#include "skin/own/own_skin.h"
#include "skin/reader/zel_skin_reader.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace {

std::ofstream Log;

void Note(const std::string& ALine) {
  Log << ALine << '\n';
  Log.flush();
}

std::string MenuText(HMENU AMenu, int AIndex) {
  wchar_t text[128] = {};
  GetMenuStringW(AMenu, static_cast<UINT>(AIndex), text, 128, MF_BYPOSITION);
  return platform::win32::ToUtf8(text);
}

ui::TMenuItem Item(const char* AName, const char* ACaption) {
  ui::TMenuItem item;
  item.Name = AName;
  item.Caption = ACaption;
  item.OnClick = [name = std::string(AName)] { Note("click " + name); };
  return item;
}

// With QUILLORY_MENU_TRACE set: every key message the thread takes, for
// finding where keys go.
LRESULT CALLBACK TraceKeys(int ACode, WPARAM AWParam, LPARAM ALParam) {
  const MSG& m = *reinterpret_cast<const MSG*>(ALParam);
  if (ACode >= 0 && m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) {
    wchar_t cls[64] = {};
    GetClassNameW(m.hwnd, cls, 64);
    Note("key " + std::to_string(m.message) + " " + std::to_string(m.wParam) + " " +
         platform::win32::ToUtf8(cls));
  }
  return CallNextHookEx(nullptr, ACode, AWParam, ALParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) return 2;
  Log.open(std::filesystem::path(argv[1]), std::ios::binary);

  // Our own skin, loaded from a file as the engine does.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::filesystem::path skinFile = std::filesystem::path(temp) / L"menu_demo.zsk";
  {
    const auto data = skin::OwnSkinData();
    std::ofstream out(skinFile, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
  }
  skin::TzelSkinReader reader;
  reader.LoadSkin(skinFile, "");
  std::filesystem::remove(skinFile);
  const skin::TSkinMetrics metrics =
      skin::ReadSkinMetrics(reader, GetSysColor(COLOR_INACTIVECAPTIONTEXT));
  skin::TMenuPalette palette;
  for (int i = 0; i < skin::kMenuColorCount; ++i) palette.Colors[i] = metrics.MenuColors[i];
  palette.DisabledFontColor = metrics.DisabledMenuFontColor;
  palette.CheckGlyph = reader.GetBitmap(skin::TSkinBitmapKey::CheckedMenuIcon);
  palette.CheckTransColor = metrics.TransColor;

  ui::TApplication application("Menuetest");
  ui::TForm form(ui::TFormArgs{&application, "Menuetest", 420, 300});

  ui::TMenuItem open = Item("MI_Open", "\xC3\x96&ffnen");
  open.ShortCut = {'O', false, true, false};
  ui::TMenuItem status = Item("MI_Status", "&Status");
  status.Checked = true;
  ui::TMenuItem save = Item("MI_Save", "&Speichern");
  save.Default = true;
  ui::TMenuItem gone = Item("MI_Gone", "&Nicht da");
  gone.Enabled = false;
  ui::TMenuItem file = Item("MI_File", "&Datei");
  file.Items = {open, status, save, Item("MI_Sep", "-"), gone};
  ui::TMenuItem radio = Item("MI_Radio", "&Eins");
  radio.Checked = true;
  radio.RadioItem = true;
  ui::TMenuItem more = Item("MI_More", "&Mehr");
  more.Items = {Item("MI_Two", "&Zwei")};
  ui::TMenuItem help = Item("MI_Help", "&Hilfe");
  help.Items = {radio, more};
  form.SetMenu(std::make_unique<ui::TMainMenu>(std::vector<ui::TMenuItem>{file, help}));
  form.SetMenuShown(false);

  skin::TzelMenuPainter painter(palette);
  painter.Attach(*form.Menu());
  skin::TzelSkinMenuBar bar(
      skin::TzelSkinMenuBarArgs{&form, &palette, reader.GetBitmap(skin::TSkinBitmapKey::MenuBar)});
  bar.SetMenu(form.Menu());
  bar.OnPopup = [](int AIndex) { Note("popup " + std::to_string(AIndex)); };

  skin::TzelSkinSysMenu sysMenu(painter);
  Note("sysmenu " + MenuText(sysMenu.Menu().Handle(), 3));
  sysMenu.SetResSysMenuClose(
      "&Schlie\xC3\x9F"
      "en");
  Note("sysmenu " + MenuText(sysMenu.Menu().Handle(), 3));

  if (GetEnvironmentVariableW(L"QUILLORY_MENU_TRACE", nullptr, 0)) {
    SetWindowsHookExW(WH_GETMESSAGE, TraceKeys, nullptr, GetCurrentThreadId());
  }
  form.Show();
  UpdateWindow(form.Handle());
  Note("barheight " + std::to_string(skin::GetMenuBarHeight(&bar)));
  for (const std::string& line : skin::MenuBarLogLines(bar)) Note(line);
  Note("ready");
  application.Run(form);
  return 0;
}
