// TzelSkinEngine: the non-visual component on the application's main form
// that gives the application's windows the skin's look. It loads the skin
// (SkinFile, SkinData), reads the frame metrics and image sets from it, keeps
// one window wrapper (TzelSkinWindow) per skinned window, finds windows to
// skin through a thread-wide WH_CBT hook, and removes all skinning again when
// switched off or destroyed.
//
// The two wrapper tables map control classes (toolkit) and window class names
// (native) to the control wrappers that paint them; the control modules fill
// them at start-up through RegisterSkinCtrlVCLDefs / RegisterSkinCtrlWndDefs.
// Lookups run from the last entry to the first, so later, more specific
// entries win over earlier, general ones.
//
// This header is portable; the engine's implementation is Win32 code.
//
// Thread safety: none. The engine, its tables and lists belong to the thread
// that created the engine's form.
#ifndef QUILLORY_SKIN_ENGINE_SKIN_ENGINE_H_
#define QUILLORY_SKIN_ENGINE_SKIN_ENGINE_H_

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "skin/bitmap/bitmap.h"
#include "skin/frame/skin_metrics.h"
#include "skin/menu/menu_item_paint.h"
#include "skin/menu/system_menu.h"
#include "skin/reader/zel_skin_reader.h"
#include "skin/reader/zel_skin_res.h"
#include "ui/component.h"
#include "ui/widget_class.h"

// The window handle type of Win32 (HWND) without <windows.h>.
struct HWND__;

namespace ui {
class TImageList;
class TMainMenu;
class TMenu;
class TPopupMenu;
}  // namespace ui

