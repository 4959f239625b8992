// The conversion of a compressed model file: NAME.mqoz, a ZIP archive of
// model files (usually NAME.mqo and a thumbnail), becomes NAME_noUV.mqoz
// beside it. Every .mqo member loses its UV groups by the same rules as a
// model file, NAME.mqo is renamed NAME_noUV.mqo inside, and every other
// member is copied unchanged. The steps are reported as for a model file.
#pragma once

#include "app/ModelPath.h"

// True when the archive was read and handled (written, or left alone for
// lack of UV data); false when it could not be opened or read, or writing
// failed. Nothing is written unless the whole archive could be read, and a
// failure never leaves a partial output behind.
bool removeUVFromArchive(const ModelPath& model);
