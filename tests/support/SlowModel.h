// A model file whose conversion takes seconds while its output stays tiny,
// for catching a conversion in the middle: a sparse file of 32 GiB whose
// face lines are "x UV(" followed by 8 MiB of zero bytes (holes, no disk).
#pragma once

#include <filesystem>

// False, with nothing written, where the file system has no sparse files.
bool writeSlowModel(const std::filesystem::path& path);
