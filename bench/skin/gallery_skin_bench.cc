// The skin engine on the widget gallery, under Wine on a display:
//   - the gallery's full repaint (RedrawWindow with RDW_FRAME, RDW_INVALIDATE,
//     RDW_ERASE, RDW_ALLCHILDREN, RDW_UPDATENOW), skinned and unskinned in
//     alternating blocks of one run, as medians;
//   - the time from SkinData to a skinned main form shown and painted;
//   - the GDI objects after switching the engine off and on and after
//     changing the skin, each many times, against where they started (the
//     drawing layer's census; GetGuiResources too where the system has it);
//   - one repaint of each wrapper kind the engine's tables hold, skinned and
//     the same control unskinned, as medians, in a table.
//
//   gallery_skin_bench [REPAINTS] [SWITCHES]     (defaults 60 and 1000)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gallery/gallery_form.h"
#include "skin/draw/win32/gdi_census.h"
#include "skin/engine/skin_engine.h"
#include "skin/own/own_skin.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/combo_box_ex.h"
#include "ui/cool_bar.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"
#include "ui/frame.h"
#include "ui/group_box.h"
#include "ui/hot_key.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/mask_edit.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/progress_bar.h"
#include "ui/radio_button.h"
#include "ui/scroll_bar.h"
#include "ui/scroll_box.h"
#include "ui/speed_button.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/tab_control.h"
#include "ui/tool_bar.h"
#include "ui/track_bar.h"
#include "ui/tree_view.h"

namespace {

constexpr UINT kFullRepaint =
    RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
constexpr UINT kOneRepaint = RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump(int AMilliseconds = 0) {
  const double end = Now() + AMilliseconds / 1000.0;
  do {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    if (AMilliseconds) Sleep(5);
  } while (Now() < end);
}

double Median(std::vector<double> AValues) {
  if (AValues.empty()) return 0;
  std::sort(AValues.begin(), AValues.end());
  const size_t n = AValues.size();
  return n % 2 ? AValues[n / 2] : (AValues[n / 2 - 1] + AValues[n / 2]) / 2;
}

// Milliseconds of one repaint of AWindow with AFlags.
double TimeRepaint(HWND AWindow, UINT AFlags) {
  const double start = Now();
  RedrawWindow(AWindow, nullptr, nullptr, AFlags);
  GdiFlush();
  return (Now() - start) * 1000;
}

struct TGdiCount {
  std::int64_t Census;
  DWORD System;
};

TGdiCount CountGdi() {
  return {skin::GdiCensus().Live(), GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)};
}

void FullRepaint(gallery::TGalleryForm& AForm, skin::TzelSkinEngine& AEngine, int ACount) {
  std::vector<double> skinned, unskinned;
  const int block = 10;
  for (int done = 0; done < ACount; done += block) {
    for (bool on : {true, false}) {
      AEngine.SetActive(on);
      Pump(100);
      for (int i = 0; i < block; ++i) {
        (on ? skinned : unskinned).push_back(TimeRepaint(AForm.Handle(), kFullRepaint));
      }
    }
  }
  AEngine.SetActive(true);
  Pump(100);
  std::printf("full repaint of the gallery (median of %zu): skinned %.2f ms, unskinned %.2f ms\n",
              skinned.size(), Median(skinned), Median(unskinned));
}

void SkinDataToShownForm(ui::TApplication& AApp) {
  std::vector<double> times;
  for (int i = 0; i < 20; ++i) {
    ui::TForm form(ui::TFormArgs{&AApp, "Bench Form", 400, 300, ui::TFormBorderStyle::Sizeable,
                                 ui::biSystemMenu | ui::biMinimize | ui::biMaximize});
    ui::TButton button(ui::TButtonArgs{{&form, 20, 20, 90, 26, "OK"}});
    ui::TEdit edit(ui::TEditArgs{{&form, 20, 60, 120, 22, "text"}});
    const double start = Now();
    {
      skin::TzelSkinEngine engine(&form);
      engine.SetActive(true);
      engine.SetSkinData(skin::OwnSkinData());
      engine.Loaded();
      form.Show();
      UpdateWindow(form.Handle());
      Pump();
      GdiFlush();
      times.push_back((Now() - start) * 1000);
      ShowWindow(form.Handle(), SW_HIDE);
    }
    Pump();
  }
  std::printf("SkinData to a skinned, shown main form (median of %zu): %.2f ms\n", times.size(),
              Median(times));
}

