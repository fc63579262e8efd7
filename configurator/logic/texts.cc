#include "configurator/logic/texts.h"

#include <cstdio>

namespace configurator::texts {

std::string WindowCaption(std::string_view AVersion) {
  return std::string(kProductTitle) + " - Version " + std::string(AVersion);
}

std::string VersionLine(std::string_view AVersion) {
  return "Version " + std::string(AVersion);
}

std::string RightsNotice(int ACurrentYear) {
  char years[32];
  std::snprintf(years, sizeof years, "%04d-%04d", kRightsFirstYear, ACurrentYear);
  return std::string("Copyright \xC2\xA9 ") + years +
         " Tarnwick Software GmbH. Alle Rechte vorbehalten.";
}

std::string StartFailure(int32_t APort) {
  return "Der Server konnte nicht auf Port: " + std::to_string(APort) + " gestartet werden!";
}

std::string FolderChangeMessage(std::string_view AOld, std::string_view AChosen,
                                const std::function<bool(std::string_view)>& ADirectoryExists) {
  if (AChosen == AOld || AOld.empty() || !ADirectoryExists(AOld)) return {};
  return "Sie haben das Client-Konfigurationsverzeichnis geändert.\r\n"
         "Bitte verschieben Sie ggf. noch benötigte Dateien aus dem alten Verzeichnis \r\n\"" +
         std::string(AOld) + "\" in das neue Verzeichnis.";
}

}  // namespace configurator::texts
