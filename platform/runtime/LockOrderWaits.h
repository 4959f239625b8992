// Waits for another thread must not happen while the caller holds a lock
// that thread may need. With BRISEL_LOCK_ORDER defined, a wait site names the
// lock it must not be holding and aborts, naming both, when it is.
#pragma once

#include "platform/runtime/RankedMutex.h"

namespace nvrt {

namespace lockorder {
void mustNotHold(const void* mutex, const char* name, const char* wait);
}  // namespace lockorder

template <class Mutex>
void mustNotHoldWhileWaiting([[maybe_unused]] const Mutex& lock, [[maybe_unused]] const char* wait) {
#ifdef BRISEL_LOCK_ORDER
  lockorder::mustNotHold(&lock, lock.name(), wait);
#endif
}

}  // namespace nvrt