void GdiAfterSwitches(skin::TzelSkinEngine& AEngine, int ACount) {
  // A second reader with the same skin: changing between the two applies a
  // skin each time.
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "gallery-skin-bench.zsk";
  {
    std::ofstream out(file, std::ios::binary);
    const auto data = skin::OwnSkinData();
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
  }
  auto item = std::make_unique<skin::TzelSkinCollectionItem>();
  item->m_Reader.LoadSkin(file, "");
  std::filesystem::remove(file);
  AEngine.AdditionalBuiltInSkins().push_back(std::move(item));
  Pump(100);
  const TGdiCount start = CountGdi();
  const double t0 = Now();
  for (int i = 0; i < ACount; ++i) {
    AEngine.SetActive(false);
    AEngine.SetActive(true);
    Pump();
  }
  const double t1 = Now();
  const TGdiCount switched = CountGdi();
  for (int i = 0; i < ACount; ++i) {
    if (i % 2) {
      AEngine.ApplyMainBuiltInSkin();
    } else {
      AEngine.ApplyAdditionalBuiltInSkins(0);
    }
    Pump();
  }
  AEngine.ApplyMainBuiltInSkin();
  Pump(100);
  const double t2 = Now();
  const TGdiCount changed = CountGdi();
  std::printf(
      "GDI objects of the drawing layer: %lld at start, %lld after %d switches off and on"
      " (%.2f ms each), %lld after %d skin changes (%.2f ms each)\n",
      static_cast<long long>(start.Census), static_cast<long long>(switched.Census), ACount,
      (t1 - t0) * 1000 / ACount, static_cast<long long>(changed.Census), ACount,
      (t2 - t1) * 1000 / ACount);
  std::printf("GetGuiResources(GR_GDIOBJECTS): %lu, %lu, %lu%s\n", start.System, switched.System,
              changed.System, start.System == 0 ? " (not answered here)" : "");
}

// --- One repaint per wrapper kind

ui::TWidgetArgs Area(ui::TWidget* AParent, int ALeft, int ATop) {
  return ui::TWidgetArgs{.Parent = AParent,
                         .Left = ALeft,
                         .Top = ATop,
                         .Width = 150,
                         .Height = 100,
                         .Caption = "Sample"};
}

using TSample = std::vector<std::unique_ptr<ui::TWidget>>;  // the control first
using TMakeSample = std::function<TSample(ui::TWidget* AParent, int ALeft, int ATop)>;

template <class W, class A>
TMakeSample Make(std::function<A(ui::TWidgetArgs)> AArgs) {
  return [AArgs](ui::TWidget* AParent, int ALeft, int ATop) {
    TSample s;
    s.push_back(std::make_unique<W>(AArgs(Area(AParent, ALeft, ATop))));
    return s;
  };
}

template <class W>
TMakeSample MakePlain() {
  return [](ui::TWidget* AParent, int ALeft, int ATop) {
    TSample s;
    s.push_back(std::make_unique<W>(Area(AParent, ALeft, ATop)));
    return s;
  };
}

// A sample of W from its argument struct A with only the place set.
template <class W, class A>
TMakeSample MakeDefault(int AHeight = 100) {
  return Make<W, A>([AHeight](ui::TWidgetArgs AWidget) {
    AWidget.Height = AHeight;
    A args{};
    args.Widget = AWidget;
    return args;
  });
}

