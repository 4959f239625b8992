#include "toolkit/dv_MatAdmin.h"

#include <new>

#include "toolkit/dv_Defaults.h"
#include "toolkit/dv_Report.h"

void dv_MatAdmin::setMaterial(const dv_Material& material) {
  thisMaterial_ = material;
  colorID_ = -1;
}

namespace {

// Grows the palette to `size` entries, checked against the cap before any
// size is computed, so that nothing can throw out of the toolkit.
bool growTo(std::vector<dv_Material>& palette, size_t size, const char* function) {
  if (size > static_cast<size_t>(dv_MatAdmin::MaxPaletteSize) || size > palette.max_size()) {
    dv_ReportError("dv_MatAdmin", function, 1, "Palette ID Error.");
    return false;
  }
  try {
    palette.resize(size);
  } catch (const std::bad_alloc&) {
    dv_ReportError("dv_MatAdmin", function, 2, "Palette Memory Error.");
    return false;
  }
  return true;
}

}  // namespace

bool dv_MatAdmin::pushPalette(const dv_Material& material) {
  if (!growTo(palette_, palette_.size() + 1, "pushPalette")) return false;
  palette_.back() = material;
  return true;
}

bool dv_MatAdmin::setPalette(const dv_Material& material, int n) {
  if (n < 0) return false;
  const size_t index = static_cast<size_t>(n);
  if (index >= palette_.size() && !growTo(palette_, index + 1, "setPalette")) return false;
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
  for (size_t i = 0; i < palette_.size(); ++i) palette_[i].Print(depth + 1, dv_Format("PAL%d", static_cast<int>(i)));
  dv_ReportError(indent + "\tColID = {");
  dv_ReportError(indent + "\t}");
  dv_ReportError(indent + "}");
}
