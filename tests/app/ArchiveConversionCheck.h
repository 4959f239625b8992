// Converts archive bytes as a dropped .mqoz file and checks what the
// conversion promises, against libzip reading the input directly and the
// plain reference conversion: the input is untouched, no temporary file is
// left, and an output exists only when some model had UV data, holding every
// member of the input in order, the models converted (NAME.mqo renamed) and
// the rest unchanged. Shared by the fuzzer and the suite that replays its
// inputs; needs neither GoogleTest nor the test support library.
#pragma once

#include <filesystem>
#include <string>

// The first broken promise, or an empty string. `folder` is an empty folder
// with a plain ASCII path, which the check leaves empty again.
std::string checkArchiveConversion(const std::filesystem::path& folder, const std::string& archive);
