// Service control manager helpers shared by the service host, the service
// manager (install, remove) and the service client (query, start, stop): the
// handle owner and the conversions of SERVICE_STATUS.
#ifndef QUILLORY_PLATFORM_WIN32_SCM_H_
#define QUILLORY_PLATFORM_WIN32_SCM_H_

#include <windows.h>

#include "platform/service_control.h"

namespace platform {

// Owns one service control manager or service handle (may be null).
class TScHandle {
 public:
  explicit TScHandle(SC_HANDLE AHandle) : FHandle(AHandle) {}
  ~TScHandle() {
    if (FHandle) CloseServiceHandle(FHandle);
  }
  TScHandle(const TScHandle&) = delete;
  TScHandle& operator=(const TScHandle&) = delete;
  SC_HANDLE Get() const { return FHandle; }

 private:
  SC_HANDLE FHandle;
};

inline SERVICE_STATUS ToWindows(const TServiceStatus& AStatus) {
  SERVICE_STATUS status{};
  status.dwServiceType = AStatus.ServiceType;
  status.dwCurrentState = static_cast<DWORD>(AStatus.CurrentState);
  status.dwControlsAccepted = AStatus.ControlsAccepted;
  status.dwWin32ExitCode = AStatus.Win32ExitCode;
  status.dwServiceSpecificExitCode = AStatus.ServiceSpecificExitCode;
  status.dwCheckPoint = AStatus.CheckPoint;
  status.dwWaitHint = AStatus.WaitHint;
  return status;
}

inline TServiceStatus FromWindows(const SERVICE_STATUS& AStatus) {
  TServiceStatus status;
  status.ServiceType = AStatus.dwServiceType;
  status.CurrentState = static_cast<TServiceState>(AStatus.dwCurrentState);
  status.ControlsAccepted = AStatus.dwControlsAccepted;
  status.Win32ExitCode = AStatus.dwWin32ExitCode;
  status.ServiceSpecificExitCode = AStatus.dwServiceSpecificExitCode;
  status.CheckPoint = AStatus.dwCheckPoint;
  status.WaitHint = AStatus.dwWaitHint;
  return status;
}

}  // namespace platform

#endif  // QUILLORY_PLATFORM_WIN32_SCM_H_
