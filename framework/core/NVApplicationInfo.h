// What the application says about itself: name, version, rights line and the
// credit lines the credit view shows. Set once at start, read by the view.
#pragma once

#include <vector>

#include "framework/core/NVString.h"

void setApplicationName(NVString name);
void setApplicationVersion(NVString version);
void setApplicationRights(NVString rights);
void addCreditLine(NVString line);

NVString getApplicationName();
NVString getApplicationVersion();
NVString getApplicationRights();
std::vector<NVString> getCreditLines();
