// Writes a text file line by line, in untranslated mode.
#pragma once

#include <fstream>

#include "framework/core/NVString.h"

class NVFileWriter {
 public:
  NVFileWriter() = default;
  virtual ~NVFileWriter() = default;

  // Truncates the file, or appends to it with `append`. False if already
  // open or if the file cannot be opened.
  bool open(NVString path, bool append);
  void close();
  // Writes every byte of the line (zero bytes included), one line feed, and
  // flushes. Returns whether all of it reached the file.
  bool writeLine(NVString line);
  bool isOpen() const { return open_; }

 private:
  std::ofstream stream_;
  bool open_ = false;
};
