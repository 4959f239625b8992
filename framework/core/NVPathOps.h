// Path operations on code page 932 paths. Both separators and drive letters
// are understood on every host, and no part of a path is ever cut.
#pragma once

#include "framework/core/NVString.h"

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
