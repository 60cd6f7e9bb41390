#pragma once
// A lock for std::lock_guard. The i686 mingw-w64 compiler Debian installs by
// default uses the win32 thread model, whose C++ library has no std::mutex:
// there a slim reader/writer lock (Windows Vista and later) stands in.
#ifdef _WIN32
#include <windows.h>
#else
#include <mutex>
#endif

class Exclusive {
 public:
  Exclusive() = default;
  Exclusive(const Exclusive&) = delete;
  Exclusive& operator=(const Exclusive&) = delete;
#ifdef _WIN32
  void lock() { AcquireSRWLockExclusive(&lock_); }
  void unlock() { ReleaseSRWLockExclusive(&lock_); }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
#else
  void lock() { mutex_.lock(); }
  void unlock() { mutex_.unlock(); }

 private:
  std::mutex mutex_;
#endif
};
