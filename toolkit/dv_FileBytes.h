// Whole-file reading for the image loaders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads the whole file; false when it cannot be opened or read.
bool dv_ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes);
