#include "ModelDrops.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "ChildProcess.h"
#include "tests/support/TempDir.h"

namespace e2e {

namespace fs = std::filesystem;

namespace {

const char* kModel =
    "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\nObject \"obj1\" {\r\n\tvertex 3 {\r\n"
    "\t\t0 0 0\r\n\t\t1 0 0\r\n\t\t0 1 0\r\n\t}\r\n\tface 1 {\r\n\t\t3 V(0 1 2) UV(0 0 1 0 0 1)\r\n"
    "\t}\r\n}\r\nEof\r\n";

}  // namespace

fs::path writeModel(const fs::path& dir, const std::string& name) {
  const fs::path path = dir / name;
  std::ofstream(path, std::ios::binary) << kModel;
  return path;
}

fs::path converted(const fs::path& input) {
  return input.parent_path() / (input.stem().string() + "_noUV" + input.extension().string());
}

bool convertedWhole(const fs::path& input) {
  const std::string out = readFileBytes(converted(input));
  return out.find("Eof") != std::string::npos && out.find("UV(") == std::string::npos;
}

int dropFiles(XvfbScreen& screen, int x, int y, const std::vector<fs::path>& files) {
  std::vector<std::string> argv = {std::string(BRISEL_BIN_DIR) + "/brisel_xdnd_source", std::to_string(x),
                                   std::to_string(y)};
  for (const fs::path& f : files) argv.push_back(f.string());
  ChildProcess source(argv, {screen.environment()});
  int status = -1;
  return source.wait(status, 20000) ? status : -1;
}

}  // namespace e2e
