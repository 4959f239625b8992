// Choosing the display driver.
#include <cstring>

#include "platform/host/display/Display.h"
#include "platform/host/user/WindowRegistry.h"

namespace nvhost {

// displays.cpp lists the drivers this build has.
extern const DisplayDriverEntry kDisplayDrivers[];
extern const size_t kDisplayDriverCount;

namespace {

nvrt::RankedMutex& displayMutex() {
  static auto* mutex = new nvrt::RankedMutex(nvrt::LockRank::display, "displayMutex");
  return *mutex;
}

// Never destroyed: windows may still report to it while the process exits.
Display* current = nullptr;

std::unique_ptr<Display> create(const std::string& name) {
  for (size_t i = 0; i < kDisplayDriverCount; ++i) {
    if (name == kDisplayDrivers[i].name) return kDisplayDrivers[i].create();
  }
  return nullptr;
}

bool windowsExist() {
  HostLock lock(hostMutex());
  return !WindowRegistry::get().topLevels().empty();
}

}  // namespace

bool selectDisplay(const std::string& name) {
  if (windowsExist()) return false;
  std::unique_ptr<Display> driver = create(name);
  if (!driver) return false;
  std::lock_guard lock(displayMutex());
  if (current != nullptr && name == current->name()) return true;
  // FIXME: a replaced driver is leaked on purpose; a thread may still be
  // inside one of its calls.
  current = driver.release();
  return true;
}

Display& display() {
  Display* chosen = nullptr;
  {
    std::lock_guard lock(displayMutex());
    if (current == nullptr) current = create("null").release();
    chosen = current;
  }
  return *chosen;
}

}  // namespace nvhost
