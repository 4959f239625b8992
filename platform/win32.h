// The one include through which the framework and the application reach the
// operating system. On Windows it is the real system; everywhere else it is
// the project's own host, which declares the same names, types and values.
#pragma once

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <windowsx.h>
#include <shellapi.h>
#include <imm.h>
#include <mmsystem.h>
#else
#include "host/include/nvhost_win32.h"
#include "host/include/nvhost_gdi.h"
#endif
