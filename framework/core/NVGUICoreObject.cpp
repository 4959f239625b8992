#include "framework/core/NVGUICoreObject.h"

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
  for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) ::operator delete(*it);
}

std::size_t pendingFreeCount() {
  std::lock_guard guard(pendingLock());
  return pendingFrees().size();
}
