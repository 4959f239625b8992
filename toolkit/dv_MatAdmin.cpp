#include "toolkit/dv_MatAdmin.h"

#include <new>

#include "toolkit/dv_Defaults.h"
#include "toolkit/dv_Report.h"

void dv_MatAdmin::setMaterial(const dv_Material& material) {
  thisMaterial_ = material;
  colorID_ = -1;
}

void dv_MatAdmin::pushPalette(const dv_Material& material) { palette_.push_back(material); }

bool dv_MatAdmin::setPalette(const dv_Material& material, int n) {
  if (n < 0) return false;
  const size_t index = static_cast<size_t>(n);
  if (index < palette_.size()) {
    palette_[index] = material;
    return true;
  }
  try {
    palette_.resize(index + 1);
  } catch (const std::bad_alloc&) {
    return false;
  }
  palette_[index] = material;
  return true;
}

const dv_Material& dv_MatAdmin::getPaletteMaterial(int i) const {
  if (i < 0 || static_cast<size_t>(i) >= palette_.size()) return dv_DefaultMaterial();
  return palette_[static_cast<size_t>(i)];
}

void dv_MatAdmin::clearPalette() {
  palette_.clear();
  colorID_ = -1;
}

void dv_MatAdmin::Print(int depth, const std::string& tag) const {
  const std::string indent(depth > 0 ? depth : 0, '\t');
  dv_ReportError(indent + (tag.empty() ? "MatAdmin {" : "MatAdmin[" + tag + "] = {"));
  dv_ReportFormatted("%s\tthisColorID = %d;", indent.c_str(), colorID_);
  thisMaterial_.Print(depth + 1, "THISMAT");
  for (size_t i = 0; i < palette_.size(); ++i)
    palette_[i].Print(depth + 1, dv_Format("PAL%d", static_cast<int>(i)));
  dv_ReportError(indent + "\tColID = {");
  dv_ReportError(indent + "\t}");
  dv_ReportError(indent + "}");
}
