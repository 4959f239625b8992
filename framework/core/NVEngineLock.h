// The framework's one lock: guards the engine's queues, window list and input
// records, and makes composition, back-buffer changes and presentation of 2D
// stages mutually exclusive. Recursive, so a step holding it may call
// operations that take it again.
#pragma once

#include <mutex>

extern std::recursive_mutex engineLock;
