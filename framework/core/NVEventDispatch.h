// Delivering queued events to their targets' handlers, and raising events
// from widgets, items and close requests.
#pragma once

#include "framework/core/NVEventState.h"

class NVEngine;

// Frame step: delivers every queued event, including those that handlers
// raise meanwhile. Always true.
bool dispatchEvents(NVEngine* engine);

void raiseWidgetEvent(NVWidget* widget, NVEventKind kind);
void raiseItemEvent(NV2DItemBase* item, NVEventKind kind);
void raiseCloseRequest(NVStageBase* stage);
