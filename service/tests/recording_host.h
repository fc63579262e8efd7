// A recording fake of the service control manager for tests: keeps every
// status report and the registered control handler, and lets a test wait
// for a report.
#ifndef QUILLORY_SERVICE_TESTS_RECORDING_HOST_H_
#define QUILLORY_SERVICE_TESTS_RECORDING_HOST_H_

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "platform/service_control.h"
#include "platform/system_error.h"

namespace service::testing {

class TRecordingHost : public platform::TServiceHost {
 public:
  bool FailRegistration = false;  // RegisterControlHandler throws error 5
  bool FailReports = false;       // SetStatus throws error 6 (and still records)

  uint32_t RunDispatcher(const std::string& AName, platform::TServiceMain AServiceMain) override {
    AServiceMain({AName});
    return 0;
  }

  void RegisterControlHandler(const std::string& AName,
                              platform::TControlHandler AHandler) override {
    if (FailRegistration) throw platform::ESystemError(5);
    std::lock_guard<std::mutex> lock(FLock);
    FName = AName;
    FHandler = AHandler;
  }

  void SetStatus(const platform::TServiceStatus& AStatus) override {
    {
      std::lock_guard<std::mutex> lock(FLock);
      FReports.push_back(AStatus);
    }
    FChanged.notify_all();
    if (FailReports) throw platform::ESystemError(6);
  }

  // Sends ACode as the service control manager would, on the calling thread.
  void Control(uint32_t ACode) {
    platform::TControlHandler handler;
    {
      std::lock_guard<std::mutex> lock(FLock);
      handler = FHandler;
    }
    if (handler != nullptr) handler(ACode);
  }

  // Waits until at least ACount reports have been made; false on time-out.
  bool WaitForReports(std::size_t ACount, int ATimeoutMs = 10000) {
    std::unique_lock<std::mutex> lock(FLock);
    return FChanged.wait_for(lock, std::chrono::milliseconds(ATimeoutMs),
                             [&] { return FReports.size() >= ACount; });
  }

  // Waits until the last report has the state AState; false on time-out.
  bool WaitForState(platform::TServiceState AState, int ATimeoutMs = 10000) {
    std::unique_lock<std::mutex> lock(FLock);
    return FChanged.wait_for(lock, std::chrono::milliseconds(ATimeoutMs), [&] {
      return !FReports.empty() && FReports.back().CurrentState == AState;
    });
  }

  std::vector<platform::TServiceStatus> Reports() {
    std::lock_guard<std::mutex> lock(FLock);
    return FReports;
  }

  std::string RegisteredName() {
    std::lock_guard<std::mutex> lock(FLock);
    return FName;
  }

 private:
  std::mutex FLock;
  std::condition_variable FChanged;
  std::string FName;
  platform::TControlHandler FHandler = nullptr;
  std::vector<platform::TServiceStatus> FReports;
};

// Log entries recorded by a test's service.
class TRecordedLog {
 public:
  void Add(const std::string& AText) {
    std::lock_guard<std::mutex> lock(FLock);
    FEntries.push_back(AText);
  }
  std::vector<std::string> Entries() {
    std::lock_guard<std::mutex> lock(FLock);
    return FEntries;
  }

 private:
  std::mutex FLock;
  std::vector<std::string> FEntries;
};

}  // namespace service::testing

#endif  // QUILLORY_SERVICE_TESTS_RECORDING_HOST_H_
