// [x] the framework's Japanese face names through embedded aliases
// [x] weight and slant
// [x] Shift-JIS character set as a preference for Japanese coverage
// [ ] per-character fallback to a second face for characters the first lacks
#include "platform/host/text/FontResolver.h"

#include <fontconfig/fontconfig.h>

#include "platform/host/text/FontAliases.h"

namespace nvhost::text {

namespace {

std::string patternString(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value) return {};
  return reinterpret_cast<const char*>(value);
}

int patternInt(FcPattern* pattern, const char* object, int fallback) {
  int value = fallback;
  FcPatternGetInteger(pattern, object, 0, &value);
  return value;
}

FcPattern* makePattern(const FaceQuery& query) {
  FcPattern* pattern = FcPatternCreate();
  if (!query.family.empty())
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(query.family.c_str()));
  FcPatternAddDouble(pattern, FC_WEIGHT, FcWeightFromOpenTypeDouble(query.weight));
  FcPatternAddInteger(pattern, FC_SLANT, query.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  if (query.japanese) FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  return pattern;
}

}  // namespace

FontResolver::FontResolver() : config_(FcInitLoadConfig()) {
  if (!config_) config_ = FcConfigCreate();
  // The aliases go after the system rules; they assign the family in place,
  // so whatever the system rules appended behind it stays a fallback.
  FcConfigParseAndLoadFromMemory(config_, reinterpret_cast<const FcChar8*>(kFontAliasConfig), FcTrue);
  FcConfigBuildFonts(config_);
}

FontResolver::~FontResolver() { FcConfigDestroy(config_); }

bool FontResolver::resolve(const FaceQuery& query, ResolvedFace& out) const {
  FcPattern* pattern = makePattern(query);
  FcConfigSubstitute(config_, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config_, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return false;
  out.file = patternString(match, FC_FILE);
  out.index = patternInt(match, FC_INDEX, 0);
  out.family = patternString(match, FC_FAMILY);
  FcPatternDestroy(match);
  return !out.file.empty();
}

}  // namespace nvhost::text

// fontconfig 2.14 loses a few hundred bytes while parsing the system's
// configuration files, once per configuration. The sanitizer builds would
// report it in every program that draws text; it is not ours to mend. A
// process has one list, so it also holds Mesa's off-screen driver, which
// keeps the framebuffer of a context made current after the context is
// destroyed (programs that draw 3D items off-screen link both).
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NVHOST_TEXT_LSAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(NVHOST_TEXT_LSAN)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libOSMesa.so\n"; }
#endif
