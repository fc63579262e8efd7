// ServiceStopper NAME: stops the service NAME and returns once the service
// has stopped and its process has ended (at most 60 s in all). The package
// runs it from its Binary table before StopServices, so the files that come
// next are no longer in use: Wine's StopServices sends the stop request
// without waiting for it, and a Service.exe still running is left behind by
// RemoveFiles (and cannot be replaced by InstallFiles).
//
// Exit code 0 when the service is stopped (or does not exist), 1 when it is
// still running after the time limit, 2 on a usage error. The package
// ignores the result: it only buys time.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr DWORD kTimeLimitMs = 60000;
constexpr DWORD kPollMs = 50;

// Owns one service control manager or service handle (may be null).
class TScHandle {
 public:
  explicit TScHandle(SC_HANDLE AHandle) : FHandle(AHandle) {}
  ~TScHandle() {
    if (FHandle != nullptr) CloseServiceHandle(FHandle);
  }
  TScHandle(const TScHandle&) = delete;
  TScHandle& operator=(const TScHandle&) = delete;
  SC_HANDLE Get() const { return FHandle; }

 private:
  SC_HANDLE FHandle;
};

bool QueryStatus(SC_HANDLE AService, SERVICE_STATUS_PROCESS& AStatus) {
  DWORD needed = 0;
  return QueryServiceStatusEx(AService, SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&AStatus),
                              sizeof(AStatus), &needed) != 0;
}

int StopAndWait(const wchar_t* AName) {
  const ULONGLONG deadline = GetTickCount64() + kTimeLimitMs;
  TScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (manager.Get() == nullptr) return 1;
  TScHandle service(OpenServiceW(manager.Get(), AName, SERVICE_STOP | SERVICE_QUERY_STATUS));
  if (service.Get() == nullptr) return GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST ? 0 : 1;

  SERVICE_STATUS_PROCESS status{};
  if (!QueryStatus(service.Get(), status)) return 1;
  // Opened before the stop, so the wait below still has it once it ends.
  HANDLE process =
      status.dwProcessId != 0 ? OpenProcess(SYNCHRONIZE, FALSE, status.dwProcessId) : nullptr;
  // A start or stop already under way is waited out; a stop is sent as soon
  // as the service accepts one.
  bool sent = false;
  while (status.dwCurrentState != SERVICE_STOPPED && GetTickCount64() < deadline) {
    if (!sent && (status.dwControlsAccepted & SERVICE_ACCEPT_STOP) != 0 &&
        status.dwCurrentState != SERVICE_STOP_PENDING) {
      SERVICE_STATUS ignored{};
      sent = ControlService(service.Get(), SERVICE_CONTROL_STOP, &ignored) != 0;
    }
    Sleep(kPollMs);
    if (!QueryStatus(service.Get(), status)) break;
  }
  if (process != nullptr) {
    const ULONGLONG now = GetTickCount64();
    WaitForSingleObject(process, now < deadline ? static_cast<DWORD>(deadline - now) : 0);
    CloseHandle(process);
  }
  return status.dwCurrentState == SERVICE_STOPPED ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (args == nullptr || count != 2) return 2;
  const int result = StopAndWait(args[1]);
  LocalFree(args);
  return result;
}
