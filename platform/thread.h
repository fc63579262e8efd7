// Threads with an explicit stack size.
//
// The listener starts one thread per connection; with a thousand idle
// connections the default stack reservation of the platform (8 MiB on Linux)
// would dominate the server's footprint, so every thread states its stack.
//
// Thread safety: a TThread object is owned by one thread; Join() may be called
// from any thread other than the one it represents.
#ifndef QUILLORY_PLATFORM_THREAD_H_
#define QUILLORY_PLATFORM_THREAD_H_

#include <cstddef>
#include <functional>
#include <memory>

namespace platform {

enum class TThreadPriority { Normal, Highest };

class TThread {
 public:
  // Starts ABody on a new thread with a stack of AStackBytes (rounded up by the
  // platform as it requires). Throws std::system_error when the thread cannot
  // be created; nothing is started then.
  TThread(std::function<void()> ABody, std::size_t AStackBytes,
          TThreadPriority APriority = TThreadPriority::Normal);
  // Joins the thread if Join() was not called (never detaches).
  ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  // Waits until the body has returned. Idempotent.
  void Join();

  struct TImpl;  // platform state; public only for the entry trampoline

 private:
  std::unique_ptr<TImpl> FImpl;
};

// Starts ABody on a detached thread with a stack of AStackBytes: nobody joins
// it; it ends when ABody returns and frees what it owns itself. Throws
// std::system_error when the thread cannot be created (ABody is then
// destroyed without running).
void StartDetachedThread(std::function<void()> ABody, std::size_t AStackBytes);

}  // namespace platform

#endif  // QUILLORY_PLATFORM_THREAD_H_
