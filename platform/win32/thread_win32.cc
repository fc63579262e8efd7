#include <windows.h>

#include <system_error>

#include "platform/thread.h"

namespace platform {

struct TThread::TImpl {
  std::function<void()> Body;
  HANDLE Handle = nullptr;
};

namespace {

DWORD WINAPI ThreadEntry(LPVOID AImpl) {
  static_cast<TThread::TImpl*>(AImpl)->Body();
  return 0;
}

}  // namespace

TThread::TThread(std::function<void()> ABody, std::size_t AStackBytes, TThreadPriority APriority)
    : FImpl(std::make_unique<TImpl>()) {
  FImpl->Body = std::move(ABody);
  // The size is the reservation of address space, not committed memory.
  FImpl->Handle = CreateThread(nullptr, AStackBytes, &ThreadEntry, FImpl.get(),
                               STACK_SIZE_PARAM_IS_A_RESERVATION | CREATE_SUSPENDED, nullptr);
  if (FImpl->Handle == nullptr) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "CreateThread");
  }
  if (APriority == TThreadPriority::Highest)
    SetThreadPriority(FImpl->Handle, THREAD_PRIORITY_HIGHEST);
  ResumeThread(FImpl->Handle);
}

TThread::~TThread() {
  Join();
}

namespace {

DWORD WINAPI DetachedEntry(LPVOID ABody) {
  std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(ABody));
  (*body)();
  return 0;
}

}  // namespace

void StartDetachedThread(std::function<void()> ABody, std::size_t AStackBytes) {
  auto body = std::make_unique<std::function<void()>>(std::move(ABody));
  HANDLE handle = CreateThread(nullptr, AStackBytes, &DetachedEntry, body.get(),
                               STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (handle == nullptr) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "CreateThread");
  }
  body.release();  // owned by the thread now
  CloseHandle(handle);
}

void TThread::Join() {
  if (FImpl->Handle == nullptr) return;
  WaitForSingleObject(FImpl->Handle, INFINITE);
  CloseHandle(FImpl->Handle);
  FImpl->Handle = nullptr;
}

}  // namespace platform
