#include <gtest/gtest.h>

#include <string>

#include "app/ModelPath.h"

namespace {

struct PathCase {
  const char* path;
  const char* extension;
  const char* baseName;
  const char* fileName;
  const char* outputFileName;
  const char* outputPath;
};

// "\x95\x5C" is one code page 932 character whose second byte is a backslash.
const PathCase kCases[] = {
    {"C:\\models\\cube.mqo", "mqo", "cube", "cube.mqo", "cube_noUV.mqo", "C:\\models\\cube_noUV.mqo"},
    {"/home/u/a.b.mqoz", "mqoz", "a.b", "a.b.mqoz", "a.b_noUV.mqoz", "/home/u/a.b_noUV.mqoz"},
    {"cube.mqo", "mqo", "cube", "cube.mqo", "cube_noUV.mqo", "cube_noUV.mqo"},
    {"D:cube.MQO", "MQO", "cube", "cube.MQO", "cube_noUV.MQO", "D:cube_noUV.MQO"},
    {"dir/\x95\x5C.mqo", "mqo", "\x95\x5C", "\x95\x5C.mqo", "\x95\x5C_noUV.mqo", "dir/\x95\x5C_noUV.mqo"},
    {"dir.v2/model", "", "model", "model", "model_noUV.", "dir.v2/model_noUV."},
    {"dir/model.", "", "model", "model.", "model_noUV.", "dir/model_noUV."},
    {"mixed\\sep/.mqo", "mqo", "", ".mqo", "_noUV.mqo", "mixed\\sep/_noUV.mqo"},
};

TEST(ModelPath, SplitsOnceIntoThePartsTheConversionNames) {
  for (const PathCase& c : kCases) {
    const ModelPath model{NVString(c.path)};
    EXPECT_EQ(model.path().bytes(), c.path);
    EXPECT_EQ(model.extension().bytes(), c.extension) << c.path;
    EXPECT_EQ(model.baseName().bytes(), c.baseName) << c.path;
    EXPECT_EQ(model.fileName().bytes(), c.fileName) << c.path;
    EXPECT_EQ(model.outputFileName().bytes(), c.outputFileName) << c.path;
    EXPECT_EQ(model.outputPath().bytes(), c.outputPath) << c.path;
  }
}

}  // namespace
