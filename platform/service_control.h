// The service control manager as a service process sees it, and the
// installation of a service.
//
// Windows: the real service control manager (StartServiceCtrlDispatcherW,
// RegisterServiceCtrlHandlerW, SetServiceStatus; CreateServiceW and
// DeleteService through OpenSCManagerW). POSIX: a host of our own that runs
// the service in the foreground as systemd expects: SIGTERM and SIGINT ask it
// to stop, SIGUSR1 to pause and SIGUSR2 to continue; status changes reach
// systemd through $NOTIFY_SOCKET when it is set; installing writes a systemd
// unit. Both platforms also offer a console host for development: the
// service runs in the foreground of a terminal, reports its state there and
// stops on Ctrl+C.
//
// Thread safety: one service per process. RunDispatcher runs on the thread
// that calls it; the control handler is called on a host thread; SetStatus
// may be called from any thread, but not from two at once.
#ifndef QUILLORY_PLATFORM_SERVICE_CONTROL_H_
#define QUILLORY_PLATFORM_SERVICE_CONTROL_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// The states of a service, numbered as the service control manager does.
enum class TServiceState : uint32_t {
  Stopped = 1,
  StartPending = 2,
  StopPending = 3,
  Running = 4,
  ContinuePending = 5,
  PausePending = 6,
  Paused = 7,
};

// Control codes and the bits of the controls a service accepts.
inline constexpr uint32_t kControlStop = 1;
inline constexpr uint32_t kControlPause = 2;
inline constexpr uint32_t kControlContinue = 3;
inline constexpr uint32_t kControlInterrogate = 4;
inline constexpr uint32_t kControlShutdown = 5;
inline constexpr uint32_t kAcceptStop = 0x1;
inline constexpr uint32_t kAcceptPauseContinue = 0x2;
inline constexpr uint32_t kAcceptShutdown = 0x4;
inline constexpr uint32_t kServiceWin32OwnProcess = 0x10;

// One status report, field for field as SERVICE_STATUS.
struct TServiceStatus {
  uint32_t ServiceType = kServiceWin32OwnProcess;
  TServiceState CurrentState = TServiceState::Stopped;
  uint32_t ControlsAccepted = 0;
  uint32_t Win32ExitCode = 0;
  uint32_t ServiceSpecificExitCode = 0;
  uint32_t CheckPoint = 0;
  uint32_t WaitHint = 0;
};

// The control handler: a plain function, called on a host thread with the
// code of each control request.
using TControlHandler = void (*)(uint32_t ACode);

// The service-main function: called once per start with the start
// arguments, the service name first; returns when the service has stopped.
using TServiceMain = std::function<void(const std::vector<std::string>& AArgs)>;

class TServiceHost {
 public:
  virtual ~TServiceHost() = default;

  // Hands the process over to the host, which calls AServiceMain for a start
  // of the service AName, and returns once the service has stopped: 0, or
  // the system's error code when the host could not be reached (on Windows
  // typically 1063: the program was not started by the service control
  // manager).
  virtual uint32_t RunDispatcher(const std::string& AName, TServiceMain AServiceMain) = 0;

  // Makes AHandler receive the control requests of the service AName.
  // Throws ESystemError.
  virtual void RegisterControlHandler(const std::string& AName, TControlHandler AHandler) = 0;

  // Reports AStatus for the registered service. Throws ESystemError.
  virtual void SetStatus(const TServiceStatus& AStatus) = 0;
};

enum class THostKind {
  ServiceManager,  // the system's service manager starts the program
  Console,         // a developer runs it in a terminal
};

std::unique_ptr<TServiceHost> MakeServiceHost(THostKind AKind);

// What the installation registers. The service always runs in a process of
// its own, starts automatically with the system, has normal error control,
// no load order group, no dependencies. On Windows it runs under the
// system's own account (LocalSystem); on POSIX as the system account
// "quillory" in a confined systemd unit (service_manager_posix.cc).
struct TServiceEntry {
  std::string Name;
  std::string DisplayName;
  std::string ExecutablePath;  // the full path of the program file, unquoted
};

// The connection to the service control manager of the local machine, with
// full access.
class TServiceManager {
 public:
  // Connects. Throws ESystemError (typically: not run as administrator).
  TServiceManager();
  ~TServiceManager();
  TServiceManager(const TServiceManager&) = delete;
  TServiceManager& operator=(const TServiceManager&) = delete;

  // Registers the service AEntry. The command line is the executable path,
  // enclosed in double quotes when it contains a blank. Throws ESystemError
  // (1073 on Windows, EEXIST on POSIX: the service exists already).
  void Install(const TServiceEntry& AEntry);

  // Removes the service AName; a running service is removed once it has
  // stopped. Throws ESystemError (1060 on Windows, ENOENT on POSIX: no such
  // service).
  void Remove(const std::string& AName);

  struct TImpl;

 private:
  std::unique_ptr<TImpl> FImpl;
};

// The command-line switch "-unitdir DIR" (or "/unitdir DIR", any letter
// case): on POSIX the folder in which installing writes the systemd unit,
// instead of /etc/systemd/system (for tests). Removes the switch and DIR from
// AArgs; the last occurrence wins. Returns true when it was given. Throws
// std::invalid_argument when DIR is missing, or on Windows, which has no
// unit files.
bool ApplyUnitDirSwitch(std::vector<std::string>& AArgs);

}  // namespace platform

#endif  // QUILLORY_PLATFORM_SERVICE_CONTROL_H_
