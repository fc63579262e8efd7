// TServiceApplication: picks the program's role from its command line and
// plays it: installs or removes its services, or hands them over to the
// service host and serves them until they have stopped.
//
// Thread safety: construct, CreateForm and Run on the main thread. The host
// calls the service-main function on a thread of its own.
#ifndef QUILLORY_SERVICE_HOST_SERVICE_APPLICATION_H_
#define QUILLORY_SERVICE_HOST_SERVICE_APPLICATION_H_

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/service_control.h"
#include "service/host/event_logger.h"
#include "service/host/service.h"
#include "service/host/switches.h"

namespace service {

class TServiceApplication {
 public:
  // AProgramName: the program's file name without folder; the source of the
  // application's own log entries.
  explicit TServiceApplication(std::string AProgramName);
  ~TServiceApplication();
  TServiceApplication(const TServiceApplication&) = delete;
  TServiceApplication& operator=(const TServiceApplication&) = delete;

  // Creates a service object of class T, owned by the application until it
  // is destroyed.
  template <class T, class... TArgs>
  T& CreateForm(TArgs&&... AArgs) {
    auto service = std::make_unique<T>(std::forward<TArgs>(AArgs)...);
    T& result = *service;
    FServices.push_back(std::move(service));
    return result;
  }

  // Plays the role AArgs ask for and returns the program's exit code: 0 when
  // it went well, 1 when installing or removing failed (after the error box)
  // or the host could not be reached (after logging why). Throws
  // platform::ESystemError when the service control manager cannot be
  // connected to.
  int Run(const std::vector<std::string>& AArgs);

  // The service-main function: finds the service named AArgs[0] (letter
  // case ignored) and runs one start of it; without a match, does nothing.
  void ServiceMain(const std::vector<std::string>& AArgs);

 private:
  int Install(bool ASilent);
  int Uninstall(bool ASilent);
  int RunServices(platform::THostKind AKind);

  TEventLogger FLogger;
  std::vector<std::unique_ptr<TService>> FServices;
};

}  // namespace service

#endif  // QUILLORY_SERVICE_HOST_SERVICE_APPLICATION_H_
