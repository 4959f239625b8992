// An OpenGL context supplied by whoever owns the window or the off-screen
// buffer the renderer draws into. The renderer never creates one.
#pragma once

class dv_GLContext {
 public:
  virtual ~dv_GLContext() = default;
  // Binds the context to the calling thread; false when it cannot.
  virtual bool makeCurrent() = 0;
  // Shows the finished frame; a single-buffered context does nothing.
  virtual void swapBuffers() {}
};
