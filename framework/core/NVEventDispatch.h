// Delivering queued events to their targets' handlers, and raising events
// from widgets, items and close requests.
#pragma once

#include "framework/core/NVEventState.h"

class NVEngine;

// Frame step: delivers every queued event, including those that handlers
// raise meanwhile. Always true.
bool dispatchEvents(NVEngine* engine);

void raiseWidgetEvent(NVWidget* widget, int kind);
void raiseItemEvent(NV2DItemBase* item, int kind);
void raiseCloseRequest(NVStageBase* stage);
