// The description of a window's menu bar: its columns, left to right. The
// window receives it by value and builds its bar and drop-downs from it.
#pragma once

#include <vector>

#include "framework/widgets/NVWindowMenuColumn.h"

class NVWindowMenu : public virtual NVGUICoreObject {
 public:
  NVWindowMenu() { typeName = "NVWindowMenu"; }
  NVWindowMenu(const NVWindowMenu& other);
  NVWindowMenu& operator=(const NVWindowMenu& other);
  ~NVWindowMenu() override = default;

  std::vector<NVWindowMenuColumn> columns;
};
