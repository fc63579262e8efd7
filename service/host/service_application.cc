#include "service/host/service_application.h"

#include "platform/console.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/system_error.h"

namespace service {

namespace {

constexpr char kErrorCaption[] = "Fehler";
constexpr char kInfoCaption[] = "Informationen";

void ShowFailure(const std::string& AWhat, const TService& AService,
                 const platform::ESystemError& AError) {
  platform::ShowMessageBox(kErrorCaption,
                           "Service \"" + AService.EffectiveDisplayName() + "\" konnte nicht " +
                               AWhat + " werden; Fehler: \"" + AError.what() + "\"",
                           platform::TMessageKind::Error);
}

}  // namespace

TServiceApplication::TServiceApplication(std::string AProgramName)
    : FLogger(std::move(AProgramName), TLogTarget::SystemLog) {}

TServiceApplication::~TServiceApplication() = default;

int TServiceApplication::Run(const std::vector<std::string>& AArgs) {
  const TCommandLine line = ParseCommandLine(AArgs);
  switch (line.Role) {
    case TRole::Install:
      return Install(line.Silent);
    case TRole::Uninstall:
      return Uninstall(line.Silent);
    case TRole::Console:
      // The program has no console of its own (it shows no window in its
      // other roles); the console run logs to the one it was started from.
      platform::AttachConsoleOutput();
      return RunServices(platform::THostKind::Console);
    case TRole::Service:
      break;
  }
  return RunServices(platform::THostKind::ServiceManager);
}

int TServiceApplication::Install(bool ASilent) {
  platform::TServiceManager manager;
  const std::string path = platform::ProgramPath();
  int result = 0;
  for (const auto& service : FServices) {
    try {
      manager.Install({service->Name(), service->EffectiveDisplayName(), path});
      if (!ASilent) {
        platform::ShowMessageBox(kInfoCaption, "Service erfolgreich installiert",
                                 platform::TMessageKind::Information);
      }
    } catch (const platform::ESystemError& e) {
      ShowFailure("installiert", *service, e);
      result = 1;
    }
  }
  return result;
}

int TServiceApplication::Uninstall(bool ASilent) {
  platform::TServiceManager manager;
  int result = 0;
  for (const auto& service : FServices) {
    try {
      manager.Remove(service->Name());
      if (!ASilent) {
        platform::ShowMessageBox(kInfoCaption, "Service erfolgreich deinstalliert",
                                 platform::TMessageKind::Information);
      }
    } catch (const platform::ESystemError& e) {
      ShowFailure("deinstalliert", *service, e);
      result = 1;
    }
  }
  return result;
}

int TServiceApplication::RunServices(platform::THostKind AKind) {
  if (FServices.empty()) return 0;
  std::unique_ptr<platform::TServiceHost> host = platform::MakeServiceHost(AKind);
  const TLogTarget target =
      AKind == platform::THostKind::Console ? TLogTarget::Terminal : TLogTarget::SystemLog;
  for (const auto& service : FServices) service->SetHost(*host, target);
  const uint32_t error =
      host->RunDispatcher(FServices.front()->Name(),
                          [this](const std::vector<std::string>& AArgs) { ServiceMain(AArgs); });
  if (error != 0) {
    FLogger.LogMessage(platform::SystemErrorMessage(error));
    return 1;
  }
  // A run that ended in an error ends the program with a failure too, so a
  // service manager that looks at exit codes (systemd) shows the service
  // as failed rather than as stopped.
  for (const auto& service : FServices)
    if (service->Failed()) return 1;
  return 0;
}

void TServiceApplication::ServiceMain(const std::vector<std::string>& AArgs) {
  if (AArgs.empty()) return;
  for (const auto& service : FServices) {
    if (SameText(service->Name(), AArgs.front())) {
      service->Main(AArgs);
      return;
    }
  }
}

}  // namespace service
