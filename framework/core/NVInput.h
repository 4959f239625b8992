// The two input steps of the frame cycle: a snapshot of pointer and keyboard,
// then the events that its changes since the last frame mean.
#pragma once

class NVEngine;

// Frame step 1: fills the engine's current input record. Always true.
bool sampleInput(NVEngine* engine);
// How many times any frame loop (the main one or a modal one) has sampled
// the input; whoever waits for the loops to see something watches it.
unsigned inputSampleCount();
// Frame step 2: queues the input events and applies focus requests. Always true.
bool generateInputEvents(NVEngine* engine);