namespace skin {

using TWndHandle = HWND__*;

class TzelMenuPainter;
class TzelSkinEngine;
class TzelSkinSysMenu;
class TzelSkinWindow;
class TzelSkinWindowVCL;

// Errors the engine raises ("Must be placed on a Form", ...).
class ESkinEngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Private window messages between the engine, its wrappers and skinned
// windows.
inline constexpr unsigned kSkinMsgAllowDialogSkin = 10921;  // 1: may skin dialogs it opens
inline constexpr unsigned kSkinMsgIsSkinned = 10922;        // every wrapper answers 1
inline constexpr unsigned kSkinMsgIsFormActive = 10923;     // 1 active, 2 inactive
inline constexpr unsigned kSkinMsgRepaintControl = 10924;   // control wrappers repaint
inline constexpr unsigned kSkinMsgMDIChildPainted = 10925;  // posted to the main form
inline constexpr unsigned kSkinMsgMDIChildMenu = 33768;     // LParam: the child's menu
inline constexpr unsigned kSkinMsgMenuBarHeight = 33769;    // answer: the menu bar height
inline constexpr unsigned kSkinMsgRebuildWindowMenu = 33770;
inline constexpr unsigned kSkinMsgMDIOldTitleHeight = 33771;
inline constexpr unsigned kSkinMsgMDIOldLeftBorder = 33772;
inline constexpr unsigned kSkinMsgMDIOldBottomHeight = 33773;
inline constexpr unsigned kSkinMsgIsMDIChildHidden = 33774;  // 1 or 0

// A control wrapper as the engine and the window wrappers see it. The
// wrapper installs itself on its control when created and uninstalls itself
// when destroyed.
class TzelSkinCtrlObject {
 public:
  virtual ~TzelSkinCtrlObject() = default;
  // The engine was switched on or off, or the skin changed: repaint
  // accordingly (RealActive tells which).
  virtual void SkinStateChanged() = 0;
  // Called once before the wrapper is freed.
  virtual void BeforeDestroy() {}
};

// Creates the wrapper of a toolkit control (a ui::TWidget); may throw, the
// control is then skipped.
using TzelSkinCtrlVCLCreate = std::unique_ptr<TzelSkinCtrlObject> (*)(ui::TComponent& AControl,
                                                                      TzelSkinEngine& AEngine);
// Creates the wrapper of a native child window.
using TzelSkinCtrlWndCreate = std::unique_ptr<TzelSkinCtrlObject> (*)(TWndHandle AWindow,
                                                                      TzelSkinEngine& AEngine);

struct TzelSkinCtrlVCLDef {
  const ui::TWidgetClass* CtrlClass;    // the control class (descendants match too)
  TzelSkinCtrlVCLCreate SkinCtrlClass;  // the wrapper
  bool ParentColor = false;             // the wrapper wants its control's ParentColor on
};

struct TzelSkinCtrlWndDef {
  std::string_view CtrlClass;  // upper-cased window class name, up to 63 characters
  TzelSkinCtrlWndCreate SkinCtrlClass;
};

// Appends records to the tables (longer native class names are cut to 63
// characters).
void RegisterSkinCtrlVCLDefs(std::span<const TzelSkinCtrlVCLDef> ADefs);
void RegisterSkinCtrlWndDefs(std::span<const TzelSkinCtrlWndDef> ADefs);
// The last record whose control class AClass is or inherits from, or null.
const TzelSkinCtrlVCLDef* FindSkinCtrlVCLDef(const ui::TWidgetClass& AClass);
// The last record whose class name equals AUpperClassName exactly, or null.
const TzelSkinCtrlWndDef* FindSkinCtrlWndDef(std::string_view AUpperClassName);
size_t SkinCtrlVCLDefCount();
size_t SkinCtrlWndDefCount();
// Record AIndex of a table, in table order (AIndex below the count).
const TzelSkinCtrlVCLDef& SkinCtrlVCLDefAt(size_t AIndex);
const TzelSkinCtrlWndDef& SkinCtrlWndDefAt(size_t AIndex);
// Empties both tables (tests).
void ClearSkinCtrlDefs();

// Control class names that get no skinned border.
const std::vector<std::string>& NoBorderClassList();
bool InNoBorderClassList(std::string_view AClassName);
// Window class names skinned whenever such a window is activated.
const std::vector<std::string>& AutoSkinClassList();
// Adds AClassName unless it is there (exact compare).
void AddAutoSkinClass(std::string_view AClassName);

// One further skin stored with the form.
class TzelSkinCollectionItem {
 public:
  TzelSkinCollectionItem() = default;
  std::string m_SkinFile;
  std::string m_Password;
  std::vector<std::uint8_t> m_SkinData;
  TzelSkinReader m_Reader;
};

class TzelSkinEngine : public ui::TComponent {
 public:
  // AOwner must be a form: else ESkinEngineError "Must be placed on a Form";
  // a form that has an engine already: "One form can only catch one
  // TzelSkinEngine!". Installs the WH_CBT hook for this thread unless an
  // engine has it.
  explicit TzelSkinEngine(ui::TComponent* AOwner);
  // Unhooks, frees every window wrapper (each restores its window exactly)
  // and the skin.
  ~TzelSkinEngine() override;

  const ui::TWidgetClass& Class() const override;

  // The form has finished loading: skins the owner form, copies
  // AutoSkinWndClassNames into the auto-skin list.
  void Loaded();

