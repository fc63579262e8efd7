// The engine component (Win32): loading, applying, the window list and the
// thread's window hook.
#include "skin/engine/skin_engine.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "platform/temp_file.h"
#include "skin/archive/file_stream.h"
#include "skin/bitmap/image_routines.h"
#include "skin/engine/skin_loading.h"
#include "skin/menu/win32/menu_painter.h"
#include "skin/menu/win32/system_menu_win32.h"
#include "skin/window/skin_window.h"
#include "ui/application.h"
#include "ui/form.h"

namespace skin {
namespace {

constexpr ui::TWidgetClass kSkinEngineClass{"TzelSkinEngine", &ui::classes::Component};

HHOOK g_Hook = nullptr;
TzelSkinEngine* g_HookedEngine = nullptr;
HWND g_DestroyedHandle = nullptr;

std::filesystem::path FolderOf(UINT (*AGet)(wchar_t*, UINT)) {
  wchar_t buf[MAX_PATH] = {};
  UINT n = AGet(buf, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::filesystem::path(buf) : std::filesystem::path();
}
UINT WindowsFolder(wchar_t* ABuf, UINT ASize) {
  return GetWindowsDirectoryW(ABuf, ASize);
}
UINT SystemFolder(wchar_t* ABuf, UINT ASize) {
  return GetSystemDirectoryW(ABuf, ASize);
}

std::filesystem::path ProgramFolder() {
  wchar_t buf[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return std::filesystem::path(buf).parent_path();
}

std::string ClassNameOf(HWND AWindow) {
  wchar_t name[256] = {};
  int n = GetClassNameW(AWindow, name, 256);
  std::string out;
  for (int i = 0; i < n; ++i) out.push_back(static_cast<char>(name[i] & 0x7F));
  return out;
}

std::string Upper(std::string AText) {
  for (char& c : AText) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return AText;
}

// Critical-error message boxes stay away while a skin file is looked for.
class TNoErrorBoxes {
 public:
  TNoErrorBoxes() : FOld(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~TNoErrorBoxes() { SetErrorMode(FOld); }

 private:
  UINT FOld;
};

}  // namespace

struct TSkinHookAccess {
  static LRESULT CALLBACK Proc(int ACode, WPARAM AWParam, LPARAM ALParam) {
    bool refuse = false;
    if (ACode >= 0 && g_HookedEngine) {
      try {
        g_HookedEngine->HookCall(ACode, AWParam, ALParam, refuse);
      } catch (...) {
        // The hook never lets an error reach the system.
      }
    }
    if (refuse) return 1;
    return CallNextHookEx(g_Hook, ACode, AWParam, ALParam);
  }
};

TzelSkinEngine::TzelSkinEngine(ui::TComponent* AOwner) : ui::TComponent(AOwner) {
  if (!AOwner || !AOwner->Class().InheritsFrom(ui::classes::CustomForm)) {
    throw ESkinEngineError("Must be placed on a Form");
  }
  for (ui::TComponent* c : AOwner->Components()) {
    if (c != this && c->Class().InheritsFrom(kSkinEngineClass)) {
      throw ESkinEngineError("One form can only catch one TzelSkinEngine!");
    }
  }
  m_MainReader = std::make_unique<TzelSkinReader>();
  m_SkinReader = m_MainReader.get();
  m_MainReader->SetOnChanged([this] { ApplySkin(); });
  m_ScrollBtnRes = std::make_unique<TzelSkinScrollBtnRes>();
  m_ProgressBarRes = std::make_unique<TzelSkinProgressBarRes>();
  m_TabRes = std::make_unique<TzelSkinTabRes>();
  m_Metrics.InactiveTitleFontColor = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
  m_Metrics.DisabledMenuFontColor = 0x808080;
  CreateMenus();
  if (!g_Hook) {
    g_Hook = SetWindowsHookExW(WH_CBT, &TSkinHookAccess::Proc, nullptr, GetCurrentThreadId());
    if (g_Hook) {
      g_HookedEngine = this;
      m_Hooked = true;
    }
  }
}

TzelSkinEngine::~TzelSkinEngine() {
  m_BeingDestroyed = true;
  if (m_Hooked) {
    UnhookWindowsHookEx(g_Hook);
    g_Hook = nullptr;
    g_HookedEngine = nullptr;
  }
  m_RemovingWnd = true;
  while (!m_WndList.empty()) m_WndList.pop_back();
  m_RemovingWnd = false;
  if (m_Brush) DeleteObject(static_cast<HGDIOBJ>(m_Brush));
  m_InternalSysMenu.reset();
  m_MenuPainter.reset();
}

const ui::TWidgetClass& TzelSkinEngine::Class() const {
  return kSkinEngineClass;
}

TzelSkinEngine* TzelSkinEngine::HookedEngine() {
  return g_HookedEngine;
}
void TzelSkinEngine::SetDestroyedHandle(TWndHandle AWindow) {
  g_DestroyedHandle = AWindow;
}

void TzelSkinEngine::Loaded() {
  m_Loading = false;
  if (Owner()) AddForm(*Owner());
  for (const std::string& name : m_AutoSkinWndClassNames) AddAutoSkinClass(name);
}

bool TzelSkinEngine::Ready() const {
  return m_SkinReader && m_SkinReader->Ready();
}
bool TzelSkinEngine::RealActive() const {
  return m_Active && Ready();
}

void TzelSkinEngine::SetActive(bool AValue) {
  m_Active = AValue;
  for (auto& w : m_WndList) w->SetSkinActive(RealActive());
}

void TzelSkinEngine::SetSkinFile(const std::string& AValue) {
  TNoErrorBoxes quiet;
  const std::filesystem::path folders[] = {ProgramFolder(), FolderOf(WindowsFolder),
                                           FolderOf(SystemFolder)};
  std::optional<std::filesystem::path> found = FindSkinFile(AValue, folders, FileExists);
  if (!found) return;
  m_SkinFile = found->string();
  m_SkinReader = m_MainReader.get();
  try {
    m_MainReader->LoadSkin(*found, m_Password);
  } catch (...) {
    m_SkinFile.clear();
    throw;
  }
}

void TzelSkinEngine::LoadFromTempFile(std::span<const std::uint8_t> AData) {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  if (ec) return;
  std::optional<std::filesystem::path> temp = SaveSkinDataToTemp(
      AData, folder, [] { return platform::NewGuidText(); }, FileExists, WriteWholeFile);
  if (!temp) return;  // the data could not be saved: no skin from it
  struct TRemove {
    std::filesystem::path Path;
    ~TRemove() {
      std::error_code ignored;
      std::filesystem::remove(Path, ignored);
    }
  } remove{*temp};
  const std::string saved = m_SkinFile;
  try {
    SetSkinFile(temp->string());
  } catch (...) {
    m_SkinFile = saved;
    throw;
  }
  m_SkinFile = saved;
}

void TzelSkinEngine::SetSkinData(std::span<const std::uint8_t> AData) {
  m_SkinData.assign(AData.begin(), AData.end());
  LoadFromTempFile(AData);
}

void TzelSkinEngine::SetBuiltIn(bool AValue) {
  if (!m_Loading) throw ESkinEngineError("BuiltIn property only can be specified at design time!");
  m_BuiltIn = AValue;
}

void TzelSkinEngine::SetSkinAllForms(bool AValue) {
  m_SkinAllForms = AValue;
  if (m_Loading) return;
  if (AValue) {
    DoSkinAllForms();
  } else {
    UnskinOtherForms();
  }
}

void TzelSkinEngine::ApplySkin() {
  if (m_Brush) {
    DeleteObject(static_cast<HGDIOBJ>(m_Brush));
    m_Brush = nullptr;
  }
  if (OnSkinChanging) OnSkinChanging();
  const TColor inactive = m_Metrics.InactiveTitleFontColor;
  const TColor disabledMenu = m_Metrics.DisabledMenuFontColor;
  m_Metrics = ReadSkinMetrics(*m_SkinReader, inactive);
  m_Metrics.DisabledMenuFontColor = disabledMenu;
  m_Metrics.AllFormCaptionXPos = m_AllFormCaptionXPos;
  m_FormColor = m_Metrics.FormColor;
  m_TransColor = m_Metrics.TransColor;
  if (m_SkinReader->Ready()) m_Brush = CreateSolidBrush(static_cast<COLORREF>(m_FormColor));
  m_ScrollBtnRes->SetReader(m_SkinReader);
  m_ProgressBarRes->SetReader(m_SkinReader);
  m_TabRes->SetReader(m_SkinReader);
  UpdateMenuPalette();
  if (m_Active) {
    for (auto& w : m_WndList) {
      HWND h = w->Handle();
      const bool visible = IsWindowVisible(h) != 0;
      if (!GetParent(h) && visible) ShowWindow(h, SW_HIDE);
      w->SetSkinActive(false);
      w->SetSkinActive(RealActive());
      if (!GetParent(h) && visible) ShowWindow(h, SW_SHOWNA);
    }
    if (!m_WndList.empty()) SetActiveWindow(m_WndList.front()->Handle());
  }
  for (auto& w : m_WndList) w->SkinChanged();
  if (OnSkinChanged) OnSkinChanged();
}

void TzelSkinEngine::ApplyMainBuiltInSkin() {
  if (m_SkinReader == m_MainReader.get() && m_Active) return;
  m_Active = true;
  m_SkinReader = m_MainReader.get();
  ApplySkin();
}

void TzelSkinEngine::ApplyAdditionalBuiltInSkins(int AIndex) {
  if (AIndex < 0 || AIndex >= static_cast<int>(m_AdditionalBuiltInSkins.size())) return;
  TzelSkinReader* reader = &m_AdditionalBuiltInSkins[static_cast<size_t>(AIndex)]->m_Reader;
  if (reader == m_SkinReader && m_Active) return;
  m_Active = true;
  m_SkinReader = reader;
  ApplySkin();
}

bool TzelSkinEngine::GetBitmap(TSkinBitmapKey AKey, TBitmap& ABuf, int ASpitIndex,
                               int ASpitCount) const {
  const TBitmap* source = m_SkinReader->GetBitmap(AKey);
  ABuf = TBitmap();
  if (!source) return false;
  if (ASpitCount <= 1) {
    ABuf = *source;
  } else {
    SpitBitmap(source, ABuf, ASpitCount, ASpitIndex);
  }
  return !ABuf.Empty();
}

TzelSkinWindow* TzelSkinEngine::FindSkinWindow(TWndHandle AWindow) const {
  for (const auto& w : m_WndList) {
    if (w->Handle() == AWindow) return w.get();
  }
  return nullptr;
}

void TzelSkinEngine::FreeWrapper(size_t AIndex) {
  m_RemovingWnd = true;
  std::unique_ptr<TzelSkinWindow> gone = std::move(m_WndList[AIndex]);
  m_WndList.erase(m_WndList.begin() + static_cast<std::ptrdiff_t>(AIndex));
  gone.reset();
  m_RemovingWnd = false;
}

void TzelSkinEngine::WindowWrapperGone(TzelSkinWindow* AWindow) {
  for (size_t i = 0; i < m_WndList.size(); ++i) {
    if (m_WndList[i].get() == AWindow) {
      m_WndList[i].release();
      m_WndList.erase(m_WndList.begin() + static_cast<std::ptrdiff_t>(i));
      return;
    }
  }
}

void TzelSkinEngine::SkinWindowHandle(TWndHandle AWindow, bool ADialog) {
  // Wrappers of windows that went away by themselves go first.
  for (size_t i = m_WndList.size(); i-- > 0;) {
    if (!IsWindow(m_WndList[i]->Handle())) FreeWrapper(i);
  }
  if (!AWindow || FindSkinWindow(AWindow)) return;
  std::unique_ptr<TzelSkinWindow> wrapper;
  ui::TForm* form = nullptr;
  if (auto* owner = dynamic_cast<ui::TForm*>(Owner())) {
    for (ui::TForm* f : owner->Application().Forms()) {
      if (f->Handle() == AWindow) form = f;
    }
  }
  if (form) {
    wrapper = std::make_unique<TzelSkinWindowVCL>(*form, ADialog, *this);
  } else {
    wrapper = std::make_unique<TzelSkinWindowWnd>(AWindow, ADialog, *this);
  }
  TzelSkinWindow* raw = wrapper.get();
  m_WndList.push_back(std::move(wrapper));
  raw->Start();
  raw->SkinChanged();
}

void TzelSkinEngine::AddForm(ui::TComponent& AForm) {
  auto* form = dynamic_cast<ui::TForm*>(&AForm);
  if (!form) return;
  // A form that has no window cannot be found by its handle.
  if (!form->Handle()) throw ESkinEngineError("ZELSkin: Skinning form failed!");
  SkinWindowHandle(form->Handle(), false);
}

void TzelSkinEngine::RemoveForm(ui::TComponent& AForm) {
  if (auto* form = dynamic_cast<ui::TForm*>(&AForm)) RemoveWindow(form->Handle());
}

void TzelSkinEngine::AddWindow(TWndHandle AWindow) {
  SkinWindowHandle(AWindow, false);
}

void TzelSkinEngine::RemoveWindow(TWndHandle AWindow) {
  for (size_t i = 0; i < m_WndList.size(); ++i) {
    if (m_WndList[i]->Handle() == AWindow) {
      FreeWrapper(i);
      return;
    }
  }
}

void TzelSkinEngine::AddControl(ui::TComponent& AControl) {
  if (AControl.Class().InheritsFrom(ui::classes::CustomForm)) AddForm(AControl);
}

void TzelSkinEngine::RemoveControl(ui::TComponent& AControl) {
  if (AControl.Class().InheritsFrom(ui::classes::CustomForm)) RemoveForm(AControl);
}

void TzelSkinEngine::DoSkinAllForms() {
  auto* owner = dynamic_cast<ui::TForm*>(Owner());
  if (!owner) return;
  m_DoingAllForms = true;
  const std::vector<ui::TForm*> forms = owner->Application().Forms();
  for (ui::TForm* f : forms) {
    if (f->Tag() == m_DisabledTag || !f->Handle()) continue;
    if (f->Class().Name == "TfrmGlintPopForm") continue;
    if (SendMessageW(f->Handle(), kSkinMsgIsSkinned, 0, 0) == 1) continue;
    SkinWindowHandle(f->Handle(), false);
  }
  m_DoingAllForms = false;
}

void TzelSkinEngine::UnskinOtherForms() {
  auto* owner = dynamic_cast<ui::TForm*>(Owner());
  HWND own = owner ? owner->Handle() : nullptr;
  for (size_t i = m_WndList.size(); i-- > 0;) {
    if (m_WndList[i]->Handle() != own) FreeWrapper(i);
  }
}

void TzelSkinEngine::HookCall(int ACode, std::uintptr_t AWParam, std::intptr_t ALParam,
                              bool& ARefuse) {
  if (!RealActive()) return;
  if (ACode == HCBT_CREATEWND) {
    auto* create = reinterpret_cast<CBT_CREATEWNDW*>(ALParam);
    HWND w = reinterpret_cast<HWND>(AWParam);
    if (Upper(ClassNameOf(w)) == "SCROLLBAR" && (create->lpcs->style & SBS_SIZEGRIP) &&
        create->lpcs->dwExStyle != WS_EX_NOPARENTNOTIFY) {
      ARefuse = true;
    }
    return;
  }
  if (ACode != HCBT_ACTIVATE) return;
  HWND w = reinterpret_cast<HWND>(AWParam);
  const std::string cls = ClassNameOf(w);
  const bool skinned = SendMessageW(w, kSkinMsgIsSkinned, 0, 0) == 1;
  if (cls == "TTabDockHost" || cls == "TConjoinDockHost") {
    if (!skinned) SkinWindowHandle(w, true);
  } else if (cls == "TMessageForm" || cls == "#32770") {
    bool skin = m_SkinDialogs && !skinned && w != g_DestroyedHandle;
    if (skin && cls == "#32770") {
      HWND parent = GetParent(w);
      if (parent && ClassNameOf(parent) == "#32770") {
        skin = SendMessageW(parent, kSkinMsgAllowDialogSkin, 0, 0) != 0;
      }
    }
    g_DestroyedHandle = nullptr;
    if (skin) SkinWindowHandle(w, true);
  } else {
    const auto& list = AutoSkinClassList();
    if (!skinned && std::find(list.begin(), list.end(), cls) != list.end()) {
      SkinWindowHandle(w, false);
    }
  }
}

}  // namespace skin
