// The one include through which the toolkit's renderer reaches OpenGL 1.1
// and GLU. Windows' GL headers need <windows.h>, which comes in without its
// min and max macros; it still defines `near` and `far` as empty macros, so
// code that includes this names no variable that way.
#pragma once

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
#include <GL/gl.h>
#include <GL/glu.h>
