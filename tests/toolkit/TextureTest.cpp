#include <gtest/gtest.h>

#include "tests/toolkit/MathExpect.h"
#include "tests/toolkit/ReportCapture.h"
#include "toolkit/dv_IFSTexture.h"
#include "toolkit/dv_MeshTexture.h"
#include "toolkit/dv_Model.h"
#include "toolkit/dv_RectTexture.h"
#include "toolkit/dv_TriTexture.h"

namespace {

TEST(TextureTest, Defaults) {
  dv_Image image(10, 10);
  dv_RectTexture rect(&image);
  EXPECT_EQ(rect.getType(), 26);
  EXPECT_EQ(rect.getImage(), &image);
  EXPECT_EQ(rect.getEnvMode(), 1);
  EXPECT_EQ(rect.getFilter(), 0);
  EXPECT_EQ(rect.getMaterialSource(), 2);
  EXPECT_FLOAT_EQ(rect.getWidth(), 2.0f);
  EXPECT_EQ(dv_TriTexture().getType(), 27);
  EXPECT_EQ(dv_MeshTexture().getType(), 28);
  EXPECT_EQ(dv_IFSTexture().getType(), 29);
  dv_Model model(&rect);
  EXPECT_EQ(model.getDrawParts(), 0);
  rect.setEnvMode(0);
  rect.pushPalette(dv_Material());
  rect.init();
  EXPECT_EQ(rect.getImage(), nullptr);
  EXPECT_EQ(rect.getEnvMode(), 1);
  EXPECT_EQ(rect.getMaterialTable().getPaletteSize(), 0);
}

TEST(TextureTest, RectangleCoordinatesCoverTheUsedBuffer) {
  dv_Image image(10, 10);
  dv_RectTexture rect(&image);
  dv_TexCoord quad[4];
  ASSERT_TRUE(rect.quadTexCoords(quad));
  EXPECT_FLOAT_EQ(quad[0].s, 0.0f);
  EXPECT_FLOAT_EQ(quad[2].s, 10.0f / 64);
  EXPECT_FLOAT_EQ(quad[2].t, 10.0f / 64);
  EXPECT_FLOAT_EQ(quad[1].t, 0.0f);
  EXPECT_FLOAT_EQ(quad[3].s, 0.0f);
  rect.setTiling(true);
  rect.setTileCount(3, 2);
  ASSERT_TRUE(rect.quadTexCoords(quad));
  EXPECT_FLOAT_EQ(quad[2].s, 3.0f);
  EXPECT_FLOAT_EQ(quad[2].t, 2.0f);
  dv_RectTexture bare;
  EXPECT_FALSE(bare.quadTexCoords(quad));
}

TEST(TextureTest, RectangleCoordinateTolerances) {
  ReportCapture capture;
  dv_RectTexture rect;
  EXPECT_TRUE(rect.setTextureCoord(0, 0, 1.00000001, 1));
  EXPECT_FALSE(rect.setTextureCoord(0, 0, 1.0001, 1));
  EXPECT_FALSE(rect.setTextureCoord(dv_TexCoord{-0.1f, 0}, dv_TexCoord{1, 1}));
  EXPECT_TRUE(rect.setTextureCoord(dv_TexCoord{0.25f, 0}, dv_TexCoord{0.5f, 1}));
  EXPECT_FLOAT_EQ(rect.getTextureCoord(0).s, 0.25f);
  EXPECT_FLOAT_EQ(rect.getTextureCoord(2).s, 0.0f);
  EXPECT_FALSE(rect.setSize(-1, 1));
  EXPECT_TRUE(rect.setSize(0, 3));
  EXPECT_FLOAT_EQ(rect.getSize().w, 0.0f);
  EXPECT_FLOAT_EQ(rect.getSize().h, 3.0f);
  EXPECT_EQ(capture.take(), (std::vector<std::string>{
                                ReportCapture::located("dv_RectTexture", "setTextureCoord", 1, "Texture Coord Error."),
                                ReportCapture::located("dv_RectTexture", "setTextureCoord", 2, "Texture Coord Error."),
                                ReportCapture::located("dv_RectTexture", "getTextureCoord", 1, "ID Error")}));
}

TEST(TextureTest, TriangleChecks) {
  ReportCapture capture;
  dv_TriTexture tri;
  EXPECT_TRUE(tri.setVertexPos(2, 1, 2, 3));
  expectNear(tri.getVertexPos(2), dv_Vector(1, 2, 3));
  EXPECT_FALSE(tri.setVertexPos(3, dv_Vector()));
  EXPECT_FALSE(tri.setTextureCoord(0, 0.5, 1.1));
  EXPECT_FALSE(tri.setTextureCoord(-1, dv_TexCoord{}));
  EXPECT_TRUE(tri.setTextureCoord(1, dv_TexCoord{0.5f, 0.25f}));
  EXPECT_FLOAT_EQ(tri.getTextureCoord(1).t, 0.25f);
  expectNear(tri.getVertexPos(5), dv_Vector());
  EXPECT_EQ(capture.take(), (std::vector<std::string>{
                                ReportCapture::located("dv_TriTexture", "setVertexPos", 2, "ID Error."),
                                ReportCapture::located("dv_TriTexture", "setTextureCoord", 2, "Texture Coord Error."),
                                ReportCapture::located("dv_TriTexture", "setTextureCoord", 3, "ID Error."),
                                ReportCapture::located("dv_TriTexture", "getVertexPos", 1, "ID Error.")}));
}

TEST(TextureTest, MeshGrowsToTheTriangleSet) {
  ReportCapture capture;
  dv_MeshTexture mesh;
  ASSERT_TRUE(mesh.setVertexPos(2, 1, 4, 5, 6));
  EXPECT_EQ(mesh.getTriNum(), 3);
  expectNear(mesh.getVertexPos(2, 1), dv_Vector(4, 5, 6));
  expectNear(mesh.getVertexPos(0, 0), dv_Vector());
  ASSERT_TRUE(mesh.setTriTextureCoord(3, std::vector<dv_TexCoord>{{0, 0}, {1, 0}, {1, 1}}));
  EXPECT_EQ(mesh.getTriNum(), 4);
  EXPECT_FLOAT_EQ(mesh.getTextureCoord(3, 2).t, 1.0f);
  EXPECT_FALSE(mesh.setTriPos(0, std::vector<dv_Vector>(2)));
  EXPECT_FALSE(mesh.setTextureCoord(0, 3, 0.5, 0.5));
  EXPECT_FALSE(mesh.setTriNum(-1));
  EXPECT_FALSE(mesh.setVertexPos(dv_MeshTexture::MaxTriangles, 0, 1, 1, 1));
  EXPECT_EQ(mesh.getTriNum(), 4);
  expectNear(mesh.getVertexPos(4, 0), dv_Vector());
  EXPECT_EQ(capture.take(), (std::vector<std::string>{
                                ReportCapture::located("dv_MeshTexture", "setTriPos", 2, "Vertex Number Error."),
                                ReportCapture::located("dv_MeshTexture", "setTextureCoord", 1, "Triangle ID Error."),
                                ReportCapture::located("dv_MeshTexture", "setTriNum", 1, "Triangle Number Error."),
                                ReportCapture::located("dv_MeshTexture", "getVertexPos", 1, "Triangle ID Error.")}));
  ASSERT_TRUE(mesh.setTriNum(0));
  EXPECT_EQ(mesh.getTriNum(), 0);
}

TEST(TextureTest, LoadersUseTheOwnImage) {
  dv_Image other(4, 4);
  dv_RectTexture rect(&other);
  const unsigned char notAnImage[] = {1, 2, 3};
  EXPECT_FALSE(rect.loadBMPData(notAnImage, sizeof notAnImage));
  EXPECT_EQ(rect.getImage(), &rect.getOwnImage());
  EXPECT_FALSE(rect.loadPNG(testing::TempDir() + "missing.png"));
}

}  // namespace
