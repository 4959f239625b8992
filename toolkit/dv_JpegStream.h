// What a JPEG stream's marker structure says about its coded data, found
// without decoding it.
#pragma once

#include <cstddef>
#include <cstdint>

struct dv_JpegStreamFacts {
  // Bytes of entropy-coded data in the stream's scans: stuffed zero bytes,
  // restart markers and fill bytes are not counted, nor is anything outside
  // a scan (other segments, bytes after the end marker).
  uint64_t entropyBytes = 0;
  // Every component of the frame has its DC coefficients coded in some scan,
  // as a complete stream must.
  bool everyComponentCoded = false;
};

dv_JpegStreamFacts dv_ScanJpegStream(const uint8_t* data, size_t size);
