// The common base of framework objects. Deleting one runs its destructors at
// once but keeps its memory until the end of the frame (freeDeferred), so an
// object deleted by a handler stays readable for the rest of that frame, also
// for the window thread.
#pragma once

#include <cstddef>

#include "framework/core/NVString.h"

class NVGUICoreObject {
 public:
  NVGUICoreObject() : typeName("NVGUICoreObject") {}
  virtual ~NVGUICoreObject() = default;

  static void* operator new(std::size_t size);
  static void operator delete(void* block) noexcept;

  // The most derived class's name; every constructor along the chain sets it.
  NVString typeName;
};

// Appends a block to the frame's pending frees.
void deferDelete(void* block);
// Releases every pending block, last appended first.
void freeDeferred();
// How many blocks wait for release (for tests and diagnostics).
std::size_t pendingFreeCount();
// Called with every block freeDeferred releases, just before it goes (for
// tests and diagnostics); null for none.
void setReleaseObserver(void (*observer)(void* block));
