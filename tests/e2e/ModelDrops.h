// What the whole-program tests drop on brisel and how: a small model with UV
// data, the project's drag source, and the files brisel writes.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "XvfbScreen.h"

namespace e2e {

// Writes a one-triangle model whose face carries a UV group, as `dir/name`.
std::filesystem::path writeModel(const std::filesystem::path& dir, const std::string& name);
// NAME_noUV.EXT beside the input.
std::filesystem::path converted(const std::filesystem::path& input);
// Whether the converted file is complete and without UV groups.
bool convertedWhole(const std::filesystem::path& input);

// Drops files at a screen point with brisel_xdnd_source: its exit status (0
// when the target finished the drop, 2 when no window there takes drops), or
// -1 when it did not end in time.
int dropFiles(XvfbScreen& screen, int x, int y, const std::vector<std::filesystem::path>& files);

}  // namespace e2e
