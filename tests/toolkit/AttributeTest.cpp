#include <gtest/gtest.h>

#include "tests/toolkit/ReportCapture.h"
#include "toolkit/dv_Attribute.h"

namespace {

TEST(AttributeTest, SetReportsWhetherTheKeyExisted) {
  dv_Attribute attr;
  EXPECT_FALSE(attr.setAttrII(5, 1));
  EXPECT_TRUE(attr.setAttrII(5, 2));
  EXPECT_EQ(attr.getAttrII(5), 2);
  EXPECT_FALSE(attr.setAttrSD("k", 1.5));
  EXPECT_TRUE(attr.setAttrSD("k", 2.5));
  EXPECT_DOUBLE_EQ(attr.getAttrSD("k"), 2.5);
  // The six tables are separate.
  EXPECT_FALSE(attr.hasAttrID(5));
  EXPECT_FALSE(attr.hasAttrSS("k"));
  EXPECT_FALSE(attr.setAttrIS(5, "five"));
  EXPECT_EQ(attr.getAttrIS(5), "five");
  EXPECT_EQ(attr.getAttrSS("missing"), "");
  EXPECT_EQ(attr.getAttrSI("missing"), 0);
  EXPECT_EQ(attr.getAttrID(7), 0.0);
}

TEST(AttributeTest, FreedSlotsAreReused) {
  dv_Attribute attr;
  attr.setAttrII(5, 1);
  attr.setAttrII(6, 1);
  EXPECT_TRUE(attr.deleteAttrII(5));
  EXPECT_FALSE(attr.deleteAttrII(5));
  EXPECT_FALSE(attr.hasAttrII(5));
  EXPECT_FALSE(attr.hasAttrII(-1));  // the free marker is not a key
  attr.setAttrII(9, 3);
  EXPECT_EQ(attr.slotOfAttrII(9), 0);
  attr.setAttrSS("first", "1");
  attr.setAttrSS("second", "2");
  EXPECT_TRUE(attr.deleteAttrSS("first"));
  EXPECT_EQ(attr.getAttrSS(""), "");
  attr.setAttrSS("third", "3");
  EXPECT_EQ(attr.slotOfAttrSS("third"), 0);
  EXPECT_EQ(attr.getAttrSS("second"), "2");
}

TEST(AttributeTest, BadKeysAreRejected) {
  ReportCapture capture;
  dv_Attribute attr;
  EXPECT_FALSE(attr.setAttrII(-1, 1));
  EXPECT_FALSE(attr.setAttrID(-3, 1));
  EXPECT_FALSE(attr.setAttrSS("", "x"));
  EXPECT_FALSE(attr.setAttrSI("", 1));
  EXPECT_FALSE(attr.hasAttrII(-1));
  EXPECT_EQ(capture.take(),
            (std::vector<std::string>{ReportCapture::located("dv_Attribute", "setAttrII", 1, "Key Value Error."),
                                      ReportCapture::located("dv_Attribute", "setAttrID", 1, "Key Value Error."),
                                      ReportCapture::located("dv_Attribute", "setAttrSS", 1, "Key Value Error."),
                                      ReportCapture::located("dv_Attribute", "setAttrSI", 1, "Key Value Error.")}));
}

}  // namespace
