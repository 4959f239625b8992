#include <gtest/gtest.h>

#include <mutex>

#include "platform/runtime/LockOrderWaits.h"
#include "platform/runtime/RankedMutex.h"

namespace {

using nvrt::LockRank;

#ifdef BRISEL_LOCK_ORDER

struct Pair {
  const char* what;
  LockRank first, second;
  bool allowed;
};

TEST(RankedMutexDeathTest, ALockIsTakenOnlyAfterLowerRanks) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const Pair pairs[] = {
      {"in order", LockRank::engine, LockRank::host, true},
      {"in order, far apart", LockRank::pendingFrees, LockRank::globalMemory, true},
      {"reversed", LockRank::host, LockRank::engine, false},
      {"equal ranks", LockRank::dcState, LockRank::dcState, false},
  };
  for (const Pair& p : pairs) {
    nvrt::RankedMutex first(p.first, "firstLock"), second(p.second, "secondLock");
    auto takeBoth = [&] {
      std::lock_guard a(first);
      std::lock_guard b(second);
    };
    if (p.allowed) {
      takeBoth();
    } else {
      EXPECT_DEATH(takeBoth(), "taking \"secondLock\" .* while holding \"firstLock\"") << p.what;
    }
  }
}

TEST(RankedMutexDeathTest, ARecursiveMutexMayBeTakenAgainByItsHolder) {
  nvrt::RankedRecursiveMutex outer(LockRank::engine, "outer");
  nvrt::RankedMutex inner(LockRank::host, "inner");
  std::lock_guard a(outer);
  { std::lock_guard b(inner); }
  std::lock_guard again(outer);
  std::lock_guard c(inner);
}

TEST(RankedMutexDeathTest, AReleasedLockNoLongerCounts) {
  nvrt::RankedMutex high(LockRank::surfaces, "high"), low(LockRank::engine, "low");
  { std::lock_guard a(high); }
  std::lock_guard b(low);
  std::lock_guard c(high);
}

TEST(RankedMutexDeathTest, WaitingWhileHoldingTheNamedLockAborts) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  nvrt::RankedRecursiveMutex lock(LockRank::engine, "engineLike");
  nvrt::mustNotHoldWhileWaiting(lock, "waiting for a thread");
  EXPECT_DEATH(
      {
        std::lock_guard held(lock);
        nvrt::mustNotHoldWhileWaiting(lock, "waiting for a thread");
      },
      "waiting for a thread while holding \"engineLike\"");
}

#else

TEST(RankedMutexDeathTest, ChecksAreOffInThisBuild) { GTEST_SKIP() << "built without BRISEL_LOCK_ORDER"; }

#endif

}  // namespace
