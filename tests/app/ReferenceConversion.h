// The conversion written plainly, line by line with the framework's own
// string search, exactly as the rules read: the ground truth the streaming
// conversion is compared with.
#pragma once

#include <string>

struct ReferenceResult {
  std::string output;
  bool hadUV = false;
};

ReferenceResult referenceConversion(const std::string& input);
