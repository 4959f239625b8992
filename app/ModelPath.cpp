#include "app/ModelPath.h"

#include "platform/runtime/PathSplit.h"

ModelPath::ModelPath(const NVString& path) : path_(path) {
  const nvrt::SplitPath parts = nvrt::splitPath(path.bytes());
  // The split extension keeps its dot; a name may end in a bare dot.
  extension_ = parts.extension.empty() ? NVString() : NVString(parts.extension.substr(1));
  baseName_ = NVString(parts.name);
  fileName_ = NVString(parts.name + parts.extension);
  outputFileName_ = baseName_ + "_noUV." + extension_;
  outputPath_ = NVString(parts.drive + parts.directory) + outputFileName_;
}
