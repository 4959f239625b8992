#include "framework/widgets/NVLibraryCredits.h"

#include <algorithm>
#include <string>

#include "platform/desktop/HostLibraryCredits.h"
#include "toolkit/dv_JpegCodec.h"
#include "toolkit/dv_PngCodec.h"

std::vector<NVString> libraryCreditLines() {
  std::vector<std::string> lines = {"Nolva GUI framework 1.0.0  (C) The Brisel developers",
                                    "Dovan 3D toolkit 1.0.0  (C) The Brisel developers"};
  std::vector<std::string> libraries = nvrt::hostLibraryCredits();
  for (auto&& part : {dv_PngLibraryCredits(), dv_JpegLibraryCredits()})
    libraries.insert(libraries.end(), part.begin(), part.end());
  // The host and the toolkit may use the same library (libpng); list it once.
  for (const std::string& line : libraries)
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
  std::vector<NVString> out;
  for (const std::string& line : lines) out.push_back(NVString(line));
  return out;
}
