#include "framework/core/NVApplicationInfo.h"

namespace {

struct ApplicationInfo {
  NVString name = "Nolva Application";
  NVString version = "1.0.0";
  NVString rights = "Built with the Nolva framework and the Dovan toolkit.";
  std::vector<NVString> credits;
};

ApplicationInfo& info() {
  static ApplicationInfo instance;
  return instance;
}

}  // namespace

void setApplicationName(NVString name) { info().name = name; }
void setApplicationVersion(NVString version) { info().version = version; }
void setApplicationRights(NVString rights) { info().rights = rights; }
void addCreditLine(NVString line) { info().credits.push_back(line); }

NVString getApplicationName() { return info().name; }
NVString getApplicationVersion() { return info().version; }
NVString getApplicationRights() { return info().rights; }
std::vector<NVString> getCreditLines() { return info().credits; }
