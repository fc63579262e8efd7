// The window wrapper's menu bar and MDI support under Wine: a toolkit form
// with a main menu and a few anchored controls, skinned by an engine loaded
// from our own skin, then an MDI parent with three children. Prints
// "PASS name" / "FAIL name: why" per check. At "SHOT name" it waits until
// the driving script has taken a screenshot, at "DRIVE name" until the
// script has typed or clicked what that step needs (the script creates
// DIR\go-name either way); meanwhile the application's message loop runs,
// so keys reach the shortcuts and access keys as in a real program.
// DIR\menu.log gets the menu bar's place and buttons in screen pixels, and
// every popup opened and item clicked.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/user32_functions.h"
#include "skin/menu/win32/menu_bar.h"
#include "skin/menu/win32/menu_painter.h"
#include "skin/menu/win32/system_menu_win32.h"
#include "skin/menu/win32/tests/menu_bar_log.h"
#include "skin/own/own_skin.h"
#include "skin/window/mdi_layout.h"
#include "skin/window/skin_window.h"
#include "skin/window/skin_window_mdi.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/menu.h"

namespace {

using skin::TzelSkinEngine;
namespace fs = std::filesystem;

fs::path g_Dir;
int g_Failures = 0;
std::ofstream g_Log;
ui::TApplication* g_App = nullptr;

void Check(bool AOk, const std::string& AName, const std::string& AWhy = {}) {
  std::printf("%s %s%s%s\n", AOk ? "PASS" : "FAIL", AName.c_str(), AOk ? "" : ": ",
              AOk ? "" : AWhy.c_str());
  std::fflush(stdout);
  if (!AOk) ++g_Failures;
}

void Note(const std::string& ALine) {
  g_Log << ALine << '\n';
  g_Log.flush();
}

// Runs the application's message loop for AMilliseconds, or until ADone.
void Loop(int AMilliseconds, const std::function<bool()>& ADone = {}) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(AMilliseconds);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, nullptr);
  g_App->RunUntil([&] { return (ADone && ADone()) || static_cast<int>(end - GetTickCount()) <= 0; },
                  nullptr);
  KillTimer(nullptr, timer);
}

// Waits (at most 60 s) for the script's go file of AName.
void WaitGo(const std::string& AName) {
  const fs::path go = g_Dir / ("go-" + AName);
  Loop(60000, [&] { return fs::exists(go); });
}

