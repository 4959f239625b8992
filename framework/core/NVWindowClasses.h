// The framework's six window classes, all with one window procedure.
#pragma once

#include "platform/win32.h"

// Registers the classes; a second registration (a second engine's window
// thread) fails quietly and the first one stays in use.
void registerWindowClasses();

LRESULT CALLBACK nvWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
