#include "framework/core/NVGUICoreObject.h"

#include <atomic>
#include <mutex>
#include <new>
#include <vector>

#include "platform/runtime/RankedMutex.h"

namespace {

// Deletions happen on the main thread, but a modal view's engine may tear
// down objects while the window thread reads; a small lock keeps the list
// itself consistent whoever appends.
nvrt::RankedMutex& pendingLock() {
  static nvrt::RankedMutex lock{nvrt::LockRank::pendingFrees, "pendingLock"};
  return lock;
}

std::vector<void*>& pendingFrees() {
  static std::vector<void*> list;
  return list;
}

std::atomic<void (*)(void*)> releaseObserver{nullptr};

}  // namespace

void* NVGUICoreObject::operator new(std::size_t size) { return ::operator new(size); }

void NVGUICoreObject::operator delete(void* block) noexcept {
  if (block) deferDelete(block);
}

void deferDelete(void* block) {
  std::lock_guard guard(pendingLock());
  pendingFrees().push_back(block);
}

void freeDeferred() {
  std::vector<void*> blocks;
  {
    std::lock_guard guard(pendingLock());
    blocks.swap(pendingFrees());
  }
  void (*observer)(void*) = releaseObserver.load();
  for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) {
    if (observer) observer(*it);
    ::operator delete(*it);
  }
}

void setReleaseObserver(void (*observer)(void* block)) { releaseObserver = observer; }

std::size_t pendingFreeCount() {
  std::lock_guard guard(pendingLock());
  return pendingFrees().size();
}
