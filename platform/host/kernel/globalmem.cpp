// Global memory blocks, as the clipboard passes them.
//  [x] GlobalAlloc (fixed and movable, zero-filled on request), GlobalLock,
//      GlobalUnlock, GlobalSize, GlobalFree; unknown handles are refused
//  [ ] GlobalReAlloc, discardable blocks
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "platform/runtime/RankedMutex.h"

#include "platform/win32.h"

namespace {

struct Block {
  std::unique_ptr<char[]> data;
  SIZE_T size = 0;
  int locks = 0;
};

// Its own lock, never held together with the host's.
nvrt::RankedMutex& blockMutex() {
  static auto* mutex = new nvrt::RankedMutex(nvrt::LockRank::globalMemory, "blockMutex");
  return *mutex;
}

std::map<HGLOBAL, Block>& blocks() {
  static auto* table = new std::map<HGLOBAL, Block>;
  return *table;
}

Block* findBlock(HGLOBAL memory) {
  auto it = blocks().find(memory);
  if (it == blocks().end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return &it->second;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  static std::uintptr_t nextToken = 0x40010;
  Block block;
  block.size = bytes;
  // One spare byte so that a zero-sized block still has an address.
  block.data.reset(new (std::nothrow) char[bytes + 1]);
  if (!block.data) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (flags & GMEM_ZEROINIT) std::memset(block.data.get(), 0, bytes + 1);
  std::lock_guard lock(blockMutex());
  HGLOBAL handle = block.data.get();
  if (flags & GMEM_MOVEABLE) {
    handle = reinterpret_cast<HGLOBAL>(nextToken);
    nextToken += 8;
  }
  blocks()[handle] = std::move(block);
  return handle;
}

LPVOID GlobalLock(HGLOBAL memory) {
  std::lock_guard lock(blockMutex());
  Block* b = findBlock(memory);
  if (b == nullptr) return nullptr;
  ++b->locks;
  return b->data.get();
}

BOOL GlobalUnlock(HGLOBAL memory) {
  std::lock_guard lock(blockMutex());
  Block* b = findBlock(memory);
  if (b == nullptr || b->locks == 0) return FALSE;
  --b->locks;
  if (b->locks == 0) SetLastError(ERROR_SUCCESS);
  return b->locks > 0;
}

SIZE_T GlobalSize(HGLOBAL memory) {
  std::lock_guard lock(blockMutex());
  Block* b = findBlock(memory);
  return b ? b->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  if (memory == nullptr) return nullptr;
  std::lock_guard lock(blockMutex());
  if (findBlock(memory) == nullptr) return memory;
  blocks().erase(memory);
  return nullptr;
}
