// Path operations on code page 932 paths. Both separators and drive letters
// are understood on every host, and no part of a path is ever cut.
#pragma once

#include "framework/core/NVString.h"
#include "platform/win32.h"

// The extension without its dot, or empty.
NVString getExtension(NVString path);
// Name and extension (with its dot), without drive or directory.
NVString getFileName(NVString path);
// The name without its extension.
NVString getBaseName(NVString path);
// Drive and directory; a path with a directory ends in its separator.
NVString getDirectory(NVString path);
// The directory of the running executable.
NVString getModuleDirectory();

// The size in pixels of a text drawn in a font: the whole string measured
// as one line, and the line height once for every line feed plus one.
SIZE getTextSize(NVString text, HFONT font);
