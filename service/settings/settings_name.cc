#include "service/settings/settings_name.h"

#include <array>

#include "base/ascii.h"

namespace service::settings {

namespace {

using base::EqualsIgnoringAsciiCase;

// Windows takes these for devices wherever they appear, whatever follows the
// first dot.
bool IsReservedDeviceName(std::string_view AName) {
  std::string_view base = AName.substr(0, AName.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN",    "AUX",
                                                             "NUL", "CONIN$", "CONOUT$"};
  for (std::string_view device : kPlain) {
    if (EqualsIgnoringAsciiCase(base, device)) return true;
  }
  for (std::string_view port : {std::string_view("COM"), std::string_view("LPT")}) {
    if (base.size() < 4 || !EqualsIgnoringAsciiCase(base.substr(0, 3), port)) continue;
    const std::string_view number = base.substr(3);
    if (number.size() == 1 && number[0] >= '1' && number[0] <= '9') return true;
    // superscript one, two and three
    if (number == "\xC2\xB9" || number == "\xC2\xB2" || number == "\xC2\xB3") return true;
  }
  return false;
}

}  // namespace

bool IsNameInFolder(std::string_view AName, platform::TFileNameRules ARules) {
  if (AName.empty() || AName == "." || AName == "..") return false;
  if (AName.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) return false;
  if (platform::IsTempFileName(AName, ARules)) return false;  // another save in progress
  if (ARules == platform::TFileNameRules::Posix) return true;
  if (AName.find(':') != std::string_view::npos) return false;
  if (AName.back() == '.' || AName.back() == ' ') return false;
  return !IsReservedDeviceName(AName);
}

}  // namespace service::settings
