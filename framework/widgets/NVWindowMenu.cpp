#include "framework/widgets/NVWindowMenu.h"

NVWindowMenu::NVWindowMenu(const NVWindowMenu& other) : NVGUICoreObject(), columns(other.columns) {
  typeName = "NVWindowMenu";
}

NVWindowMenu& NVWindowMenu::operator=(const NVWindowMenu& other) {
  columns = other.columns;
  return *this;
}
