// winmm on the portable host.
//  [x] timeGetTime: milliseconds of the monotonic clock, wrapping at 2^32
//  [x] timeGetDevCaps (1 ms to 1000000 ms), timeBeginPeriod, timeEndPeriod
//      (accepted; the host's sleeps are already as fine as the system's)
//  [ ] timeSetEvent, multimedia timers
#include <time.h>

#include "platform/win32.h"

namespace {
constexpr UINT kMinPeriod = 1;
constexpr UINT kMaxPeriod = 1000000;
}  // namespace

DWORD timeGetTime() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  auto ms =
      static_cast<unsigned long long>(now.tv_sec) * 1000ULL + static_cast<unsigned long long>(now.tv_nsec) / 1000000ULL;
  return static_cast<DWORD>(ms);
}

MMRESULT timeGetDevCaps(LPTIMECAPS caps, UINT size) {
  if (caps == nullptr || size < sizeof(TIMECAPS)) return TIMERR_NOCANDO;
  caps->wPeriodMin = kMinPeriod;
  caps->wPeriodMax = kMaxPeriod;
  return TIMERR_NOERROR;
}

MMRESULT timeBeginPeriod(UINT period) {
  return (period < kMinPeriod || period > kMaxPeriod) ? TIMERR_NOCANDO : TIMERR_NOERROR;
}

MMRESULT timeEndPeriod(UINT period) {
  return (period < kMinPeriod || period > kMaxPeriod) ? TIMERR_NOCANDO : TIMERR_NOERROR;
}
