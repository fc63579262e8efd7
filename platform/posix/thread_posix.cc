#include <pthread.h>

#include <cerrno>
#include <system_error>

#include "platform/thread.h"

namespace platform {

struct TThread::TImpl {
  std::function<void()> Body;
  pthread_t Handle{};
  bool Joined = false;
};

namespace {

void* ThreadEntry(void* AImpl) {
  auto* impl = static_cast<TThread::TImpl*>(AImpl);
  impl->Body();
  return nullptr;
}

}  // namespace

TThread::TThread(std::function<void()> ABody, std::size_t AStackBytes, TThreadPriority APriority)
    : FImpl(std::make_unique<TImpl>()) {
  FImpl->Body = std::move(ABody);
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  if (AStackBytes < static_cast<std::size_t>(PTHREAD_STACK_MIN)) AStackBytes = PTHREAD_STACK_MIN;
  pthread_attr_setstacksize(&attr, AStackBytes);
  // Priorities of normal (SCHED_OTHER) threads cannot be raised without
  // privileges on Linux; the accepting threads simply run at normal priority.
  (void)APriority;
  int rc = pthread_create(&FImpl->Handle, &attr, &ThreadEntry, FImpl.get());
  pthread_attr_destroy(&attr);
  if (rc != 0) throw std::system_error(rc, std::generic_category(), "pthread_create");
}

TThread::~TThread() {
  Join();
}

namespace {

void* DetachedEntry(void* ABody) {
  std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(ABody));
  (*body)();
  return nullptr;
}

}  // namespace

void StartDetachedThread(std::function<void()> ABody, std::size_t AStackBytes) {
  auto body = std::make_unique<std::function<void()>>(std::move(ABody));
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  if (AStackBytes < static_cast<std::size_t>(PTHREAD_STACK_MIN)) AStackBytes = PTHREAD_STACK_MIN;
  pthread_attr_setstacksize(&attr, AStackBytes);
  pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
  pthread_t handle;
  int rc = pthread_create(&handle, &attr, &DetachedEntry, body.get());
  pthread_attr_destroy(&attr);
  if (rc != 0) throw std::system_error(rc, std::generic_category(), "pthread_create");
  body.release();  // owned by the thread now
}

void TThread::Join() {
  if (FImpl->Joined) return;
  pthread_join(FImpl->Handle, nullptr);
  FImpl->Joined = true;
}

}  // namespace platform
