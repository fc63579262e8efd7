#include <windows.h>

#include <mutex>

#include "platform/event_log.h"
#include "platform/win32/wide.h"

namespace platform {

struct TEventLog::TImpl {
  std::mutex Lock;
  HANDLE Source = nullptr;  // the registered event source, once opened
  ~TImpl() {
    if (Source != nullptr) DeregisterEventSource(Source);
  }
};

TEventLog::TEventLog(std::string ASource)
    : FSource(std::move(ASource)), FImpl(std::make_unique<TImpl>()) {}

TEventLog::~TEventLog() = default;

void TEventLog::ReportError(const std::string& AMessage) {
  std::lock_guard<std::mutex> lock(FImpl->Lock);
  if (FImpl->Source == nullptr) {
    FImpl->Source = RegisterEventSourceW(nullptr, win32::ToWide(FSource).c_str());
    if (FImpl->Source == nullptr) return;
  }
  const std::wstring text = win32::ToWide(AMessage);
  const wchar_t* strings[1] = {text.c_str()};
  ReportEventW(FImpl->Source, EVENTLOG_ERROR_TYPE, 0, 0, nullptr, 1, 0, strings, nullptr);
}

}  // namespace platform
