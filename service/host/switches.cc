#include "service/host/switches.h"

#include "base/ascii.h"

namespace service {

bool SameText(std::string_view A, std::string_view B) {
  return base::EqualsIgnoringAsciiCase(A, B);
}

bool FindCmdLineSwitch(const std::vector<std::string>& AArgs, std::string_view AWord) {
  for (const std::string& arg : AArgs) {
    if (!arg.empty() && (arg[0] == '/' || arg[0] == '-') &&
        SameText(std::string_view(arg).substr(1), AWord)) {
      return true;
    }
  }
  return false;
}

TCommandLine ParseCommandLine(const std::vector<std::string>& AArgs) {
  TCommandLine result;
  if (FindCmdLineSwitch(AArgs, "INSTALL")) {
    result.Role = TRole::Install;
  } else if (FindCmdLineSwitch(AArgs, "UNINSTALL")) {
    result.Role = TRole::Uninstall;
  } else if (FindCmdLineSwitch(AArgs, "CONSOLE")) {
    result.Role = TRole::Console;
  }
  result.Silent = FindCmdLineSwitch(AArgs, "SILENT");
  return result;
}

}  // namespace service
