#include "configurator/logic/service_control.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace configurator {

using platform::TServiceAccess;
using platform::TServiceState;
using platform::TServiceStatus;

TServiceController::TServiceController(platform::TServiceControlManager& AManager, TClock& AClock,
                                       std::string AServiceName, TClock::TDuration AWaitLimit)
    : FManager(AManager),
      FClock(AClock),
      FServiceName(std::move(AServiceName)),
      FWaitLimit(AWaitLimit) {}

bool TServiceController::ServiceIsRunning() {
  auto manager = FManager.Connect();
  if (!manager) return false;
  auto service = manager->Open(FServiceName, platform::saQueryStatus);
  if (!service) return false;
  const std::optional<TServiceStatus> status = service->Query();
  return status && status->CurrentState == TServiceState::Running;
}

bool TServiceController::ServiceStartAndWait() {
  std::optional<TServiceStatus> last;
  // The service handle is declared after the manager, so it is closed first.
  auto manager = FManager.Connect();
  if (manager) {
    auto service = manager->Open(FServiceName, platform::saStart | platform::saQueryStatus);
    if (service && service->Start()) {
      last = service->Query();
      if (last) WaitFor(*service, *last, TServiceState::Running);
    }
  }
  // However the wait ended (also at the overall limit), the last state
  // obtained decides.
  return last && last->CurrentState == TServiceState::Running;
}

bool TServiceController::ServiceStopAndWait() {
  std::optional<TServiceStatus> last;
  auto manager = FManager.Connect();
  if (manager) {
    auto service = manager->Open(FServiceName, platform::saStop | platform::saQueryStatus);
    if (service) {
      bool accepted = false;
      last = service->Stop(accepted);
      if (accepted) {
        if (std::optional<TServiceStatus> now = service->Query()) {
          last = now;
          WaitFor(*service, *last, TServiceState::Stopped);
        }
      }
    }
  }
  // However the wait ended (also at the overall limit), the last state
  // obtained decides.
  return last && last->CurrentState == TServiceState::Running;
}

TServiceController::TWaitEnd TServiceController::WaitFor(platform::TServiceHandle& AService,
                                                         TServiceStatus& ALast,
                                                         TServiceState ATarget) {
  const TClock::TDuration deadline = FClock.Elapsed() + FWaitLimit;
  while (ALast.CurrentState != ATarget) {
    const TClock::TDuration now = FClock.Elapsed();
    if (now >= deadline) return TWaitEnd::TimeLimit;
    const uint32_t checkpoint = ALast.CheckPoint;
    // One full wait hint, but never a busy loop and never past the limit.
    TClock::TDuration pause =
        std::max<TClock::TDuration>(TClock::TDuration(ALast.WaitHint), kMinPollInterval);
    FClock.Sleep(std::min(pause, deadline - now));
    const std::optional<TServiceStatus> next = AService.Query();
    if (!next) return TWaitEnd::GaveUp;
    ALast = *next;
    if (ALast.CheckPoint < checkpoint) return TWaitEnd::GaveUp;
  }
  return TWaitEnd::TargetReached;
}

}  // namespace configurator
