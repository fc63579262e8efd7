// What the toolkit wrappers read and change of their controls by property
// name: colours, switches and numbers read when present, and the control's
// own font colour (TOldFontColor), kept while a wrapper gives the control
// the skin's font colour and put back when the engine is inactive or the
// wrapper goes.
//
// Thread safety: belongs to the control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_PROPS_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_PROPS_H_

#include <cstdint>
#include <optional>
#include <string_view>

#include "skin/controls/skin_host.h"
#include "ui/widget.h"

namespace skin {

// The "Color" property of AWidget, resolved; kNoColor when AWidget is null
// or has no such property.
TColor ColorProperty(const ui::TWidget* AWidget);
// A Boolean property; false when absent.
bool BoolProperty(const ui::TWidget& AWidget, std::string_view AName);
// An integer or enumeration property; ADefault when absent.
std::int64_t IntProperty(const ui::TWidget& AWidget, std::string_view AName, std::int64_t ADefault);

class TOldFontColor {
 public:
  // While the engine is really active, AKeepOwn is false and AControl's
  // Tag is not the DisabledTag, AControl's
  // font takes "SKIN2_CONTROLFONTCOLOR" (its own colour saved the first
  // time); otherwise its own colour comes back.
  void Follow(ui::TWidget& AControl, const TzelSkinHost& AEngine, bool AKeepOwn);
  // Puts the saved colour back, if any.
  void Restore(ui::TWidget& AControl);
  bool Saved() const { return FColor.has_value(); }

 private:
  std::optional<ui::TColor> FColor;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_PROPS_H_
