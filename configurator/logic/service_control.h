// Starting, stopping and querying the settings service from the Configurator,
// with the wait for a pending start or stop to finish.
//
// The wait follows the service's own reports: it sleeps one full wait hint,
// asks again, and goes on while the checkpoint stays or grows. It ends when
// the target state is reached, when a query fails, when the checkpoint falls,
// or when the overall time limit is reached. A limit reached counts as a
// failure (the caller shows the service as not running).
//
// Thread safety: a TServiceController is used by one thread at a time.
#ifndef QUILLORY_CONFIGURATOR_LOGIC_SERVICE_CONTROL_H_
#define QUILLORY_CONFIGURATOR_LOGIC_SERVICE_CONTROL_H_

#include <chrono>
#include <string>

#include "configurator/logic/clock.h"
#include "platform/service_client.h"

namespace configurator {

// The name under which the settings service is installed.
inline constexpr char kServiceName[] = "QuillorySvr";

class TServiceController {
 public:
  // How long one start or stop may wait for the service at most.
  static constexpr TClock::TDuration kDefaultWaitLimit = std::chrono::seconds(60);
  // The shortest sleep between two queries, so that a service reporting a
  // wait hint of 0 is not polled in a busy loop.
  static constexpr TClock::TDuration kMinPollInterval = std::chrono::milliseconds(50);

  // AManager and AClock must outlive the controller.
  TServiceController(platform::TServiceControlManager& AManager, TClock& AClock,
                     std::string AServiceName = kServiceName,
                     TClock::TDuration AWaitLimit = kDefaultWaitLimit);

  // True when the service reports the running state; false when it does not,
  // or when the manager or the service cannot be opened or queried.
  bool ServiceIsRunning();

  // Starts the service and waits while it is starting. True when the last
  // state obtained is "running"; false when the start request or the first
  // query failed, when the wait ended in another state, or when the time
  // limit was reached. Shows nothing; the caller reports a failure.
  bool ServiceStartAndWait();

  // Sends the stop control and waits while the service is stopping. True
  // when the service still runs afterwards (the last state obtained is
  // "running"); false when it stopped, when no state was obtained, or when
  // the time limit was reached.
  bool ServiceStopAndWait();

 private:
  enum class TWaitEnd { TargetReached, GaveUp, TimeLimit };

  // Waits while ALast is not ATarget, updating ALast with every successful
  // query.
  TWaitEnd WaitFor(platform::TServiceHandle& AService, platform::TServiceStatus& ALast,
                   platform::TServiceState ATarget);

  platform::TServiceControlManager& FManager;
  TClock& FClock;
  std::string FServiceName;
  TClock::TDuration FWaitLimit;
};

}  // namespace configurator

#endif  // QUILLORY_CONFIGURATOR_LOGIC_SERVICE_CONTROL_H_
