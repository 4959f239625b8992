#include "framework/widgets/NVSelectorGroup.h"

#include <algorithm>

#include "framework/widgets/NVSelector.h"

NVSelectorGroup::~NVSelectorGroup() {
  // Members that outlive the group must not reach back into it.
  for (NVSelector* member : members) member->group = nullptr;
}

void NVSelectorGroup::add(NVSelector* selector) { members.push_back(selector); }

void NVSelectorGroup::remove(NVSelector* selector) {
  members.erase(std::remove(members.begin(), members.end(), selector), members.end());
  if (current == selector) current = nullptr;
}

void NVSelectorGroup::select(NVSelector* selector) {
  if (current) {
    current->setChosen(false);
    current = nullptr;
  }
  for (NVSelector* member : members) {
    if (member != selector) continue;
    current = member;
    member->setChosen(true);
    return;
  }
}

NVString NVSelectorGroup::getSelectedText() const { return current ? current->getText() : NVString(""); }
