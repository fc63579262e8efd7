#include "config/registry_switch.h"

#include "base/ascii.h"
#include "platform/registry.h"

namespace config {

bool IsRegistrySwitch(const std::string& AArg) {
  return AArg.size() > 1 && (AArg[0] == '-' || AArg[0] == '/') &&
         base::EqualsIgnoringAsciiCase(std::string_view(AArg).substr(1), "registry");
}

bool ApplyRegistrySwitch(std::vector<std::string>& AArgs) {
  std::string folder;
  bool given = false;
  for (std::size_t i = 0; i < AArgs.size();) {
    if (!IsRegistrySwitch(AArgs[i])) {
      ++i;
      continue;
    }
    if (i + 1 >= AArgs.size() || AArgs[i + 1].empty())
      throw EConfigError("Der Schalter " + AArgs[i] + " braucht einen Ordner.");
    folder = AArgs[i + 1];
    given = true;
    AArgs.erase(AArgs.begin() + static_cast<std::ptrdiff_t>(i),
                AArgs.begin() + static_cast<std::ptrdiff_t>(i) + 2);
  }
  if (given && !platform::SetRegistryRoot(folder))
    throw EConfigError(
        "Der Schalter -registry gilt nur für den dateibasierten Registrierungsspeicher.");
  return given;
}

}  // namespace config
