#include "configurator/logic/port_rules.h"

#include "ui/numeric_text.h"

namespace configurator {

int32_t PortFromText(std::string_view AText) {
  return ui::NumericValue(AText, kPortMin, kPortMax);
}

std::optional<std::string> PortTextOnExit(std::string_view AText) {
  return ui::NumericTextOnExit(AText, kPortMin, kPortMax);
}

}  // namespace configurator
