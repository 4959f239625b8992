// Windows has neither a per-process file-size limit nor a folder mode that
// stops an administrator; both helpers say so and the tests that need them
// skip.
#include "tests/support/TempDir.h"

ReadOnlyFolder::ReadOnlyFolder(const std::filesystem::path& folder) : folder_(folder) {}
ReadOnlyFolder::~ReadOnlyFolder() = default;

FileSizeLimit::FileSizeLimit(unsigned long long) {}
FileSizeLimit::~FileSizeLimit() = default;
