// The queue of control requests of one thread: other threads post control
// codes, the owning thread takes them one after another.
//
// On Windows this is the thread's own message queue (thread message
// WM_USER + 1, the code as its first parameter); other messages that reach
// the queue are dispatched as usual while waiting. Elsewhere it is a plain
// queue of codes.
//
// Thread safety: construct, Take, Wait and Park on the owning thread only;
// Post from any thread while the object exists.
#ifndef QUILLORY_PLATFORM_THREAD_QUEUE_H_
#define QUILLORY_PLATFORM_THREAD_QUEUE_H_

#include <cstdint>
#include <memory>
#include <optional>

namespace platform {

class TThreadQueue {
 public:
  // Creates the calling thread's queue; from now on Post reaches it.
  TThreadQueue();
  ~TThreadQueue();
  TThreadQueue(const TThreadQueue&) = delete;
  TThreadQueue& operator=(const TThreadQueue&) = delete;

  // Appends ACode. Returns false when the system refused it (the owning
  // thread has ended or its queue is full).
  bool Post(uint32_t ACode);

  // The next code, waiting as long as it takes when AWait; with !AWait
  // nullopt when none is queued.
  std::optional<uint32_t> Take(bool AWait);

  // Blocks until at least one code is queued (on Windows: any message),
  // without taking it; returns at once when one already is. A code posted at
  // any time after the last Take ends the wait, so a wake-up cannot be lost.
  void Park();

  struct TImpl;

 private:
  std::unique_ptr<TImpl> FImpl;
};

}  // namespace platform

#endif  // QUILLORY_PLATFORM_THREAD_QUEUE_H_
