// The service control manager of Windows, client side.
#include <windows.h>

#include "platform/service_client.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

// Owns one SC_HANDLE (manager or service).
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

TServiceStatus FromSystem(const SERVICE_STATUS& AStatus) {
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

class TWin32Service final : public TServiceHandle {
 public:
  explicit TWin32Service(SC_HANDLE AHandle) : FHandle(AHandle) {}

  std::optional<TServiceStatus> Query() override {
    SERVICE_STATUS status{};
    if (!QueryServiceStatus(FHandle.Get(), &status)) return std::nullopt;
    return FromSystem(status);
  }

  bool Start() override { return StartServiceW(FHandle.Get(), 0, nullptr) != FALSE; }

  std::optional<TServiceStatus> Stop(bool& ASucceeded) override {
    SERVICE_STATUS status{};
    ASucceeded = ControlService(FHandle.Get(), SERVICE_CONTROL_STOP, &status) != FALSE;
    if (ASucceeded) return FromSystem(status);
    // The manager fills the status with a refusal only for these reasons.
    switch (GetLastError()) {
      case ERROR_INVALID_SERVICE_CONTROL:
      case ERROR_SERVICE_CANNOT_ACCEPT_CTRL:
      case ERROR_SERVICE_NOT_ACTIVE:
        return FromSystem(status);
      default:
        return std::nullopt;
    }
  }

 private:
  TScHandle FHandle;
};

class TWin32ManagerConnection final : public TServiceManagerConnection {
 public:
  explicit TWin32ManagerConnection(SC_HANDLE AHandle) : FHandle(AHandle) {}

  std::unique_ptr<TServiceHandle> Open(const std::string& AName, uint32_t AAccess) override {
    SC_HANDLE service = OpenServiceW(FHandle.Get(), win32::ToWide(AName).c_str(), AAccess);
    if (!service) return nullptr;
    return std::make_unique<TWin32Service>(service);
  }

 private:
  TScHandle FHandle;
};

class TWin32ServiceManager final : public TServiceControlManager {
 public:
  std::unique_ptr<TServiceManagerConnection> Connect() override {
    SC_HANDLE manager = OpenSCManagerW(nullptr, SERVICES_ACTIVE_DATABASEW, SC_MANAGER_CONNECT);
    if (!manager) return nullptr;
    return std::make_unique<TWin32ManagerConnection>(manager);
  }
};

}  // namespace

TServiceControlManager& SystemServiceControlManager() {
  static TWin32ServiceManager manager;
  return manager;
}

}  // namespace platform
