// Mutexes that know their place in the one lock order of the program (see
// docs/threads.md). With BRISEL_LOCK_ORDER defined (sanitizer builds and the
// builds the tests run in) every lock() checks that the calling thread holds
// no lock of the same or a higher rank, other than this one itself for a
// recursive mutex, and aborts naming both locks otherwise; a release build
// compiles the checks away and the wrapper is the plain mutex.
#pragma once

#include <mutex>

namespace nvrt {

// The locks of the program, in the one order in which they may be taken: a
// thread may take a lock only while every lock it holds comes earlier in
// this list. What each guards is in docs/threads.md.
enum class LockRank : int {
  engine,        // engineLock: the framework's engine state
  pendingFrees,  // deferred frees
  targetLookup,  // the window procedure's target table
  sdlOpen,       // opening the SDL session
  sdlSession,    // the SDL display thread's command slot
  sdlWake,       // pushing a wake-up against destroying an SDL window
  display,       // the chosen display driver
  nullDisplay,   // what the null display was told
  host,          // hostMutex: windows, queues, input tables
  dcState,       // device-context drawing state
  gdiObjects,    // the gdi object table
  surfaces,      // top-level surfaces
  fonts,         // the font library
  globalMemory,  // global memory blocks
};

namespace lockorder {
// Called around the base mutex's operations; only with BRISEL_LOCK_ORDER.
void willLock(const void* mutex, LockRank rank, const char* name, bool recursive);
void locked(const void* mutex, LockRank rank, const char* name);
void unlocked(const void* mutex);
}  // namespace lockorder

template <class Base, bool Recursive>
class RankedMutexOf {
 public:
  RankedMutexOf(LockRank rank, const char* name) : rank_(rank), name_(name) {}
  RankedMutexOf(const RankedMutexOf&) = delete;
  RankedMutexOf& operator=(const RankedMutexOf&) = delete;

  void lock() {
#ifdef BRISEL_LOCK_ORDER
    lockorder::willLock(this, rank_, name_, Recursive);
#endif
    base_.lock();
#ifdef BRISEL_LOCK_ORDER
    lockorder::locked(this, rank_, name_);
#endif
  }
  // A try cannot deadlock, so it is not checked, only recorded.
  bool try_lock() {
    if (!base_.try_lock()) return false;
#ifdef BRISEL_LOCK_ORDER
    lockorder::locked(this, rank_, name_);
#endif
    return true;
  }
  void unlock() {
#ifdef BRISEL_LOCK_ORDER
    lockorder::unlocked(this);
#endif
    base_.unlock();
  }
  const char* name() const { return name_; }

 private:
  Base base_;
  LockRank rank_;
  const char* name_;
};

using RankedMutex = RankedMutexOf<std::mutex, false>;
using RankedRecursiveMutex = RankedMutexOf<std::recursive_mutex, true>;

}  // namespace nvrt