  // --- Published properties
  bool Active() const { return m_Active; }
  void SetActive(bool AValue);
  // Active, a skin loaded, not at design time.
  bool RealActive() const;
  bool Ready() const;
  const std::string& Password() const { return m_Password; }
  void SetPassword(std::string AValue) { m_Password = std::move(AValue); }
  // Loads the named skin file; a name that does not exist is looked for in
  // the program's, the Windows and the system folder; when none exists
  // nothing changes. A failing load clears SkinFile and throws.
  const std::string& SkinFile() const { return m_SkinFile; }
  void SetSkinFile(const std::string& AValue);
  // Loads skin bytes through a temporary ".zsk" file, which is always
  // deleted. SkinFile keeps its value. Throws as SetSkinFile.
  void SetSkinData(std::span<const std::uint8_t> AData);
  const std::vector<std::uint8_t>& SkinData() const { return m_SkinData; }
  const std::string& ResSysMenuMin() const { return m_ResSysMenuMin; }
  const std::string& ResSysMenuMax() const { return m_ResSysMenuMax; }
  const std::string& ResSysMenuClose() const { return m_ResSysMenuClose; }
  // Each renames its entry of the engine's system menu at once.
  void SetResSysMenuMin(std::string AValue);
  void SetResSysMenuMax(std::string AValue);
  void SetResSysMenuClose(std::string AValue);
  int64_t DisabledTag() const { return m_DisabledTag; }
  void SetDisabledTag(int64_t AValue) { m_DisabledTag = AValue; }
  bool DrawScrollBar() const { return m_DrawScrollBar; }
  void SetDrawScrollBar(bool AValue) { m_DrawScrollBar = AValue; }
  static std::string Version() { return "4.92"; }
  static std::string Build() { return "2011.4.18"; }
  // Settable only while the form loads: else "BuiltIn property only can be
  // specified at design time!".
  bool BuiltIn() const { return m_BuiltIn; }
  void SetBuiltIn(bool AValue);
  bool SkinDialogs() const { return m_SkinDialogs; }
  void SetSkinDialogs(bool AValue) { m_SkinDialogs = AValue; }
  bool SkinAllForms() const { return m_SkinAllForms; }
  void SetSkinAllForms(bool AValue);
  bool NoChangeButtonsFontColor() const { return m_NoChangeButtonsFontColor; }
  void SetNoChangeButtonsFontColor(bool AValue) { m_NoChangeButtonsFontColor = AValue; }
  bool NoChangeLabelFontColor() const { return m_NoChangeLabelFontColor; }
  void SetNoChangeLabelFontColor(bool AValue) { m_NoChangeLabelFontColor = AValue; }
  std::vector<std::unique_ptr<TzelSkinCollectionItem>>& AdditionalBuiltInSkins() {
    return m_AdditionalBuiltInSkins;
  }
  const std::vector<std::string>& AutoSkinWndClassNames() const { return m_AutoSkinWndClassNames; }
  // Every name is also added to the global auto-skin list (at once).
  void SetAutoSkinWndClassNames(std::vector<std::string> AValue);
  std::function<void()> OnSkinChanged;
  std::function<void()> OnSkinChanging;

  // --- Public properties
  int TitleHeight() const { return m_Metrics.TitleHeight; }
  TColor MenuBarColor() const { return m_Metrics.MenuColors[0]; }
  TColor FormFrameColor() const { return m_Metrics.FormFrameColor; }
  void SetFormFrameColor(TColor AValue) { m_Metrics.FormFrameColor = AValue; }
  TzelSkinScrollBtnRes& ScrollBtnRes() { return *m_ScrollBtnRes; }
  TzelSkinProgressBarRes& ProgressBarRes() { return *m_ProgressBarRes; }
  TzelSkinTabRes& TabRes() { return *m_TabRes; }
  int SkinnedFormsCount() const { return static_cast<int>(m_WndList.size()); }
  TColor TransparentColor() const { return m_TransColor; }
  TColor DisabledMenuFontColor() const { return m_Metrics.DisabledMenuFontColor; }
  TColor InactiveTitleFontColor() const { return m_Metrics.InactiveTitleFontColor; }
  // All metrics ApplySkin read.
  const TSkinMetrics& Metrics() const { return m_Metrics; }
  TzelSkinReader& SkinReader() const { return *m_SkinReader; }

