// The desktop tool: one framework-drawn window whose label shows the message
// log; files dropped on its client area are converted one after the other.
#pragma once

#include "framework/core/NVEventState.h"

#include <string>
#include <vector>

// Runs the tool until its close button is clicked; returns the exit status.
// Files given (code page 932 paths, as a file manager's "Open with" passes
// them) are converted once the window is up, exactly as if dropped on it.
int briselMain(const std::vector<std::string>& files = {});

void onClose(NVEventState event);
void onDropFiles(NVEventState event);
void setApplicationInfo();
