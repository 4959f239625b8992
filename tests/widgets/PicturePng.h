// Reference pictures of the painters for a person to look at: with
// BRISEL_WRITE_REFS=1 a missing or changed reference is (re)written; otherwise
// an existing reference is compared and a mismatch leaves NAME_err.png beside it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace paintpng {

// Checks the picture (0xAARRGGBB words, top row first) against
// tests/ref/widgets/NAME.png; an empty result means it matched, was written,
// or has no reference yet.
std::string checkPicture(const std::string& name, int width, int height, const std::vector<std::uint32_t>& words);

}  // namespace paintpng