std::vector<TMakeSample> Samples() {
  using namespace ui;
  std::vector<TMakeSample> all = {
      MakeDefault<TButton, TButtonArgs>(),
      MakeDefault<TCheckBox, TCheckBoxArgs>(),
      MakeDefault<TRadioButton, TRadioButtonArgs>(),
      MakeDefault<TLabel, TLabelArgs>(),
      MakeDefault<TEdit, TEditArgs>(),
      MakeDefault<TSpinEdit, TSpinEditArgs>(24),
      Make<TMaskEdit, TMaskEditArgs>(
          [](TWidgetArgs a) { return TMaskEditArgs{.Widget = a, .EditMask = "000"}; }),
      Make<TMemo, TMemoArgs>([](TWidgetArgs a) {
        return TMemoArgs{.Widget = a, .Lines = {"one", "two"}};
      }),
      Make<TListBox, TListBoxArgs>([](TWidgetArgs a) {
        return TListBoxArgs{.Widget = a, .Items = {"one", "two"}};
      }),
      Make<TComboBox, TComboBoxArgs>([](TWidgetArgs a) {
        a.Height = 24;
        return TComboBoxArgs{
            .Widget = a, .Style = TComboBoxStyle::DropDownList, .Items = {"one", "two"}};
      }),
      MakeDefault<TComboBoxEx, TComboBoxExArgs>(24),
      MakeDefault<TListView, TListViewArgs>(),
      MakeDefault<TTreeView, TTreeViewArgs>(),
      MakeDefault<TProgressBar, TProgressBarArgs>(20),
      MakeDefault<TTrackBar, TTrackBarArgs>(30),
      MakeDefault<TScrollBar, TScrollBarArgs>(18),
      MakeDefault<TStatusBar, TStatusBarArgs>(20),
      MakeDefault<TToolBar, TToolBarArgs>(30),
      Make<TTabControl, TTabControlArgs>([](TWidgetArgs a) {
        return TTabControlArgs{.Widget = a, .Tabs = {"One", "Two"}};
      }),
      [](TWidget* AParent, int ALeft, int ATop) {
        TSample s;
        auto pages = std::make_unique<TPageControl>(Area(AParent, ALeft, ATop));
        auto sheet = std::make_unique<TTabSheet>(TTabSheetArgs{pages.get(), "One"});
        s.push_back(std::move(pages));
        s.push_back(std::move(sheet));
        return s;
      },
      MakeDefault<TPanel, TPanelArgs>(),
      MakePlain<TGroupBox>(),
      MakeDefault<TSpeedButton, TSpeedButtonArgs>(26),
      MakeDefault<TStringGrid, TStringGridArgs>(),
      MakeDefault<TDateTimePicker, TDateTimePickerArgs>(24),
      MakeDefault<THotKey, THotKeyArgs>(24),
      MakePlain<TScrollBox>(),
      MakePlain<TFrame>(),
      MakePlain<TCoolBar>(),
  };
  return all;
}

// AWidget and every windowed control it owns, depth first.
void Candidates(ui::TComponent& AComponent, std::vector<ui::TWidget*>& AOut) {
  if (auto* w = dynamic_cast<ui::TWidget*>(&AComponent)) AOut.push_back(w);
  for (ui::TComponent* c : AComponent.Components()) Candidates(*c, AOut);
}

struct TRow {
  std::string Kind;
  std::string Control;
  double Skinned = -1;
  double Unskinned = -1;
};

// Median milliseconds of ACount repaints of AWindow.
double RepaintMedian(HWND AWindow, int ACount) {
  std::vector<double> times;
  for (int i = 0; i < ACount; ++i) times.push_back(TimeRepaint(AWindow, kOneRepaint));
  return Median(times);
}

void Measure(TRow& ARow, HWND AWindow,
             const std::function<std::unique_ptr<skin::TzelSkinCtrlObject>()>& AWrap) {
  Pump(50);
  ARow.Unskinned = RepaintMedian(AWindow, 200);
  std::unique_ptr<skin::TzelSkinCtrlObject> wrapper;
  try {
    wrapper = AWrap();
  } catch (const std::exception& e) {
    ARow.Control += std::string(" (wrapper failed: ") + e.what() + ")";
    return;
  }
  if (!wrapper) return;
  wrapper->SkinStateChanged();
  Pump(50);
  ARow.Skinned = RepaintMedian(AWindow, 200);
  wrapper->BeforeDestroy();
  wrapper.reset();
  Pump(20);
}

