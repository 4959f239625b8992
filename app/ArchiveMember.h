// What the conversion of an archive needs to know about one member.
#pragma once

#include <zip.h>

#include <string>

struct ArchiveMember {
  zip_uint64_t index = 0;
  // The name's bytes as stored, and whether the archive marks it as UTF-8.
  std::string name;
  bool utf8Name = false;
  zip_stat_t stat{};
  // A model file (name ending in .mqo), converted rather than copied.
  bool isModel = false;
  bool hadUV = false;
  zip_uint64_t convertedSize = 0;
};