  // --- Menus
  // The system menu windows show: the custom one when set, else the
  // engine's own. A custom menu is not owned and must outlive the engine or
  // be unset first.
  ui::TPopupMenu& SysMenu();
  void SetSysMenu(ui::TPopupMenu* AMenu);
  TzelSkinSysMenu& InternalSysMenu() { return *m_InternalSysMenu; }
  // Opens the system menu for AWindow at AX, AY (screen); the entries of
  // the engine's own menu are enabled as AState allows. AWindow receives
  // the owner-draw messages meanwhile (window wrappers hand them on).
  void PopupSysMenu(TWndHandle AWindow, const TSysMenuWindow& AState, int AX, int AY);
  // The window the system menu was opened for last, or null.
  TWndHandle PopSysMenuWnd() const { return m_PopSysMenuWnd; }
  // The menu colours, the disabled font colour and the check-mark glyph
  // of the current skin.
  const TMenuPalette& MenuPalette() const { return m_MenuPalette; }
  TzelMenuPainter& MenuPainter() { return *m_MenuPainter; }
  // Makes AMenu owner-drawn with the engine's measure and draw handlers on
  // every item (unless its Tag is DisabledTag); a main menu without an image
  // list gets the shared empty one.
  void MakeMenuOwnerDrawn(ui::TMenu& AMenu);
  // Gives AMenu its own look back.
  void RestoreMenu(ui::TMenu& AMenu);
  // Items were added to AMenu at run time: owner-drawn again, handlers on
  // all its items.
  void MenuItemAdded(ui::TMenu& AMenu);
  // The form's wrapper shows AMenu on its menu bar instead of the form's
  // own menu (which is taken off the window); nullptr goes back to the
  // form's own. Without a form: the engine's form.
  void AssignMainMenu(ui::TMainMenu* AMenu);
  void AssignMainMenu(ui::TComponent& AForm, ui::TMainMenu* AMenu);
  // Rebuilds the form's menu bar (only while really active and the form's
  // wrapper is on).
  void UpdateTopMenu();
  void UpdateTopMenu(ui::TComponent& AForm);
  // The height of the form's skinned menu bar, 0 when it shows none.
  int GetMenuBarHeight(ui::TComponent& AForm) const;
  // The engine hears of AMenu's end (Notification): from then on no
  // wrapper and no system menu refers to it.
  void WatchMenu(ui::TMenu& AMenu);
  void MenuGoing(ui::TMenu& AMenu);
  // The image list main menus without one get (it holds no pictures).
  static const ui::TImageList& SharedEmptyImageList();
  // The check mark of the bitmap resource "ZELSKIN_MENU_CHECKED" (white
  // is transparent); empty when the program lacks the resource.
  static const TBitmap& DefaultCheckGlyph();
  // The pixels of this program's bitmap resource AName, empty without it.
  static TBitmap ProgramBitmap(const wchar_t* AName);

  // --- Operations
  void AddForm(ui::TComponent& AForm);
  void AddForm_BCB(ui::TComponent& AForm) { AddForm(AForm); }
  void RemoveForm(ui::TComponent& AForm);
  void AddWindow(TWndHandle AWindow);
  void RemoveWindow(TWndHandle AWindow);
  void AddControl(ui::TComponent& AControl);
  void RemoveControl(ui::TComponent& AControl);
  // Skins AWindow unless it has a wrapper: a TzelSkinWindowVCL when a form
  // of the screen has the handle, else a TzelSkinWindowWnd.
  void SkinWindowHandle(TWndHandle AWindow, bool ADialog);
  void DoSkinAllForms();
  void UnskinOtherForms();
  void ApplyMainBuiltInSkin();
  void ApplyAdditionalBuiltInSkins(int AIndex);
  // Re-reads the metrics and image sets from the current reader and
  // re-applies the skin to every window.
  void ApplySkin();

  // Frame ASpitIndex (1-based) of ASpitCount equal frames of the bitmap AKey
  // into ABuf; false (ABuf empty) when the skin has no such bitmap.
  bool GetBitmap(TSkinBitmapKey AKey, TBitmap& ABuf, int ASpitIndex = 1, int ASpitCount = 1) const;
  std::int32_t GetColor(TSkinColorKey AKey) const { return m_SkinReader->GetColor(AKey); }
  std::int32_t GetInteger(TSkinIntegerKey AKey) const { return m_SkinReader->GetInteger(AKey); }
  bool GetBool(TSkinBoolKey AKey) const { return m_SkinReader->GetBool(AKey); }
  TColor GetFormColor() const { return m_FormColor; }
  int GetSkinnedFormsCount() const { return SkinnedFormsCount(); }

