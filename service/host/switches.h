// The command-line switches of the service program.
//
// An argument is a switch when its first character is "/" or "-" and the
// rest equals the switch word without regard to letter case: /install,
// -INSTALL and /Install are the same switch; /installx is none.
//
// Thread safety: stateless.
#ifndef QUILLORY_SERVICE_HOST_SWITCHES_H_
#define QUILLORY_SERVICE_HOST_SWITCHES_H_

#include <string>
#include <string_view>
#include <vector>

namespace service {

// True when A and B are equal with the letters a to z folded to upper case.
bool SameText(std::string_view A, std::string_view B);

// True when one of AArgs is the switch AWord.
bool FindCmdLineSwitch(const std::vector<std::string>& AArgs, std::string_view AWord);

// What the program is asked to do.
enum class TRole {
  Install,    // "INSTALL": register the service, then end (wins over UNINSTALL)
  Uninstall,  // "UNINSTALL": remove the service, then end
  Console,    // "CONSOLE": run the service in the foreground of a terminal
  Service,    // none of these: run as the process the service manager started
};

struct TCommandLine {
  TRole Role = TRole::Service;
  bool Silent = false;  // "SILENT": no message when installing or removing succeeded
};

TCommandLine ParseCommandLine(const std::vector<std::string>& AArgs);

}  // namespace service

#endif  // QUILLORY_SERVICE_HOST_SWITCHES_H_
