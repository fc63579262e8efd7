// TService: one service of the program and the state machine that serves
// the service control manager on its behalf.
//
// A start runs like this: the host calls Main() on its service-main thread;
// Main registers the control handler, reports start pending and runs the
// service thread, which reports start pending again, then running, and calls
// OnExecute. Control requests reach Controller() on a host thread, which
// queues them for the service thread; the service thread acts on them inside
// ProcessRequests(), so every action runs on that one thread. When the
// service thread has ended, Main reports stopped.
//
// Status reports carry the accepted controls (none while start pending,
// otherwise stop, pause/continue and shutdown), the wait hint and a
// checkpoint that counts repeated reports of the same pending state (the two
// start-pending reports of a start carry 1 and 2; any other report 0).
//
// Thread safety: Controller() and Status() may be called from any thread.
// ProcessRequests() and Terminated() belong to the service thread; the rest
// is set up before Main() runs.
#ifndef QUILLORY_SERVICE_HOST_SERVICE_H_
#define QUILLORY_SERVICE_HOST_SERVICE_H_

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/mutex.h"
#include "platform/service_control.h"
#include "platform/thread_queue.h"
#include "service/host/event_logger.h"

namespace service {

using platform::TServiceState;

class TService {
 public:
  using TEvent = std::function<void(TService& ASender)>;
  // An action's event may refuse the action by returning false.
  using TAllowEvent = std::function<bool(TService& ASender)>;

  // AName: the service name (the name registered with the service control
  // manager). Touches no system resource.
  explicit TService(std::string AName);
  virtual ~TService();
  TService(const TService&) = delete;
  TService& operator=(const TService&) = delete;

  const std::string& Name() const { return FName; }
  // The display name, or the service name when none is set.
  std::string EffectiveDisplayName() const { return DisplayName.empty() ? FName : DisplayName; }

  std::string DisplayName;
  bool AllowStop = true;
  bool AllowPause = true;
  uint32_t WaitHint = 5000;  // milliseconds, in every status report

  // Runs on the service thread once the service is reported running; the
  // service stops when it returns. Without it the thread just processes
  // control requests until a stop.
  TEvent OnExecute;
  // Optional hooks of the control actions; unassigned they allow the action.
  TAllowEvent OnStop, OnPause, OnContinue;
  TEvent OnShutdown;

  // The host to report to and where errors are logged. Call before Main().
  void SetHost(platform::TServiceHost& AHost, TLogTarget ALogTarget);

  // The state last assigned.
  TServiceState Status() const { return FStatus.load(); }

  // Service thread: true once a stop or shutdown request has been processed.
  bool Terminated() const { return FTerminated; }

  // Service thread: with AWaitForMessage, waits for control requests and
  // processes them until Terminated() (returning after the request that set
  // it); without, processes the requests already queued and returns.
  void ProcessRequests(bool AWaitForMessage);

  // The control dispatch: queues ACode for the service thread, which also
  // ends a pause. Dropped while no service thread exists. Any thread.
  void Controller(uint32_t ACode);

  // The plain function that the host calls with each control request; it
  // passes the code to this object's Controller().
  virtual platform::TControlHandler GetServiceController() = 0;

  // The service-main function for this service: appends AArgs (the service
  // name first) to the start parameters, registers the control handler and
  // runs one start of the service. Returns once it has stopped. Errors are
  // logged, never thrown.
  void Main(const std::vector<std::string>& AArgs);

  const std::vector<std::string>& Params() const { return FParams; }

  // True once a run of the service ended in an error: the control handler
  // could not be registered, or an error escaped the execute routine. A
  // failed control action alone does not count; the service runs on.
  bool Failed() const { return FFailed.load(); }

  // Writes AMessage to this service's log (source: the service name).
  // Virtual so that tests can record the entries.
  virtual void LogMessage(const std::string& AMessage);

 private:
  void SetStatus(TServiceState AState);
  void ReportStatus() EXCLUDES(FReportLock);
  // The service thread's queue; called only on the service thread.
  platform::TThreadQueue& OwnQueue() EXCLUDES(FQueueLock);
  void ServiceThreadBody();
  void DoControl(uint32_t ACode);

  static constexpr std::size_t kServiceThreadStack = 256 * 1024;

  const std::string FName;
  platform::TServiceHost* FHost = nullptr;
  TLogTarget FLogTarget = TLogTarget::SystemLog;
  std::vector<std::string> FParams;

  std::atomic<TServiceState> FStatus{TServiceState::Stopped};
  bool FTerminated = false;  // service thread only
  std::atomic<bool> FFailed{false};

  platform::TMutex FReportLock;  // one report at a time
  TServiceState FLastState GUARDED_BY(FReportLock) = TServiceState::StartPending;
  uint32_t FLastCheckPoint GUARDED_BY(FReportLock) = 0;

  platform::TMutex FQueueLock;
  // The service thread's, while it runs.
  platform::TThreadQueue* FQueue GUARDED_BY(FQueueLock) = nullptr;

  std::once_flag FLoggerOnce;
  std::unique_ptr<TEventLogger> FLogger;  // created on first use
};

}  // namespace service

#endif  // QUILLORY_SERVICE_HOST_SERVICE_H_
