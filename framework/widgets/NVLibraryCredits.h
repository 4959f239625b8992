// The lines the credit view lists under its library heading: the framework,
// the toolkit, and every third-party library this build links, each with
// the version its headers reported at compile time.
#pragma once

#include <vector>

#include "framework/core/NVString.h"

std::vector<NVString> libraryCreditLines();
