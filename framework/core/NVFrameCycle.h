// The frame-cycle steps that belong to the engine itself.
#pragma once

class NVEngine;

// First call only: make the executable's folder the current directory and
// raise the system timer's resolution to its finest period.
void initOnce();
// Turns every live window's dirty rectangle into a window invalidation.
void flushInvalidations(NVEngine* engine);
