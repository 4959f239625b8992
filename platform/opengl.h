// The one include through which the toolkit's renderer reaches OpenGL 1.1
// and GLU. Windows' GL headers need <windows.h>, which comes in through the
// system include without its min and max macros; it still defines `near`
// and `far` as empty macros, so code that includes this names no variable
// that way.
#pragma once

#if defined(_WIN32)
#include "platform/win32.h"
#endif
#include <GL/gl.h>
#include <GL/glu.h>
