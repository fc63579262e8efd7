// The two control-wrapper tables and the class-name lists of the engine.
#include <algorithm>
#include <string>
#include <vector>

#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

struct TWndDefEntry {
  std::string CtrlClass;
  TzelSkinCtrlWndDef Def;
};

std::vector<TzelSkinCtrlVCLDef>& VCLDefs() {
  static std::vector<TzelSkinCtrlVCLDef> defs;
  return defs;
}

std::vector<TWndDefEntry>& WndDefs() {
  static std::vector<TWndDefEntry> defs;
  return defs;
}

std::vector<std::string>& NoBorderList() {
  static std::vector<std::string> list{"TJamShellTree", "TJamShellList", "TAppWizardForm"};
  return list;
}

std::vector<std::string>& AutoSkinList() {
  static std::vector<std::string> list{"TSelectDirDlg", "TForm", "TfrmRegBrowser", "TfrmFTPBrowser",
                                       "TTntForm.UnicodeClass"};
  return list;
}

constexpr size_t kMaxWndClassName = 63;

}  // namespace

void RegisterSkinCtrlVCLDefs(std::span<const TzelSkinCtrlVCLDef> ADefs) {
  VCLDefs().insert(VCLDefs().end(), ADefs.begin(), ADefs.end());
}

void RegisterSkinCtrlWndDefs(std::span<const TzelSkinCtrlWndDef> ADefs) {
  for (const TzelSkinCtrlWndDef& def : ADefs) {
    WndDefs().push_back({std::string(def.CtrlClass.substr(0, kMaxWndClassName)), def});
  }
  // The names point into the stored strings (the vector may have moved them).
  for (TWndDefEntry& e : WndDefs()) e.Def.CtrlClass = e.CtrlClass;
}

const TzelSkinCtrlVCLDef* FindSkinCtrlVCLDef(const ui::TWidgetClass& AClass) {
  const auto& defs = VCLDefs();
  for (auto it = defs.rbegin(); it != defs.rend(); ++it) {
    if (it->CtrlClass && AClass.InheritsFrom(*it->CtrlClass)) return &*it;
  }
  return nullptr;
}

const TzelSkinCtrlWndDef* FindSkinCtrlWndDef(std::string_view AUpperClassName) {
  const auto& defs = WndDefs();
  for (auto it = defs.rbegin(); it != defs.rend(); ++it) {
    if (it->CtrlClass == AUpperClassName) return &it->Def;
  }
  return nullptr;
}

size_t SkinCtrlVCLDefCount() {
  return VCLDefs().size();
}
size_t SkinCtrlWndDefCount() {
  return WndDefs().size();
}
const TzelSkinCtrlVCLDef& SkinCtrlVCLDefAt(size_t AIndex) {
  return VCLDefs().at(AIndex);
}
const TzelSkinCtrlWndDef& SkinCtrlWndDefAt(size_t AIndex) {
  return WndDefs().at(AIndex).Def;
}

void ClearSkinCtrlDefs() {
  VCLDefs().clear();
  WndDefs().clear();
}

const std::vector<std::string>& NoBorderClassList() {
  return NoBorderList();
}

bool InNoBorderClassList(std::string_view AClassName) {
  const auto& list = NoBorderList();
  return std::find(list.begin(), list.end(), AClassName) != list.end();
}

const std::vector<std::string>& AutoSkinClassList() {
  return AutoSkinList();
}

void AddAutoSkinClass(std::string_view AClassName) {
  auto& list = AutoSkinList();
  if (std::find(list.begin(), list.end(), AClassName) == list.end()) {
    list.emplace_back(AClassName);
  }
}

}  // namespace skin
