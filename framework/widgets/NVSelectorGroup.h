// A set of selectors of which at most one is chosen at a time; the menu bar
// uses one for its titles. The group does not own its members.
#pragma once

#include <vector>

#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVString.h"

class NVSelector;

class NVSelectorGroup : public virtual NVGUICoreObject {
 public:
  NVSelectorGroup() { typeName = "NVSelectorGroup"; }
  ~NVSelectorGroup() override;

  // Clears the current member, then chooses `selector` when it is a member.
  void select(NVSelector* selector);
  // The text of the chosen member, or "" when none is chosen.
  NVString getSelectedText() const;

  void add(NVSelector* selector);
  void remove(NVSelector* selector);

  std::vector<NVSelector*> members;
  NVSelector* current = nullptr;
};
