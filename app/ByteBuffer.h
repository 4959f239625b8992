// A growable byte buffer whose new bytes are left uninitialised: the
// conversion's buffers are written before they are read, and clearing a
// fresh megabyte costs a small file's conversion more than the conversion.
#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

template <class T>
struct UninitialisedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  UninitialisedAllocator() = default;
  template <class U>
  UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}

  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

using ByteBuffer = std::vector<char, UninitialisedAllocator<char>>;
