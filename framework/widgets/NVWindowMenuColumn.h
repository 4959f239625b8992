// One title of a window's menu bar with the lines of its drop-down and the
// command identifier each line sends. A value filled in by the application.
#pragma once

#include <map>
#include <vector>

#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVString.h"

struct NVStringLess {
  bool operator()(const NVString& a, const NVString& b) const { return a.bytes() < b.bytes(); }
};

class NVWindowMenuColumn : public virtual NVGUICoreObject {
 public:
  NVWindowMenuColumn() { typeName = "NVWindowMenuColumn"; }
  NVWindowMenuColumn(const NVWindowMenuColumn& other);
  NVWindowMenuColumn& operator=(const NVWindowMenuColumn& other);
  ~NVWindowMenuColumn() override = default;

  // The command identifier of an entry; 0 for an entry without one.
  int commandFor(const NVString& entry) const;

  NVString title;
  std::vector<NVString> entries;
  std::map<NVString, int, NVStringLess> entryTable;
};
