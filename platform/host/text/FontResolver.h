// Face names to font files through fontconfig, with the program's own alias
// rules added to the system configuration. Not thread-safe: the font library
// calls it under its lock.
#pragma once

#include <string>

typedef struct _FcConfig FcConfig;

namespace nvhost::text {

struct FaceQuery {
  std::string family;  // UTF-8; empty means the default face
  int weight = 400;    // OpenType weight, 100…1000
  bool italic = false;
  bool japanese = false;  // prefer faces that cover Japanese
};

struct ResolvedFace {
  std::string file;
  int index = 0;
  std::string family;
};

class FontResolver {
 public:
  FontResolver();
  ~FontResolver();
  FontResolver(const FontResolver&) = delete;
  FontResolver& operator=(const FontResolver&) = delete;

  // The best installed face for the query; false when fontconfig has none.
  bool resolve(const FaceQuery& query, ResolvedFace& out) const;

 private:
  FcConfig* config_;
};

}  // namespace nvhost::text
