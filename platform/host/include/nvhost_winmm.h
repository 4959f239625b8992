// winmm on the portable host: the millisecond clock and the timer resolution.
#pragma once

#include "nvhost_types.h"

typedef UINT MMRESULT;
#define MMSYSERR_NOERROR 0
#define TIMERR_NOERROR 0
#define TIMERR_BASE 96
#define TIMERR_NOCANDO (TIMERR_BASE + 1)

typedef struct timecaps_tag {
  UINT wPeriodMin;
  UINT wPeriodMax;
} TIMECAPS, *PTIMECAPS, *LPTIMECAPS;

DWORD timeGetTime();
MMRESULT timeGetDevCaps(LPTIMECAPS caps, UINT size);
MMRESULT timeBeginPeriod(UINT period);
MMRESULT timeEndPeriod(UINT period);
