// A mutex, its scoped lock and a condition variable, annotated so that
// clang's -Wthread-safety checks the lock rules at compile time: a field
// declared GUARDED_BY(FLock) may only be touched while FLock is held, a
// function declared REQUIRES(FLock) only be called with it held.
//
// The annotations expand to nothing on compilers without the analysis.
//
// Thread safety: TMutex and TCondVar may be used from any thread; a TMutexLock
// belongs to the thread that made it.
#ifndef QUILLORY_PLATFORM_MUTEX_H_
#define QUILLORY_PLATFORM_MUTEX_H_

#include <chrono>
#include <condition_variable>
#include <mutex>

#if defined(__clang__)
#define QUILLORY_THREAD_ANNOTATION(x) __attribute__((x))
#else
#define QUILLORY_THREAD_ANNOTATION(x)
#endif

#define CAPABILITY(x) QUILLORY_THREAD_ANNOTATION(capability(x))
#define SCOPED_CAPABILITY QUILLORY_THREAD_ANNOTATION(scoped_lockable)
#define GUARDED_BY(x) QUILLORY_THREAD_ANNOTATION(guarded_by(x))
#define PT_GUARDED_BY(x) QUILLORY_THREAD_ANNOTATION(pt_guarded_by(x))
#define REQUIRES(...) QUILLORY_THREAD_ANNOTATION(requires_capability(__VA_ARGS__))
#define EXCLUDES(...) QUILLORY_THREAD_ANNOTATION(locks_excluded(__VA_ARGS__))
#define ACQUIRE(...) QUILLORY_THREAD_ANNOTATION(acquire_capability(__VA_ARGS__))
#define RELEASE(...) QUILLORY_THREAD_ANNOTATION(release_capability(__VA_ARGS__))
#define NO_THREAD_SAFETY_ANALYSIS QUILLORY_THREAD_ANNOTATION(no_thread_safety_analysis)

namespace platform {

class CAPABILITY("mutex") TMutex {
 public:
  TMutex() = default;
  TMutex(const TMutex&) = delete;
  TMutex& operator=(const TMutex&) = delete;

  void Lock() ACQUIRE() { FMutex.lock(); }
  void Unlock() RELEASE() { FMutex.unlock(); }

 private:
  friend class TCondVar;
  std::mutex FMutex;
};

// Holds AMutex from construction to the end of the scope.
class SCOPED_CAPABILITY TMutexLock {
 public:
  explicit TMutexLock(TMutex& AMutex) ACQUIRE(AMutex) : FMutex(AMutex) { FMutex.Lock(); }
  ~TMutexLock() RELEASE() { FMutex.Unlock(); }
  TMutexLock(const TMutexLock&) = delete;
  TMutexLock& operator=(const TMutexLock&) = delete;

 private:
  TMutex& FMutex;
};

// Waits for a change made under a mutex. Waits may wake without a notify:
// callers test their condition in a loop.
class TCondVar {
 public:
  TCondVar() = default;
  TCondVar(const TCondVar&) = delete;
  TCondVar& operator=(const TCondVar&) = delete;

  // Releases AMutex while waiting, at most ATimeout, and holds it again when
  // it returns. Every wait on one condition variable uses the same mutex.
  template <typename Rep, typename Period>
  void WaitFor(TMutex& AMutex, std::chrono::duration<Rep, Period> ATimeout) REQUIRES(AMutex) {
    std::unique_lock<std::mutex> lock(AMutex.FMutex, std::adopt_lock);
    FCondition.wait_for(lock, ATimeout);
    lock.release();  // held again; the caller's lock releases it
  }
  // Releases AMutex while waiting, and holds it again when it returns.
  void Wait(TMutex& AMutex) REQUIRES(AMutex) {
    std::unique_lock<std::mutex> lock(AMutex.FMutex, std::adopt_lock);
    FCondition.wait(lock);
    lock.release();
  }
  void NotifyAll() { FCondition.notify_all(); }

 private:
  std::condition_variable FCondition;
};

}  // namespace platform

#endif  // QUILLORY_PLATFORM_MUTEX_H_
