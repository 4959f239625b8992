#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "tests/toolkit/ReportCapture.h"
#include "toolkit/dv_Defaults.h"
#include "toolkit/dv_MatAdmin.h"
#include "toolkit/dv_Material.h"
#include "toolkit/dv_Shape.h"

namespace {

TEST(ColorTest, ComponentBounds) {
  ReportCapture capture;
  struct Case {
    double value;
    bool accepted;
  };
  for (const Case c :
       {Case{1.00005, true}, Case{1.001, false}, Case{-0.00005, true}, Case{-0.001, false}, Case{0.5, true}}) {
    dv_Color color(0.1, 0.2, 0.3, 0.4);
    EXPECT_EQ(color.init(c.value, 0, 0, 1), c.accepted) << c.value;
    EXPECT_EQ(color.setA(c.value), c.accepted) << c.value;
    EXPECT_FLOAT_EQ(color.getR(), c.accepted ? static_cast<float>(c.value) : 0.1f);
  }
  EXPECT_EQ(capture.take().front(), ReportCapture::located("dv_Color", "init", 1, "Color Value Error,"));
  EXPECT_EQ(dv_Color().getType(), 33);
  EXPECT_TRUE(dv_Color(0.5, 0.5, 0.5) == dv_Color(0.50005, 0.5, 0.5, 1));
  EXPECT_TRUE(dv_Color(0.5, 0.5, 0.5) != dv_Color(0.5002, 0.5, 0.5));
  EXPECT_TRUE(dv_DefaultColor() == dv_Color(0.2, 0.2, 0.2, 1));
}

TEST(MaterialTest, DefaultsAndPrint) {
  ReportCapture capture;
  const dv_Material m;
  EXPECT_EQ(m.getType(), 34);
  m.Print(1, "");
  EXPECT_EQ(capture.take(), (std::vector<std::string>{"\tMat = {", "\t\talpha = 1;", "\t\tamb = (0.3, 0.3, 0.3, 1);",
                                                      "\t\tdiff = (0, 0, 0, 1);", "\t\tspec = (0.2, 0.2, 0.2, 1);",
                                                      "\t\temis = (0, 0, 0, 1);", "\t\tshini = 17;", "\t}"}));
  m.Print(0, "X");
  EXPECT_EQ(capture.take().front(), "Mat[X] = {");
}

TEST(MaterialTest, AlphaReachesEveryColour) {
  dv_Material m;
  ASSERT_TRUE(m.setAlpha(0.5));
  for (const dv_Color* c : {&m.getAmbient(), &m.getDiffuse(), &m.getEmission(), &m.getSpecular()})
    EXPECT_FLOAT_EQ(c->getA(), 0.5f);
  ASSERT_TRUE(m.setAmbDiff(1, 0, 0));
  EXPECT_TRUE(m.getAmbient() == dv_Color(1, 0, 0, 0.5));
  EXPECT_TRUE(m.getDiffuse() == dv_Color(1, 0, 0, 0.5));
  ReportCapture capture;
  EXPECT_FALSE(m.setAlpha(1.1));
  EXPECT_FALSE(m.setAmbDiff(0, 2, 0));
  EXPECT_TRUE(m.getDiffuse() == dv_Color(1, 0, 0, 0.5));
  EXPECT_EQ(capture.take().front(), ReportCapture::located("dv_Material", "setAlpha", 1, "Alpha Value Error."));
}

TEST(MaterialTest, ShininessBounds) {
  ReportCapture capture;
  dv_Material m;
  EXPECT_TRUE(m.setShininess(128));
  EXPECT_FALSE(m.setShininess(129));
  EXPECT_FALSE(m.setShininess(-1));
  EXPECT_FLOAT_EQ(m.getShininess(), 128);
  EXPECT_EQ(capture.take().front(), ReportCapture::located("dv_Material", "setShininess", 1, "Shininess Value Error."));
  dv_Material other;
  EXPECT_FALSE(m == other);
  other.setShininess(128);
  EXPECT_TRUE(m == other);
  m.init();
  EXPECT_TRUE(m == dv_Material());
}

TEST(MatAdminTest, PaletteGrowth) {
  dv_MatAdmin table;
  dv_Material red;
  red.setDiffuse(1, 0, 0);
  ASSERT_TRUE(table.setPalette(red, 3));
  EXPECT_EQ(table.getPaletteSize(), 4);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(table.getPaletteMaterial(i) == dv_Material());
  EXPECT_TRUE(table.getPaletteMaterial(3) == red);
  EXPECT_FALSE(table.setPalette(red, -1));
  ASSERT_TRUE(table.setPalette(red, 0));
  EXPECT_EQ(table.getPaletteSize(), 4);
  EXPECT_EQ(&table.getPaletteMaterial(-1), &dv_DefaultMaterial());
  EXPECT_EQ(&table.getPaletteMaterial(4), &dv_DefaultMaterial());
  table.setMaterialID(2);
  table.clearPalette();
  EXPECT_EQ(table.getPaletteSize(), 0);
  EXPECT_EQ(table.getMaterialID(), -1);
}

TEST(MatAdminTest, IndicesBeyondThePaletteCapAreRefusedWithAReport) {
  dv_Material red;
  red.setDiffuse(1, 0, 0);
  for (const int n : {dv_MatAdmin::MaxPaletteSize, dv_MatAdmin::MaxPaletteSize + 1, std::numeric_limits<int>::max()}) {
    ReportCapture capture;
    dv_MatAdmin table;
    ASSERT_TRUE(table.setPalette(red, 1));
    EXPECT_FALSE(table.setPalette(dv_Material(), n)) << n;
    EXPECT_EQ(table.getPaletteSize(), 2) << n;
    EXPECT_TRUE(table.getPaletteMaterial(1) == red) << n;
    EXPECT_EQ(capture.take(),
              std::vector<std::string>{ReportCapture::located("dv_MatAdmin", "setPalette", 1, "Palette ID Error.")})
        << n;
  }
}

TEST(MatAdminTest, Print) {
  ReportCapture capture;
  dv_MatAdmin table;
  table.pushPalette(dv_Material());
  table.Print(0, "T");
  const std::vector<std::string> lines = capture.take();
  ASSERT_EQ(lines.size(), 2u + 8u + 8u + 3u);
  EXPECT_EQ(lines[0], "MatAdmin[T] = {");
  EXPECT_EQ(lines[1], "\tthisColorID = -1;");
  EXPECT_EQ(lines[2], "\tMat[THISMAT] = {");
  EXPECT_EQ(lines[10], "\tMat[PAL0] = {");
  EXPECT_EQ(lines[18], "\tColID = {");
  EXPECT_EQ(lines[19], "\t}");
  EXPECT_EQ(lines[20], "}");
}

TEST(ShapeTest, MaterialSourceFollowsTheTableOperation) {
  struct TableShape : dv_Shape {
    TableShape() : dv_Shape(9) { setMatAdmin(&table); }
    dv_MatAdmin table;
  };
  TableShape shape;
  EXPECT_EQ(shape.getMaterialSource(), dv_Shape::NoMaterial);
  shape.pushPalette(dv_Material());
  EXPECT_EQ(shape.getMaterialSource(), dv_Shape::Palette);
  shape.setMaterialID(0);
  EXPECT_EQ(shape.getMaterialSource(), dv_Shape::OwnMaterial);
  shape.setPalette(dv_Material(), 2);
  EXPECT_EQ(shape.getMaterialSource(), dv_Shape::Palette);
  EXPECT_EQ(shape.table.getPaletteSize(), 3);
  dv_Shape bare(12);
  EXPECT_FALSE(bare.setMaterial(dv_Material()));
  EXPECT_EQ(bare.getMaterialSource(), dv_Shape::NoMaterial);
}

}  // namespace
