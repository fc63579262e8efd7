// The control queue of a thread: a deque of codes under a mutex.
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/thread_queue.h"

namespace platform {

struct TThreadQueue::TImpl {
  std::mutex Lock;
  std::condition_variable Posted;
  std::deque<uint32_t> Codes;
};

TThreadQueue::TThreadQueue() : FImpl(std::make_unique<TImpl>()) {}

TThreadQueue::~TThreadQueue() = default;

bool TThreadQueue::Post(uint32_t ACode) {
  {
    std::lock_guard<std::mutex> lock(FImpl->Lock);
    FImpl->Codes.push_back(ACode);
  }
  FImpl->Posted.notify_one();
  return true;
}

std::optional<uint32_t> TThreadQueue::Take(bool AWait) {
  std::unique_lock<std::mutex> lock(FImpl->Lock);
  if (AWait) FImpl->Posted.wait(lock, [this] { return !FImpl->Codes.empty(); });
  if (FImpl->Codes.empty()) return std::nullopt;
  uint32_t code = FImpl->Codes.front();
  FImpl->Codes.pop_front();
  return code;
}

void TThreadQueue::Park() {
  std::unique_lock<std::mutex> lock(FImpl->Lock);
  FImpl->Posted.wait(lock, [this] { return !FImpl->Codes.empty(); });
}

}  // namespace platform
