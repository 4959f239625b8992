// The desktop tool: one framework-drawn window whose label shows the message
// log; files dropped on its client area are converted one after the other.
#pragma once

#include "framework/core/NVEventState.h"

// Runs the tool until its close button is clicked; returns the exit status.
int briselMain();

void onClose(NVEventState event);
void onDropFiles(NVEventState event);
void setApplicationInfo();
