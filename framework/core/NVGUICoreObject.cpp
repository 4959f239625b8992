#include "framework/core/NVGUICoreObject.h"

#include <mutex>
#include <new>
#include <vector>

namespace {

// Deletions happen on the main thread, but a modal view's engine may tear
// down objects while the window thread reads; a small lock keeps the list
// itself consistent whoever appends.
std::mutex& pendingLock() {
  static std::mutex lock;
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
  std::lock_guard<std::mutex> guard(pendingLock());
  pendingFrees().push_back(block);
}

void freeDeferred() {
  std::vector<void*> blocks;
  {
    std::lock_guard<std::mutex> guard(pendingLock());
    blocks.swap(pendingFrees());
  }
  for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) ::operator delete(*it);
}

std::size_t pendingFreeCount() {
  std::lock_guard<std::mutex> guard(pendingLock());
  return pendingFrees().size();
}