  // The wrapper of AWindow, or null.
  TzelSkinWindow* FindSkinWindow(TWndHandle AWindow) const;
  // The solid brush of the form colour for dialog backgrounds (an HBRUSH),
  // null while no skin is applied.
  void* FormBrush() const { return m_Brush; }
  // True while a window wrapper is being freed by the engine.
  bool RemovingWnd() const { return m_RemovingWnd; }
  // True once the engine's destruction has begun.
  bool BeingDestroyed() const { return m_BeingDestroyed; }
  // Called by a window wrapper whose window goes away by itself.
  void WindowWrapperGone(TzelSkinWindow* AWindow);
  // The engine that holds the thread's window hook, or null.
  static TzelSkinEngine* HookedEngine();
  // The native window just destroyed that the hook must not skin again.
  static void SetDestroyedHandle(TWndHandle AWindow);

  // --- Fields that wrappers read directly
  TColor m_TransColor = 0;
  TColor m_FormColor = 0;
  int64_t m_DisabledTag = 9999;
  bool m_DrawScrollBar = true;
  bool m_DrawSpeedButtonAsBitBtn = false;
  bool m_BtnNeedAltKey = false;
  bool m_NoChangeButtonsFontColor = false;
  bool m_NoChangeLabelFontColor = false;
  int m_AllFormCaptionXPos = -10000;

 protected:
  void Notification(ui::TComponent& AComponent, ui::TOperation AOperation) override;

 private:
  void FreeWrapper(size_t AIndex);
  void LoadFromTempFile(std::span<const std::uint8_t> AData);
  void HookCall(int ACode, std::uintptr_t AWParam, std::intptr_t ALParam, bool& ARefuse);
  // The painter and the system menu (construction), the palette from the
  // current skin (ApplySkin).
  void CreateMenus();
  void UpdateMenuPalette();
  TzelSkinWindowVCL* FormWrapper(ui::TComponent& AForm) const;
  friend struct TSkinHookAccess;

  bool m_Active = false;
  std::vector<std::unique_ptr<TzelSkinWindow>> m_WndList;
  TzelSkinReader* m_SkinReader = nullptr;
  std::unique_ptr<TzelSkinReader> m_MainReader;
  std::string m_SkinFile;
  std::string m_Password;
  std::vector<std::uint8_t> m_SkinData;
  std::unique_ptr<TzelSkinScrollBtnRes> m_ScrollBtnRes;
  std::unique_ptr<TzelSkinProgressBarRes> m_ProgressBarRes;
  std::unique_ptr<TzelSkinTabRes> m_TabRes;
  bool m_BuiltIn = false;
  bool m_SkinDialogs = true;
  bool m_SkinAllForms = true;
  bool m_DoingAllForms = false;
  bool m_Loading = true;
  bool m_Hooked = false;
  std::vector<std::unique_ptr<TzelSkinCollectionItem>> m_AdditionalBuiltInSkins;
  void* m_Brush = nullptr;  // HBRUSH
  bool m_RemovingWnd = false;
  bool m_BeingDestroyed = false;
  std::vector<std::string> m_AutoSkinWndClassNames;
  TSkinMetrics m_Metrics;
  std::string m_ResSysMenuMin = "Mi&nimize";
  std::string m_ResSysMenuMax = "Ma&ximize/Restore";
  std::string m_ResSysMenuClose = "&Close";
  bool m_BuiltInData = false;
  TMenuPalette m_MenuPalette;
  std::unique_ptr<TzelMenuPainter> m_MenuPainter;
  std::unique_ptr<TzelSkinSysMenu> m_InternalSysMenu;
  ui::TPopupMenu* m_CustomSysMenu = nullptr;
  TWndHandle m_PopSysMenuWnd = nullptr;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_ENGINE_SKIN_ENGINE_H_
