#include "skin/controls/win32/skin_props.h"

#include <windows.h>

#include "skin/controls/paint_buttons.h"

namespace skin {

TColor ColorProperty(const ui::TWidget* AWidget) {
  if (AWidget == nullptr) return kNoColor;
  const auto* info = AWidget->FindProperty("Color");
  if (info == nullptr || info->Type->Kind != ui::TPropertyKind::Color) return kNoColor;
  const auto value = AWidget->GetProperty("Color");
  if (!value) return kNoColor;
  return ui::TColor::Decode(std::get<int64_t>(*value)).Resolve();
}

bool BoolProperty(const ui::TWidget& AWidget, std::string_view AName) {
  const auto value = AWidget.GetProperty(AName);
  return value && std::holds_alternative<bool>(*value) && std::get<bool>(*value);
}

std::int64_t IntProperty(const ui::TWidget& AWidget, std::string_view AName,
                         std::int64_t ADefault) {
  const auto value = AWidget.GetProperty(AName);
  if (!value || !std::holds_alternative<std::int64_t>(*value)) return ADefault;
  return std::get<std::int64_t>(*value);
}

void TOldFontColor::Restore(ui::TWidget& AControl) {
  if (!FColor) return;
  ui::TFont font = AControl.Font();
  font.Color = *FColor;
  AControl.SetFont(font);
  FColor.reset();
}

void TOldFontColor::Follow(ui::TWidget& AControl, const TzelSkinHost& AEngine, bool AKeepOwn) {
  if (!AEngine.RealActive() || AKeepOwn || AControl.Tag() == AEngine.DisabledTag()) {
    Restore(AControl);
    return;
  }
  const TColor skin = AEngine.GetColor(TSkinColorKey::ControlFontColor);
  if (skin == kNoColor) return;
  ui::TFont font = AControl.Font();
  if (!FColor) FColor = font.Color;
  font.Color = ui::TColor::Rgb(GetRValue(skin), GetGValue(skin), GetBValue(skin));
  if (!(font == AControl.Font())) AControl.SetFont(font);
}

}  // namespace skin
