// The engine lock: guards the engine's queues, window list, input records and
// input-method fields, the stages' dirty rectangles, and makes composition,
// back-buffer changes and presentation mutually exclusive. Recursive, so a
// step holding it may call operations that take it again. It is the first
// lock of the program's order (docs/threads.md): nothing that waits for
// another thread is done while holding it.
#pragma once

#include "platform/runtime/RankedMutex.h"

extern nvrt::RankedRecursiveMutex engineLock;
