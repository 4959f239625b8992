// Layered windows of the portable host: the constant opacity of a top-level
// window with WS_EX_LAYERED, which the desktop blends over what lies below.
#pragma once

#include "nvhost_types.h"

#define WS_EX_LAYERED 0x00080000L
#define LWA_COLORKEY 0x00000001
#define LWA_ALPHA 0x00000002

BOOL SetLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND window, COLORREF* key, BYTE* alpha, DWORD* flags);
