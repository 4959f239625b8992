// An OpenGL context that draws into memory, so that the renderer can be run
// and its pixels read back where no window exists. The toolkit never creates
// a context itself: a 3D stage's host supplies one, and tests supply this.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace nvrt {

class OffscreenGL {
 public:
  // Null when no off-screen context can be made (no library, no memory).
  static std::unique_ptr<OffscreenGL> create(int width, int height);
  ~OffscreenGL();
  OffscreenGL(const OffscreenGL&) = delete;
  OffscreenGL& operator=(const OffscreenGL&) = delete;

  // Binds the context and its buffer to the calling thread.
  bool makeCurrent();
  int width() const { return width_; }
  int height() const { return height_; }
  // RGBA bytes of the colour buffer, bottom row first as OpenGL stores them.
  // Call after glFinish so that every command has reached the buffer.
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }

 private:
  OffscreenGL(void* context, int width, int height);
  void* context_;
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace nvrt
