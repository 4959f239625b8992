#include "platform/runtime/OffscreenGL.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

using nvrt::OffscreenGL;

TEST(OffscreenGL, RefusesEmptySizes) {
  const std::array<std::array<int, 2>, 4> sizes{{{0, 4}, {4, 0}, {-1, 4}, {4, -3}}};
  for (const auto& size : sizes) {
    EXPECT_EQ(OffscreenGL::create(size[0], size[1]), nullptr) << size[0] << "x" << size[1];
  }
}

// A scissored clear must land in the buffer bottom row first, as OpenGL
// numbers rows, and agree with what glReadPixels returns.
TEST(OffscreenGL, ClearReachesTheBufferBottomRowFirst) {
  auto gl = OffscreenGL::create(8, 4);
  ASSERT_NE(gl, nullptr);
  ASSERT_TRUE(gl->makeCurrent());
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_SCISSOR_TEST);
  glScissor(0, 0, 8, 1);
  glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_SCISSOR_TEST);
  glFinish();

  const auto& px = gl->pixels();
  ASSERT_EQ(px.size(), 8u * 4u * 4u);
  for (int row = 0; row < 4; ++row) {
    const std::uint8_t* p = px.data() + row * 8 * 4;
    EXPECT_EQ(p[0], row == 0 ? 255 : 0) << "row " << row;
    EXPECT_EQ(p[3], 255) << "row " << row;
  }
  std::array<std::uint8_t, 4> read{};
  glReadPixels(3, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, read.data());
  EXPECT_EQ(read[0], 255);
  glReadPixels(3, 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, read.data());
  EXPECT_EQ(read[0], 0);
}

}  // namespace
