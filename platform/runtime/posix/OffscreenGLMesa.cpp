// Mesa's off-screen driver renders in software into a buffer we own, which
// makes the pixels exact and the same on every machine that runs the tests.
#include "platform/runtime/OffscreenGL.h"

#include <GL/osmesa.h>

namespace nvrt {

std::unique_ptr<OffscreenGL> OffscreenGL::create(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  // A depth buffer of 24 bits and a stencil of 8 match what a window offers.
  OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
  if (!context) return nullptr;
  return std::unique_ptr<OffscreenGL>(new OffscreenGL(context, width, height));
}

OffscreenGL::OffscreenGL(void* context, int width, int height)
    : context_(context),
      width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4) {}

OffscreenGL::~OffscreenGL() {
  // A context destroyed while still current keeps its framebuffer referenced
  // from the thread, so it is released from the thread first.
  auto* context = static_cast<OSMesaContext>(context_);
  if (OSMesaGetCurrentContext() == context) {
    OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
  }
  OSMesaDestroyContext(context);
}

bool OffscreenGL::makeCurrent() {
  return OSMesaMakeCurrent(static_cast<OSMesaContext>(context_), pixels_.data(), GL_UNSIGNED_BYTE, width_, height_) ==
         GL_TRUE;
}

}  // namespace nvrt
