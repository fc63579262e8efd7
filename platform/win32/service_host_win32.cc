// The Windows service hosts.
//
// The service control manager host: the main thread keeps a hidden
// application window with a message loop (the window swallows WM_ENDSESSION,
// so a user's logoff does not end the service process) while a dispatcher
// thread sits in StartServiceCtrlDispatcherW; the dispatcher thread posts the
// quit message to the window when that call returns.
//
// The console host: the service runs on the calling thread of a console
// program; Ctrl+C, Ctrl+Break and closing the console ask it to stop; the
// states are printed to standard error.
//
// The system calls the service-main function and the control handler
// through plain functions with the WINAPI convention; they reach the one
// host of the process through the pointers below.
#include <windows.h>

#include <atomic>
#include <cstdio>

#include "platform/service_control.h"
#include "platform/system_error.h"
#include "platform/thread.h"
#include "platform/win32/wide.h"

namespace platform {

namespace {

std::atomic<TServiceMain*> gServiceMain{nullptr};
std::atomic<TControlHandler> gControlHandler{nullptr};

void WINAPI ServiceMainEntry(DWORD AArgc, LPWSTR* AArgv) {
  std::vector<std::string> args;
  for (DWORD i = 0; i < AArgc; ++i) args.push_back(win32::ToUtf8(AArgv[i]));
  if (TServiceMain* main = gServiceMain.load()) (*main)(args);
}

void WINAPI ControlHandlerEntry(DWORD ACode) {
  if (TControlHandler handler = gControlHandler.load()) handler(ACode);
}

BOOL WINAPI ConsoleCtrlEntry(DWORD AEvent) {
  if (AEvent != CTRL_C_EVENT && AEvent != CTRL_BREAK_EVENT && AEvent != CTRL_CLOSE_EVENT) {
    return FALSE;
  }
  if (TControlHandler handler = gControlHandler.load()) handler(kControlStop);
  return TRUE;
}

LRESULT CALLBACK ApplicationWindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam,
                                       LPARAM ALParam) {
  if (AMessage == WM_ENDSESSION) return 0;  // a logoff must not end the service
  return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
}

// The hidden application window; RAII for the window and its class.
class TApplicationWindow {
 public:
  TApplicationWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &ApplicationWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    FClass = RegisterClassW(&windowClass);
    FWindow = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
  }
  ~TApplicationWindow() {
    if (FWindow != nullptr) DestroyWindow(FWindow);
    if (FClass != 0) UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
  }
  TApplicationWindow(const TApplicationWindow&) = delete;
  TApplicationWindow& operator=(const TApplicationWindow&) = delete;

  HWND Handle() const { return FWindow; }

 private:
  static constexpr const wchar_t* kClassName = L"QuilloryServiceApplication";
  ATOM FClass = 0;
  HWND FWindow = nullptr;
};

SERVICE_STATUS ToWindows(const TServiceStatus& AStatus) {
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

class TScmHost : public TServiceHost {
 public:
  uint32_t RunDispatcher(const std::string& AName, TServiceMain AServiceMain) override {
    gServiceMain = &AServiceMain;
    TApplicationWindow window;
    const DWORD mainThread = GetCurrentThreadId();
    std::wstring name = win32::ToWide(AName);
    SERVICE_TABLE_ENTRYW table[] = {{name.data(), &ServiceMainEntry}, {nullptr, nullptr}};
    DWORD result = 0;
    {
      TThread dispatcher(
          [&] {
            if (!StartServiceCtrlDispatcherW(table)) result = GetLastError();
            if (window.Handle() == nullptr || !PostMessageW(window.Handle(), WM_QUIT, 0, 0)) {
              PostThreadMessageW(mainThread, WM_QUIT, 0, 0);
            }
          },
          64 * 1024);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    gServiceMain = nullptr;
    return result;
  }

  void RegisterControlHandler(const std::string& AName, TControlHandler AHandler) override {
    gControlHandler = AHandler;
    FStatusHandle = RegisterServiceCtrlHandlerW(win32::ToWide(AName).c_str(), &ControlHandlerEntry);
    if (FStatusHandle == nullptr) throw ESystemError(GetLastError());
  }

  void SetStatus(const TServiceStatus& AStatus) override {
    SERVICE_STATUS status = ToWindows(AStatus);
    if (!SetServiceStatus(FStatusHandle, &status)) throw ESystemError(GetLastError());
  }

 private:
  SERVICE_STATUS_HANDLE FStatusHandle = nullptr;
};

const char* StateName(TServiceState AState) {
  static const char* const kNames[] = {"stopped", "start pending",    "stop pending",
                                       "running", "continue pending", "pause pending",
                                       "paused"};
  const auto index = static_cast<std::size_t>(AState) - 1;
  return index < 7 ? kNames[index] : "unknown";
}

class TConsoleHost : public TServiceHost {
 public:
  uint32_t RunDispatcher(const std::string& AName, TServiceMain AServiceMain) override {
    FName = AName;
    SetConsoleCtrlHandler(&ConsoleCtrlEntry, TRUE);
    AServiceMain({AName});
    SetConsoleCtrlHandler(&ConsoleCtrlEntry, FALSE);
    gControlHandler = nullptr;
    return 0;
  }

  void RegisterControlHandler(const std::string&, TControlHandler AHandler) override {
    gControlHandler = AHandler;
  }

  void SetStatus(const TServiceStatus& AStatus) override {
    std::fprintf(stderr, "%s: %s\n", FName.c_str(), StateName(AStatus.CurrentState));
    std::fflush(stderr);
  }

 private:
  std::string FName;
};

}  // namespace

std::unique_ptr<TServiceHost> MakeServiceHost(THostKind AKind) {
  if (AKind == THostKind::Console) return std::make_unique<TConsoleHost>();
  return std::make_unique<TScmHost>();
}

}  // namespace platform
