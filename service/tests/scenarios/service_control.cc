// service_control NAME pause|continue|interrogate: sends one control request
// through the service control manager (ControlService) and prints the state
// the service reported. Wine's sc.exe has no pause and continue; the Wine
// scenarios use this instead. Exit code 0, or the system's error code.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fwprintf(stderr, L"usage: service_control NAME pause|continue|interrogate\n");
    return 2;
  }
  DWORD code = 0;
  if (std::wcscmp(argv[2], L"pause") == 0) code = SERVICE_CONTROL_PAUSE;
  if (std::wcscmp(argv[2], L"continue") == 0) code = SERVICE_CONTROL_CONTINUE;
  if (std::wcscmp(argv[2], L"interrogate") == 0) code = SERVICE_CONTROL_INTERROGATE;
  if (code == 0) return 2;
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
  if (manager == nullptr) return static_cast<int>(GetLastError());
  SC_HANDLE service = OpenServiceW(
      manager, argv[1], SERVICE_PAUSE_CONTINUE | SERVICE_INTERROGATE | SERVICE_QUERY_STATUS);
  DWORD error = 0;
  SERVICE_STATUS status{};
  if (service == nullptr || !ControlService(service, code, &status)) {
    error = GetLastError();
  } else {
    std::printf("STATE %lu\n", static_cast<unsigned long>(status.dwCurrentState));
  }
  if (service != nullptr) CloseServiceHandle(service);
  CloseServiceHandle(manager);
  return static_cast<int>(error);
}
