#include <windows.h>

#include <stdexcept>

#include "platform/service_control.h"
#include "platform/system_error.h"
#include "platform/win32/wide.h"

namespace platform {

namespace {

// Closes a service control manager or service handle.
class TScHandle {
 public:
  explicit TScHandle(SC_HANDLE AHandle) : FHandle(AHandle) {
    if (FHandle == nullptr) throw ESystemError(GetLastError());
  }
  ~TScHandle() { CloseServiceHandle(FHandle); }
  TScHandle(const TScHandle&) = delete;
  TScHandle& operator=(const TScHandle&) = delete;
  SC_HANDLE Get() const { return FHandle; }

 private:
  SC_HANDLE FHandle;
};

}  // namespace

struct TServiceManager::TImpl {
  TScHandle Manager{OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)};
};

TServiceManager::TServiceManager() : FImpl(std::make_unique<TImpl>()) {}

TServiceManager::~TServiceManager() = default;

void TServiceManager::Install(const TServiceEntry& AEntry) {
  std::wstring command = win32::ToWide(AEntry.ExecutablePath);
  if (command.find(L' ') != std::wstring::npos) command = L"\"" + command + L"\"";
  TScHandle service(CreateServiceW(FImpl->Manager.Get(), win32::ToWide(AEntry.Name).c_str(),
                                   win32::ToWide(AEntry.DisplayName).c_str(), SERVICE_ALL_ACCESS,
                                   SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START,
                                   SERVICE_ERROR_NORMAL, command.c_str(), L"", nullptr,
                                   nullptr /* no dependencies */, nullptr /* LocalSystem */, L""));
}

void TServiceManager::Remove(const std::string& AName) {
  TScHandle service(
      OpenServiceW(FImpl->Manager.Get(), win32::ToWide(AName).c_str(), SERVICE_ALL_ACCESS));
  if (!DeleteService(service.Get())) throw ESystemError(GetLastError());
}

bool ApplyUnitDirSwitch(std::vector<std::string>& AArgs) {
  for (const std::string& arg : AArgs) {
    if (arg.size() == 8 && (arg[0] == '-' || arg[0] == '/') &&
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, arg.c_str() + 1, 7, "unitdir", 7) ==
            CSTR_EQUAL) {
      throw std::invalid_argument("Der Schalter \"-unitdir\" gilt nur unter Linux.");
    }
  }
  return false;
}

}  // namespace platform
