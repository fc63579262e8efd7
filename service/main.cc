// The entry of the Service program.
//
//   Service -install [-silent]     registers the service "QuillorySvr"
//   Service -uninstall [-silent]   removes it
//   Service -console               runs it in the foreground of a terminal
//   Service                        the process the service manager starts
//
// Switches take "-" or "/" in any letter case. On Linux "-registry DIR" puts
// the settings store at DIR and "-unitdir DIR" the systemd unit (tests).
#include <exception>
#include <string>
#include <vector>

#include "config/reg.h"
#include "config/registry_switch.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/service_control.h"
#include "service/config_settings.h"
#include "service/host/service_application.h"
#include "service/quillory_svr.h"

namespace {

constexpr char kApplicationError[] = "Anwendungsfehler";

// The program's file name without its folder.
std::string ProgramFileName() {
  const std::string path = platform::ProgramPath();
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Run(const std::vector<std::string>& AArgs) {
  config::TConfigRegScope configReg;                            // ConfigReg
  service::TServiceApplication application(ProgramFileName());  // the application
  service::TConfigRegSettings settings;
  auto& svr = application.CreateForm<service::TQuillorySvr>();  // QuillorySvr
  svr.Settings = &settings;
  service::QuillorySvr = &svr;
  const int code = application.Run(AArgs);  // the role
  service::QuillorySvr = nullptr;
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    std::vector<std::string> args = platform::ProgramArguments(argc, argv);
    config::ApplyRegistrySwitch(args);
    platform::ApplyUnitDirSwitch(args);
    return Run(args);
  } catch (const std::exception& e) {
    platform::ShowMessageBox(kApplicationError, e.what(), platform::TMessageKind::Error);
    return 1;
  }
}