void Shot(const std::string& AName, HWND AWindow) {
  RedrawWindow(AWindow, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Loop(300);
  RECT r{};
  GetWindowRect(AWindow, &r);
  std::printf("SHOT %s %ld %ld %ld %ld\n", AName.c_str(), r.left, r.top, r.right, r.bottom);
  std::fflush(stdout);
  WaitGo(AName);
}

void Drive(const std::string& AName) {
  std::printf("DRIVE %s\n", AName.c_str());
  std::fflush(stdout);
  WaitGo(AName);
  Loop(200);
}

std::string Text(const RECT& A) {
  return std::to_string(A.left) + "," + std::to_string(A.top) + "," + std::to_string(A.right) +
         "," + std::to_string(A.bottom);
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

std::unique_ptr<ui::TMainMenu> FileMenu() {
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
  ui::TMenuItem copy = Item("MI_Copy", "&Kopieren");
  ui::TMenuItem edit = Item("MI_Edit", "&Bearbeiten");
  edit.Items = {copy};
  return std::make_unique<ui::TMainMenu>(std::vector<ui::TMenuItem>{file, edit});
}

skin::TzelSkinWindowVCL* WrapperOf(TzelSkinEngine& AEngine, ui::TForm& AForm) {
  return dynamic_cast<skin::TzelSkinWindowVCL*>(AEngine.FindSkinWindow(AForm.Handle()));
}

struct TPlace {
  RECT Bounds;
  int BottomGap;  // client height - bottom
};

TPlace PlaceOf(ui::TForm& AForm, ui::TWidget& AControl) {
  const RECT r = AControl.BoundsRect();
  return {r, AForm.ClientHeight() - r.bottom};
}

void MenuForm(ui::TApplication& AApp) {
  ui::TForm form(ui::TFormArgs{&AApp, "Menu Probe", 400, 260, ui::TFormBorderStyle::Sizeable,
                               ui::biSystemMenu | ui::biMinimize | ui::biMaximize,
                               ui::TPosition::Designed});
  ui::TButton ok(ui::TButtonArgs{{&form, 20, 20, 90, 26, "OK", 0, "btnOk"}});
  ui::TButton tall(ui::TButtonArgs{{&form, 260, 20, 110, 180, "Hoch", 0, "btnTall"}});
  tall.SetAnchors(ui::akLeft | ui::akTop | ui::akBottom);
  ui::TLabel low(ui::TLabelArgs{{&form, 20, 230, 0, 0, "Unten", 0, "lblLow"}});
  low.SetAnchors(ui::akLeft | ui::akBottom);
  form.SetMenu(FileMenu());
  form.Show();
  const HWND h = form.Handle();
  SetWindowPos(h, nullptr, 60, 60, 420, 340, SWP_NOZORDER);
  ok.SetFocus();
  Loop(300);
  const HMENU ownMenu = GetMenu(h);
  Check(ownMenu && ownMenu == form.Menu()->Handle(), "form-shows-its-own-menu");
  RECT plainRect{};
  GetWindowRect(h, &plainRect);
  const TPlace plainOk = PlaceOf(form, ok), plainTall = PlaceOf(form, tall),
               plainLow = PlaceOf(form, low);
  const ui::TSizeConstraints plainLimits = form.Constraints();
  Shot("plain", h);

  auto engine = std::make_unique<TzelSkinEngine>(&form);
  engine->SetSkinData(skin::OwnSkinData());
  engine->Loaded();
  engine->SetActive(true);
  Loop(300);
  skin::TzelSkinWindowVCL* wrapper = WrapperOf(*engine, form);
  Check(wrapper && wrapper->MenuBar(), "menu-bar-created");
  if (!wrapper || !wrapper->MenuBar()) return;
  skin::TzelSkinMenuBar& bar = *wrapper->MenuBar();
  bar.OnPopup = [](int AIndex) { Note("popup " + std::to_string(AIndex)); };
  const int menuHeight = engine->GetMenuBarHeight(form);
  Check(menuHeight >= 19, "menu-bar-height", std::to_string(menuHeight));
  Check(SendMessageW(h, skin::kSkinMsgMenuBarHeight, 0, 0) == menuHeight, "33769-answers-height");
  Check(GetMenu(h) == nullptr, "form-menu-taken-off");
  Check(form.Menu()->OwnerDraw(), "main-menu-owner-drawn");
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(GetSubMenu(form.Menu()->Handle(), 0), 0, TRUE, &info);
  Check((info.fType & MFT_OWNERDRAW) != 0, "popup-items-owner-drawn");
  const RECT barRect = bar.BoundsRect();
  Check(barRect.top == 0 && barRect.bottom == menuHeight, "bar-at-client-top", Text(barRect));
  const TPlace onOk = PlaceOf(form, ok), onTall = PlaceOf(form, tall), onLow = PlaceOf(form, low);
  Check(onOk.Bounds.top == plainOk.Bounds.top + menuHeight &&
            onOk.Bounds.bottom == plainOk.Bounds.bottom + menuHeight,
        "control-moved-down-by-menu-height", Text(onOk.Bounds));
  Check(onTall.Bounds.top == plainTall.Bounds.top + menuHeight &&
            onTall.BottomGap == plainTall.BottomGap,
        "anchored-top-bottom-moves-keeps-bottom-gap", Text(onTall.Bounds));
  Check(onLow.BottomGap == plainLow.BottomGap, "anchored-bottom-keeps-gap",
        std::to_string(onLow.BottomGap));
  const ui::TSizeConstraints limits = form.Constraints();
  Check(limits.MinHeight == menuHeight + engine->TitleHeight() + 6 &&
            limits.MinWidth == engine->Metrics().MinWidth,
        "size-constraints-set",
        std::to_string(limits.MinWidth) + "x" + std::to_string(limits.MinHeight));

  // The measure rules through the engine's painter.
  ui::TMainMenu& menu = *form.Menu();
  int w = 0, hh = 0;
  engine->MenuPainter().Measure(menu, *menu.Find("MI_Status"), w, hh);
  Check(hh == 21, "item-measured-21-high", std::to_string(hh));
  int sw = 0, sh = 0;
  engine->MenuPainter().Measure(menu, *menu.Find("MI_Sep"), sw, sh);
  Check(sh == 5, "separator-measured-5-high", std::to_string(sh));

  // The engine's system menu: renamed at once.
  const std::string before = MenuText(engine->SysMenu().Handle(), 3);
  engine->SetResSysMenuClose(
      "&Schlie\xC3\x9F"
      "en");
  const std::string after = MenuText(engine->SysMenu().Handle(), 3);
  Check(before == "&Close" && after ==
                                  "&Schlie\xC3\x9F"
                                  "en",
        "res-sys-menu-close-renames-at-once", before + " -> " + after);
  Check(engine->MenuPalette().CheckGlyph != nullptr, "check-glyph-present");
  Check(!TzelSkinEngine::DefaultCheckGlyph().Empty(), "default-check-glyph-resource");

  // Another menu on the bar, and back to the form's own.
  std::unique_ptr<ui::TMainMenu> other = FileMenu();
  other->Find("MI_Edit")->Caption = "&Extras";
  ui::TMenuItem help = Item("MI_Help", "&Hilfe");
  help.Items = {Item("MI_About",
                     "\xC3\x9C&"
                     "ber")};
  bool f7 = false;
  ui::TMenuItem b = Item("MI_B", "&B");
  b.ShortCut = {VK_F7};
  b.OnClick = [&f7] { f7 = true; };
  ui::TMainMenu third({Item("MI_A", "&A"), b, help});
  engine->AssignMainMenu(form, &third);
  Loop(100);
  // The assigned menu's shortcut, through the message loop.
  SetActiveWindow(h);
  ok.SetFocus();
  PostMessageW(ok.Handle(), WM_KEYDOWN, VK_F7, 0);
  Loop(200);
  Check(f7, "assigned-menu-shortcut-fires");
  Check(bar.Menu() == &third && bar.Layout().Buttons.size() == 3 && GetMenu(h) == nullptr &&
            third.OwnerDraw(),
        "assign-main-menu-shows-it");
  engine->AssignMainMenu(form, nullptr);
  Loop(100);
  Check(bar.Menu() == form.Menu() && bar.Layout().Buttons.size() == 2 && !third.OwnerDraw(),
        "assign-main-menu-back-to-own");
  // A caption changed behind the bar's back shows after UpdateTopMenu.
  const int wide = bar.Layout().Buttons[1].Width();
  form.Menu()->Find("MI_Edit")->Caption = "&Bearbeiten und mehr";
  engine->UpdateTopMenu(form);
  Check(bar.Layout().Buttons[1].Width() > wide, "update-top-menu-relayouts");
  form.Menu()->Find("MI_Edit")->Caption = "&Bearbeiten";
  engine->UpdateTopMenu(form);
  // A new menu given to the form while skinned shows on the bar after
  // UpdateTopMenu; the old one is gone without leaving a trace.
  form.SetMenu(FileMenu());
  engine->UpdateTopMenu(form);
  Loop(100);
  Check(GetMenu(h) == nullptr && bar.Menu() == form.Menu() && form.Menu()->OwnerDraw() &&
            bar.Layout().Buttons.size() == 2,
        "form-given-new-menu-while-skinned");
  {
    auto custom = std::make_unique<ui::TPopupMenu>(std::vector<ui::TMenuItem>{Item("MI_X", "X")});
    engine->SetSysMenu(custom.get());
    const bool set = &engine->SysMenu() == custom.get();
    custom.reset();
    Check(set && &engine->SysMenu() == &engine->InternalSysMenu().Menu(),
          "custom-system-menu-forgotten-when-freed");
  }
  // An item added at run time gets the engine's handlers with MenuItemAdded.
  ui::TMenuItem* edit = form.Menu()->Find("MI_Edit");
  edit->Items.push_back(Item("MI_Paste", "&Einf\xC3\xBCgen"));
  form.Menu()->Update(*edit);
  const bool bare = !form.Menu()->Find("MI_Paste")->OnDrawItem;
  engine->MenuItemAdded(*form.Menu());
  Check(bare && form.Menu()->Find("MI_Paste")->OnDrawItem &&
            form.Menu()->Find("MI_Paste")->OnMeasureItem,
        "menu-item-added-gets-handlers");
  // The auto-skin class names reach the global list at once.
  engine->SetAutoSkinWndClassNames({"TProbeDialog"});
  const auto& autoSkin = skin::AutoSkinClassList();
  Check(std::find(autoSkin.begin(), autoSkin.end(), "TProbeDialog") != autoSkin.end(),
        "auto-skin-class-names-copied");
  {
    // A form that has lost its window cannot be skinned.
    ui::TForm gone(ui::TFormArgs{&AApp, "Weg", 100, 100});
    DestroyWindow(gone.Handle());
    std::string what;
    try {
      engine->AddForm(gone);
    } catch (const skin::ESkinEngineError& e) {
      what = e.what();
    }
    Check(what == "ZELSkin: Skinning form failed!", "skinning-form-failed-text", what);
  }

  SetCursorPos(0, 0);
  for (const std::string& line : skin::MenuBarLogLines(bar)) Note(line);
  RECT wr{};
  GetWindowRect(h, &wr);
  Note("window " + std::to_string(wr.left) + " " + std::to_string(wr.top));
  Note("ready");
  Shot("skinned", h);
  // Keys: click, Alt + access key with Down, Alt then Right and Down, and a
  // shortcut; the script checks the popups in screenshots.
  Drive("keys");
  std::string log;
  {
    std::ifstream in(g_Dir / "menu.log");
    log.assign(std::istreambuf_iterator<char>(in), {});
  }
  Check(log.find("popup 1") != std::string::npos, "click-opens-popup");
  Check(log.find("popup 0") != std::string::npos, "alt-access-key-opens-popup");
  Check(log.find("click MI_Open") != std::string::npos, "shortcut-fires-while-skinned");
  Check(engine->PopSysMenuWnd() == h, "right-click-on-caption-opens-engine-system-menu");

  // Off: the form's own menu bar, controls, size and constraints come back.
  engine->SetActive(false);
  ok.SetFocus();
  SetCursorPos(0, 0);
  Loop(300);
  RECT offRect{};
  GetWindowRect(h, &offRect);
  Check(GetMenu(h) != nullptr && GetMenu(h) == form.Menu()->Handle(), "own-menu-back");
  Check(!form.Menu()->OwnerDraw(), "menu-no-longer-owner-drawn");
  Check(EqualRect(&offRect, &plainRect) != 0, "window-rect-back", Text(offRect));
  const TPlace offOk = PlaceOf(form, ok), offTall = PlaceOf(form, tall),
               offLow = PlaceOf(form, low);
  Check(EqualRect(&offOk.Bounds, &plainOk.Bounds) &&
            EqualRect(&offTall.Bounds, &plainTall.Bounds) &&
            EqualRect(&offLow.Bounds, &plainLow.Bounds),
        "controls-back", Text(offOk.Bounds) + " " + Text(offTall.Bounds));
  Check(form.Constraints() == plainLimits, "constraints-back");
  Check(!IsWindowVisible(bar.Handle()), "bar-hidden");
  Shot("off", h);
  // A shortcut still works with the form's own menu.
  engine.reset();
  Loop(200);
  Check(GetMenu(h) == form.Menu()->Handle(), "engine-gone-menu-kept");
}

void MDIForms(ui::TApplication& AApp) {
  ui::TForm parent(ui::TFormArgs{&AApp,
                                 "MDI Probe",
                                 560,
                                 380,
                                 ui::TFormBorderStyle::Sizeable,
                                 ui::biSystemMenu | ui::biMinimize | ui::biMaximize,
                                 ui::TPosition::Designed,
                                 {},
                                 L"TForm",
                                 "",
                                 ui::TFormStyle::MDIForm});
  ui::TMenuItem cascade = Item("MI_Cascade",
                               "\xC3\x9C&"
                               "berlappend");
  ui::TMenuItem tile = Item("MI_Tile", "&Nebeneinander");
  ui::TMenuItem window = Item("MI_Window", "&Fenster");
  window.Items = {cascade, tile};
  ui::TMenuItem file = Item("MI_File", "&Datei");
  file.Items = {Item("MI_New", "&Neu")};
  parent.SetMenu(std::make_unique<ui::TMainMenu>(std::vector<ui::TMenuItem>{file, window}));
  parent.Show();
  const HWND h = parent.Handle();
  SetWindowPos(h, nullptr, 40, 40, 600, 460, SWP_NOZORDER);
  std::vector<std::unique_ptr<ui::TForm>> children;
  for (int i = 1; i <= 3; ++i) {
    auto child = std::make_unique<ui::TForm>(
        ui::TFormArgs{&AApp,
                      "Kind " + std::to_string(i),
                      200,
                      120,
                      ui::TFormBorderStyle::Sizeable,
                      ui::biSystemMenu | ui::biMinimize | ui::biMaximize,
                      ui::TPosition::Designed,
                      {},
                      L"TForm",
                      "",
                      ui::TFormStyle::MDIChild,
                      &parent});
    child->Show();
    children.push_back(std::move(child));
  }
  Loop(300);
  // The functions bound from User32.dll at run time.
  Check(skin::ZelUser32FunctionsBound() &&
            skin::ZelGetAncestor(children[0]->Handle(), GA_ROOT) == h &&
            skin::ZelInternalGetWindowText(children[1]->Handle()) == L"Kind 2",
        "user32-functions-bound-by-name");
  auto engine = std::make_unique<TzelSkinEngine>(&parent);
  engine->SetSkinData(skin::OwnSkinData());
  engine->Loaded();
  for (auto& c : children) engine->AddForm(*c);
  engine->SetActive(true);
  skin::TzelSkinWindowVCL* wrapper = WrapperOf(*engine, parent);
  Check(wrapper && wrapper->MDI(), "mdi-support-on-mdi-parent");
  if (!wrapper || !wrapper->MDI()) return;
  skin::TzelSkinMDIParent& mdi = *wrapper->MDI();
  mdi.SetWindowMenu("MI_Window");
  Loop(300);
  const HWND client = parent.ClientHandle();
  RECT clientRect{};
  GetWindowRect(client, &clientRect);
  POINT top{0, 0};
  ClientToScreen(h, &top);
  Check(clientRect.top - top.y == engine->GetMenuBarHeight(parent), "mdi-client-below-menu-bar",
        std::to_string(clientRect.top - top.y));

  // The window menu: a separator and the three children, the active one
  // checked.
  auto listed = [&] {
    std::vector<const ui::TMenuItem*> out;
    for (const ui::TMenuItem& i : parent.Menu()->Find("MI_Window")->Items) {
      if (i.Name.starts_with("zelMDIChild") && i.Caption != "-") out.push_back(&i);
    }
    return out;
  };
  HWND active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
  std::vector<const ui::TMenuItem*> items = listed();
  int checked = 0;
  std::string activeCaption;
  for (const ui::TMenuItem* i : items) {
    if (i->Checked) ++checked, activeCaption = i->Caption;
  }
  wchar_t activeText[64] = {};
  GetWindowTextW(active, activeText, 64);
  Check(items.size() == 3 && checked == 1 && activeCaption == platform::win32::ToUtf8(activeText),
        "window-menu-lists-children", std::to_string(items.size()) + " " + activeCaption);
  // Choosing another child brings it to the front.
  HWND first = children[0]->Handle();
  for (const ui::TMenuItem* i : items) {
    if (i->Caption == "Kind 1" && i->OnClick) i->OnClick();
  }
  Loop(300);
  Check(reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) == first,
        "window-menu-item-activates-child");
  items = listed();
  Check(items.size() == 3 && items[0]->Caption == "Kind 1" && items[0]->Checked,
        "window-menu-checks-new-active", items.empty() ? std::string("none") : items[0]->Caption);

  // A maximised child: its control buttons on the parent's menu bar.
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first), 0);
  Loop(400);
  Check(IsZoomed(first) && mdi.ButtonShown(0) && mdi.ButtonShown(1) && mdi.ButtonShown(2),
        "maximised-child-shows-control-buttons");
  {
    RECT childClient{}, area{};
    GetClientRect(first, &childClient);
    GetClientRect(client, &area);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(first, region);
    DeleteObject(region);
    Check(kind == ERROR && childClient.right >= area.right && childClient.bottom >= area.bottom,
          "maximised-child-fills-client-without-outline",
          std::to_string(kind) + " " + Text(childClient) + " in " + Text(area));
  }
  for (int i = 0; i < 3; ++i) {
    HWND b = mdi.Button(i)->Handle();
    RECT r{};
    GetWindowRect(b, &r);
    Note("ctl " + std::to_string(i) + " " + std::to_string(r.left) + " " + std::to_string(r.top) +
         " " + std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top));
  }
  SetCursorPos(0, 0);
  Shot("mdimax", h);
  // The restore button restores it, and the buttons go.
  if (mdi.Button(1)->OnClick) mdi.Button(1)->OnClick();
  Loop(400);
  Check(!IsZoomed(first) && !mdi.ButtonShown(0) && !mdi.ButtonShown(1) && !mdi.ButtonShown(2),
        "restore-button-restores-and-hides-buttons");

  // The close button closes the maximised child; the window menu loses it.
  HWND second = children[1]->Handle();
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
  Loop(300);
  Check(mdi.ButtonShown(2), "second-child-maximised-shows-close");
  if (mdi.Button(2)->OnClick) mdi.Button(2)->OnClick();
  Loop(400);
  Check(!IsWindowVisible(second) || !IsWindow(second), "close-button-closes-child");
  // The next child becomes active, maximised as the closed one was: the
  // buttons stay exactly while it is.
  HWND next = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
  Check(listed().size() == 2 && mdi.ButtonShown(2) == (IsZoomed(next) != FALSE),
        "closed-child-leaves-window-menu", std::to_string(listed().size()));
  SendMessageW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(next), 0);
  Loop(300);
  Check(!mdi.ButtonShown(0) && !mdi.ButtonShown(1) && !mdi.ButtonShown(2),
        "restored-child-hides-buttons");

  // Cascade and tile by the skin's rules.
  RECT area{};
  GetClientRect(client, &area);
  auto placeOf = [client](HWND AChild) {
    RECT r{};
    GetWindowRect(AChild, &r);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
    return skin::TRect{r.left, r.top, r.right, r.bottom};
  };
  auto childrenTopFirst = [client] {
    std::vector<HWND> out;
    for (HWND w = GetWindow(client, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
      if (IsWindowVisible(w) && !GetWindow(w, GW_OWNER)) out.push_back(w);
    }
    return out;
  };
  std::vector<HWND> order = childrenTopFirst();
  SendMessageW(client, WM_MDICASCADE, 0, 0);
  Loop(300);
  const std::vector<skin::TRect> cascaded =
      skin::CascadeRects(static_cast<int>(order.size()), {area.right, area.bottom});
  bool cascadeOk = order.size() == 2;
  std::string where;
  for (size_t k = 0; k < order.size(); ++k) {
    const skin::TRect got = placeOf(order[order.size() - 1 - k]);
    cascadeOk = cascadeOk && got == cascaded[k];
    where += std::to_string(got.Left) + "," + std::to_string(got.Top) + " ";
  }
  Check(cascadeOk, "cascade-by-skin-rules", where);
  order = childrenTopFirst();
  SendMessageW(client, WM_MDITILE, MDITILE_VERTICAL, 0);
  Loop(300);
  const std::vector<skin::TRect> tiled =
      skin::TileRects(static_cast<int>(order.size()), {area.right, area.bottom}, false);
  bool tileOk = order.size() == 2;
  where.clear();
  for (size_t i = 0; i < order.size(); ++i) {
    const skin::TRect got = placeOf(order[i]);
    tileOk = tileOk && got == tiled[i];
    where += std::to_string(got.Left) + "," + std::to_string(got.Width()) + " ";
  }
  Check(tileOk, "tile-side-by-side", where);
  Shot("mditile", h);

  // Off: the window menu loses the children, the client fills the form.
  engine->SetActive(false);
  Loop(300);
  Check(listed().empty() && parent.Menu()->Find("MI_Window")->Items.size() == 2,
        "window-menu-items-removed");
  GetWindowRect(client, &clientRect);
  top = {0, 0};
  ClientToScreen(h, &top);
  Check(clientRect.top == top.y, "mdi-client-fills-form-again");
  engine.reset();
  children.clear();
  Loop(200);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  g_Dir = argv[1];
  g_Log.open(g_Dir / "menu.log", std::ios::binary | std::ios::app);
  ui::TApplication app("Menu Probe");
  g_App = &app;
  // The application's main form (never shown) outlives the scenarios, so
  // closing their forms does not end the message loop.
  ui::TForm mainForm(ui::TFormArgs{&app, "Probe", 100, 100});
  MenuForm(app);
  MDIForms(app);
  std::printf("DONE %d\n", g_Failures);
  std::fflush(stdout);
  return g_Failures == 0 ? 0 : 1;
}
