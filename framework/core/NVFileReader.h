// Reads a text file line by line, in untranslated mode: lines end at line
// feeds, and a carriage return before one stays part of the line.
#pragma once

#include <cstdint>
#include <fstream>

#include "framework/core/NVString.h"

class NVFileReader {
 public:
  NVFileReader() = default;
  virtual ~NVFileReader() = default;

  // False if already open or if the file cannot be opened.
  bool open(NVString path);
  void close();
  // The bytes up to the next line feed, which is consumed. At the end of the
  // file it returns what was left, possibly nothing; on a closed reader, "".
  NVString readLine();
  // Set only once a read has run into the end of the file.
  bool isEOF() const;
  bool isOpen() const { return open_; }
  // The size measured at open, or -1 when the file cannot seek.
  std::int64_t fileSize() const { return fileSize_; }

 private:
  std::ifstream stream_;
  bool open_ = false;
  std::int64_t fileSize_ = -1;
};
