#include "config/config_error.h"

namespace config {

std::string SetDataErrorText(std::string_view AEntry) {
  return "Fehler beim Setzen der Daten für '" + std::string(AEntry) + "'";
}

std::string GetDataErrorText(std::string_view AEntry) {
  return "Fehler beim Holen der Daten für '" + std::string(AEntry) + "'";
}

}  // namespace config
