// The client side of the system's service control manager: query, start and
// stop an installed service by its name.
//
// The interfaces are small on purpose: code that drives a service (waits,
// retries, time limits) is written against them and tested with fakes, while
// the system implementation only forwards to the operating system.
//
// Handles follow the manager's own model: connect to the manager, open one
// service with the access needed, act, and let the objects go (the service
// handle before the manager connection). Nothing is kept between actions.
//
// Thread safety: none of the objects may be shared between threads.
#ifndef QUILLORY_PLATFORM_SERVICE_CLIENT_H_
#define QUILLORY_PLATFORM_SERVICE_CLIENT_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/service_control.h"  // TServiceState, TServiceStatus

namespace platform {

// Access rights asked of a service when it is opened (combinable).
enum TServiceAccess : uint32_t {
  saQueryStatus = 0x0004,
  saStart = 0x0010,
  saStop = 0x0020,
};

// An open service.
class TServiceHandle {
 public:
  virtual ~TServiceHandle() = default;

  // The current status, or nullopt when the query fails.
  virtual std::optional<TServiceStatus> Query() = 0;

  // Asks the manager to start the service without arguments. True when the
  // request was accepted (the service may still be starting).
  virtual bool Start() = 0;

  // Sends the stop control. ASucceeded tells whether the request was
  // accepted. The result is the status the manager returned with the answer,
  // also with a refusal when it gave one (for instance "not active" with the
  // stopped state), and nullopt when it gave none.
  virtual std::optional<TServiceStatus> Stop(bool& ASucceeded) = 0;
};

// A connection to the service control manager of the local machine.
class TServiceManagerConnection {
 public:
  virtual ~TServiceManagerConnection() = default;

  // Opens the service AName (UTF-8) with AAccess (TServiceAccess bits), or
  // nullptr when it is not installed or the access is refused.
  virtual std::unique_ptr<TServiceHandle> Open(const std::string& AName, uint32_t AAccess) = 0;
};

// The service control manager.
class TServiceControlManager {
 public:
  virtual ~TServiceControlManager() = default;

  // Connects with the right to open services, or nullptr when the manager
  // cannot be reached.
  virtual std::unique_ptr<TServiceManagerConnection> Connect() = 0;
};

// The system's service control manager. On systems without one it is a
// stand-in whose Connect() always fails, so every service counts as absent.
TServiceControlManager& SystemServiceControlManager();

}  // namespace platform

#endif  // QUILLORY_PLATFORM_SERVICE_CLIENT_H_