// The native window that stands for a native table name.
HWND MakeNative(std::string_view AName, HWND AParent) {
  std::wstring cls;
  DWORD style = WS_CHILD | WS_VISIBLE;
  if (AName == "BUTTON") {
    cls = L"Button";
    style |= BS_PUSHBUTTON;
  } else if (AName == "BUTTON_CHECKBOX") {
    cls = L"Button";
    style |= BS_AUTOCHECKBOX;
  } else if (AName == "BUTTON_RADIOBUTTON") {
    cls = L"Button";
    style |= BS_AUTORADIOBUTTON;
  } else if (AName == "COMBOBOX") {
    cls = L"ComboBox";
    style |= CBS_DROPDOWNLIST;
  } else {
    cls.assign(AName.begin(), AName.end());
  }
  return CreateWindowExW(0, cls.c_str(), L"Sample", style, 10, 10, 150, 26, AParent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void WrapperKinds(ui::TApplication& AApp, skin::TzelSkinEngine& AEngine) {
  // A window class of its own: the engine's hook does not skin it.
  ui::TForm host(ui::TFormArgs{.Application = &AApp,
                               .Caption = "Wrapper Bench",
                               .ClientWidth = 1000,
                               .ClientHeight = 700,
                               .BorderStyle = ui::TFormBorderStyle::Sizeable,
                               .Position = ui::TPosition::Designed,
                               .WindowClassName = L"TWrapperBenchHost"});
  host.Show();
  SetWindowPos(host.Handle(), nullptr, 0, 0, 1010, 740, SWP_NOZORDER);
  std::vector<TSample> samples;
  int slot = 0;
  for (const TMakeSample& make : Samples()) {
    samples.push_back(make(&host, 10 + (slot % 6) * 160, 10 + (slot / 6) * 110));
    ++slot;
  }
  Pump(300);
  std::vector<TRow> rows;
  for (size_t i = 0; i < skin::SkinCtrlVCLDefCount(); ++i) {
    const skin::TzelSkinCtrlVCLDef& def = skin::SkinCtrlVCLDefAt(i);
    TRow row{std::string(def.CtrlClass->Name), "(no sample control)"};
    ui::TWidget* found = nullptr;
    for (TSample& s : samples) {
      std::vector<ui::TWidget*> candidates;
      for (auto& w : s) Candidates(*w, candidates);
      for (ui::TWidget* w : candidates) {
        if (w->Handle() && skin::FindSkinCtrlVCLDef(w->Class()) == &def) {
          found = w;
          break;
        }
      }
      if (found) break;
    }
    if (found) {
      row.Control = std::string(found->Class().Name);
      Measure(row, found->Handle(), [&] { return def.SkinCtrlClass(*found, AEngine); });
    }
    rows.push_back(row);
  }
  for (size_t i = 0; i < skin::SkinCtrlWndDefCount(); ++i) {
    const skin::TzelSkinCtrlWndDef& def = skin::SkinCtrlWndDefAt(i);
    TRow row{"native " + std::string(def.CtrlClass), "(no window of that class)"};
    HWND native = MakeNative(def.CtrlClass, host.Handle());
    if (native) {
      row.Control = std::string(def.CtrlClass);
      HWND target = native;
      if (def.CtrlClass == "COMBOBOXEX32") {
        if (HWND inner = FindWindowExW(native, nullptr, L"ComboBox", nullptr)) target = inner;
      }
      Measure(row, native, [&] { return def.SkinCtrlClass(target, AEngine); });
      DestroyWindow(native);
    }
    rows.push_back(row);
  }
  std::printf("\none repaint per wrapper kind (median of 200, ms):\n");
  std::printf("  %-28s %-22s %10s %10s %7s\n", "table row", "control", "skinned", "unskinned",
              "ratio");
  for (const TRow& r : rows) {
    if (r.Skinned < 0) {
      std::printf("  %-28s %-22s %10s %10s\n", r.Kind.c_str(), r.Control.c_str(), "-",
                  r.Unskinned < 0 ? "-" : std::to_string(r.Unskinned).substr(0, 6).c_str());
      continue;
    }
    std::printf("  %-28s %-22s %10.3f %10.3f %7.2f\n", r.Kind.c_str(), r.Control.c_str(), r.Skinned,
                r.Unskinned, r.Unskinned > 0 ? r.Skinned / r.Unskinned : 0);
  }
  while (!samples.empty()) {
    TSample& s = samples.back();
    while (!s.empty()) s.pop_back();
    samples.pop_back();
  }
}

}  // namespace

int wmain(int AArgc, wchar_t** AArgv) {
  const int repaints = AArgc > 1 ? std::max(50, _wtoi(AArgv[1])) : 60;
  const int switches = AArgc > 2 ? std::max(1, _wtoi(AArgv[2])) : 1000;
  setvbuf(stdout, nullptr, _IONBF, 0);  // each result as soon as it is there
  ui::TApplication app("Gallery Skin Bench");
  SkinDataToShownForm(app);
  gallery::TGalleryForm form(app, true);
  form.Show();
  SetWindowPos(form.Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump(500);
  skin::TzelSkinEngine& engine = form.Skin().Engine();
  if (!engine.RealActive()) {
    std::fprintf(stderr, "gallery_skin_bench: the gallery is not skinned\n");
    return 1;
  }
  FullRepaint(form, engine, repaints);
  GdiAfterSwitches(engine, switches);
  WrapperKinds(app, engine);
  std::fflush(stdout);
  return 0;
}
