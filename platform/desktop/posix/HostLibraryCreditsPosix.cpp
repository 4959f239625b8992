// The portable host draws text with FreeType and fontconfig, talks to the
// desktop through SDL2 (and Xlib for drop positions) and writes screenshots
// with libpng.
#include "platform/desktop/HostLibraryCredits.h"

#include <SDL_version.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <png.h>

#define NV_STR2(x) #x
#define NV_STR(x) NV_STR2(x)

namespace nvrt {

std::vector<std::string> hostLibraryCredits() {
  return {
      "SDL2 " NV_STR(SDL_MAJOR_VERSION) "." NV_STR(SDL_MINOR_VERSION) "." NV_STR(
          SDL_PATCHLEVEL) "  (C) Sam Lantinga  https://www.libsdl.org/",
      "FreeType " NV_STR(FREETYPE_MAJOR) "." NV_STR(FREETYPE_MINOR) "." NV_STR(
          FREETYPE_PATCH) "  (C) The FreeType Project  https://freetype.org/",
      "Fontconfig " NV_STR(FC_MAJOR) "." NV_STR(FC_MINOR) "." NV_STR(
          FC_REVISION) "  (C) Keith Packard and others  https://www.freedesktop.org/wiki/Software/fontconfig/",
      "Xlib (libX11)  (C) The X.Org Foundation  https://www.x.org/",
      "libpng " PNG_LIBPNG_VER_STRING
      "  (C) The PNG Reference Library Authors  http://www.libpng.org/pub/png/libpng.html",
  };
}

}  // namespace nvrt
