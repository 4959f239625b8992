#include "platform/runtime/RankedMutex.h"

#include "platform/runtime/LockOrderWaits.h"

#include <cstdio>
#include <cstdlib>

namespace nvrt::lockorder {

namespace {

struct Held {
  const void* mutex;
  LockRank rank;
  const char* name;
};

// The locks this thread holds, in the order taken (a recursive mutex once
// per hold). Plain arrays, so that nothing is destroyed before the last lock
// of an ending thread or process is released.
constexpr int kMostHeld = 64;
thread_local Held held[kMostHeld];
thread_local int heldCount = 0;

[[noreturn]] void violated(const char* taking, LockRank rank, const Held& holding) {
  std::fprintf(stderr, "lock order violated: taking \"%s\" (rank %d) while holding \"%s\" (rank %d)\n", taking,
               static_cast<int>(rank), holding.name, static_cast<int>(holding.rank));
  std::fflush(stderr);
  std::abort();
}

}  // namespace

void willLock(const void* mutex, LockRank rank, const char* name, bool recursive) {
  if (recursive)
    for (int i = 0; i < heldCount; ++i)
      if (held[i].mutex == mutex) return;  // taken again by its holder
  for (int i = 0; i < heldCount; ++i)
    if (held[i].rank >= rank) violated(name, rank, held[i]);
}

void locked(const void* mutex, LockRank rank, const char* name) {
  if (heldCount == kMostHeld) {
    std::fprintf(stderr, "lock order: more than %d holds of locks by one thread at \"%s\"\n", kMostHeld, name);
    std::abort();
  }
  held[heldCount++] = Held{mutex, rank, name};
}

void unlocked(const void* mutex) {
  for (int i = heldCount - 1; i >= 0; --i)
    if (held[i].mutex == mutex) {
      for (int j = i; j + 1 < heldCount; ++j) held[j] = held[j + 1];
      --heldCount;
      return;
    }
}

void mustNotHold(const void* mutex, const char* name, const char* wait) {
  for (int i = 0; i < heldCount; ++i)
    if (held[i].mutex == mutex) {
      std::fprintf(stderr, "lock order violated: %s while holding \"%s\"\n", wait, name);
      std::fflush(stderr);
      std::abort();
    }
}

}  // namespace nvrt::lockorder
