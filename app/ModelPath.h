// A dropped file's path, split once into the parts the conversion uses: the
// model's kind from its extension, its name for the messages, and the output
// beside it, NAME_noUV with the same extension.
#pragma once

#include "framework/core/NVString.h"

class ModelPath {
 public:
  explicit ModelPath(const NVString& path);

  const NVString& path() const { return path_; }
  // Without its dot, or empty.
  const NVString& extension() const { return extension_; }
  // The name without drive, directory or extension.
  const NVString& baseName() const { return baseName_; }
  // Name and extension, as the messages show it.
  const NVString& fileName() const { return fileName_; }
  // The output's name and its path beside the input.
  const NVString& outputFileName() const { return outputFileName_; }
  const NVString& outputPath() const { return outputPath_; }

 private:
  NVString path_;
  NVString extension_;
  NVString baseName_;
  NVString fileName_;
  NVString outputFileName_;
  NVString outputPath_;
};
