// shell32 on the portable host: file drops.
#pragma once

#include "nvhost_types.h"

void DragAcceptFiles(HWND window, BOOL accept);
UINT DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT size);
BOOL DragQueryPoint(HDROP drop, LPPOINT point);
void DragFinish(HDROP drop);
