// A mutex and its scoped lock that Clang's thread-safety analysis understands: data
// marked TESSARA_GUARDED_BY(m) may be touched only while m is held, and a clang build
// with -Wthread-safety (make thread-safety) reports any place that does otherwise.
// Other compilers see plain std::mutex semantics and no attributes.
#pragma once

#include <mutex>

#if defined(__clang__)
#define TESSARA_THREAD_ANNOTATION(x) __attribute__((x))
#else
#define TESSARA_THREAD_ANNOTATION(x)
#endif

#define TESSARA_CAPABILITY(x) TESSARA_THREAD_ANNOTATION(capability(x))
#define TESSARA_SCOPED_CAPABILITY TESSARA_THREAD_ANNOTATION(scoped_lockable)
#define TESSARA_GUARDED_BY(x) TESSARA_THREAD_ANNOTATION(guarded_by(x))
#define TESSARA_REQUIRES(...) TESSARA_THREAD_ANNOTATION(requires_capability(__VA_ARGS__))
#define TESSARA_ACQUIRE(...) TESSARA_THREAD_ANNOTATION(acquire_capability(__VA_ARGS__))
#define TESSARA_RELEASE(...) TESSARA_THREAD_ANNOTATION(release_capability(__VA_ARGS__))

namespace tessara {

class TESSARA_CAPABILITY("mutex") Mutex {
 public:
  void lock() TESSARA_ACQUIRE() { mutex_.lock(); }
  void unlock() TESSARA_RELEASE() { mutex_.unlock(); }

 private:
  std::mutex mutex_;
};

// Holds mutex from construction to destruction, or to unlock(); lock() takes it again.
// A std::condition_variable_any waits on it (releasing and retaking it meanwhile).
class TESSARA_SCOPED_CAPABILITY MutexLock {
 public:
  explicit MutexLock(Mutex& mutex) TESSARA_ACQUIRE(mutex) : mutex_(mutex) { mutex_.lock(); }
  ~MutexLock() TESSARA_RELEASE() {
    if (held_) mutex_.unlock();
  }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;

  void lock() TESSARA_ACQUIRE() {
    mutex_.lock();
    held_ = true;
  }
  void unlock() TESSARA_RELEASE() {
    mutex_.unlock();
    held_ = false;
  }

 private:
  Mutex& mutex_;
  bool held_ = true;
};

}  // namespace tessara
