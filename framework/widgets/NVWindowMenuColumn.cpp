#include "framework/widgets/NVWindowMenuColumn.h"

NVWindowMenuColumn::NVWindowMenuColumn(const NVWindowMenuColumn& other)
    : NVGUICoreObject(), title(other.title), entries(other.entries), entryTable(other.entryTable) {
  typeName = "NVWindowMenuColumn";
}

NVWindowMenuColumn& NVWindowMenuColumn::operator=(const NVWindowMenuColumn& other) {
  title = other.title;
  entries = other.entries;
  entryTable = other.entryTable;
  return *this;
}

int NVWindowMenuColumn::commandFor(const NVString& entry) const {
  const auto found = entryTable.find(entry);
  return found == entryTable.end() ? 0 : found->second;
}
