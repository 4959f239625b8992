// The conversion of one dropped file: NAME.mqo becomes NAME_noUV.mqo beside
// it, without the "UV(" groups of its face lines. Every step is reported with
// addMessage.
#pragma once

#include "framework/core/NVString.h"

// True when the file was read and handled (written, or left alone for lack of
// UV data); false when it was refused or anything failed. A failure never
// leaves a partial output behind, and an existing output survives it.
bool removeUV(NVString path);
