#include "tests/app/ArchiveConversionCheck.h"

#include <zip.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "app/MessageLog.h"
#include "app/RemoveUV.h"
#include "tests/app/ReferenceConversion.h"

namespace {

struct Member {
  std::string name;
  std::string bytes;
};

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool isModel(const std::string& name) { return name.size() >= 4 && name.compare(name.size() - 4, 4, ".mqo") == 0; }

// Every member, or nothing when libzip cannot read them all (or one is
// implausibly large for an input this small).
std::optional<std::vector<Member>> members(const std::string& archive) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* src = zip_source_buffer_create(archive.data(), archive.size(), 0, &error);
  zip_t* za = src ? zip_open_from_source(src, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
  zip_error_fini(&error);
  if (!za) {
    if (src) zip_source_free(src);
    return std::nullopt;
  }
  std::vector<Member> result;
  bool ok = true;
  for (zip_int64_t i = 0; ok && i < zip_get_num_entries(za, 0); ++i) {
    const char* name = zip_get_name(za, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
    zip_file_t* file = zip_fopen_index(za, static_cast<zip_uint64_t>(i), 0);
    ok = name && file;
    Member member{name ? name : "", ""};
    char block[65536];
    for (zip_int64_t n = 1; ok && n > 0 && member.bytes.size() < (64u << 20);) {
      n = zip_fread(file, block, sizeof block);
      if (n < 0) ok = false;
      if (n > 0) member.bytes.append(block, static_cast<std::size_t>(n));
    }
    if (file) zip_fclose(file);
    result.push_back(member);
  }
  zip_discard(za);
  if (!ok) return std::nullopt;
  return result;
}

std::string renamed(const std::string& name) {
  return name == "fuzz.mqo" || (name.size() > 9 && name.compare(name.size() - 9, 9, "/fuzz.mqo") == 0)
             ? name.substr(0, name.size() - 4) + "_noUV.mqo"
             : name;
}

std::string checkOutput(const std::string& input, const std::string& output) {
  const std::optional<std::vector<Member>> in = members(input);
  const std::optional<std::vector<Member>> out = members(output);
  if (!in) return "an output was written for an archive libzip cannot read";
  if (!out) return "the output is not a readable archive";
  if (in->size() != out->size()) return "the output has a different number of members";
  bool hadUV = false;
  for (std::size_t i = 0; i < in->size(); ++i) {
    const Member& a = (*in)[i];
    const Member& b = (*out)[i];
    if (b.name != (isModel(a.name) ? renamed(a.name) : a.name)) return "member " + a.name + " has the wrong name";
    if (!isModel(a.name)) {
      if (b.bytes != a.bytes) return "member " + a.name + " was changed";
      continue;
    }
    const ReferenceResult expected = referenceConversion(a.bytes);
    hadUV = hadUV || expected.hadUV;
    if (b.bytes != expected.output) return "model " + a.name + " differs from the reference conversion";
  }
  return hadUV ? "" : "an output was written although no model had UV data";
}

std::string checkNoOutput(const std::string& input, bool result) {
  if (!result) return "";
  const std::optional<std::vector<Member>> in = members(input);
  if (!in) return "";
  for (const Member& m : *in)
    if (isModel(m.name) && referenceConversion(m.bytes).hadUV) return "a model had UV data but nothing was written";
  return "";
}

}  // namespace

std::string checkArchiveConversion(const std::filesystem::path& folder, const std::string& archive) {
  const std::filesystem::path input = folder / "fuzz.mqoz";
  const std::filesystem::path output = folder / "fuzz_noUV.mqoz";
  std::ofstream(input, std::ios::binary).write(archive.data(), static_cast<std::streamsize>(archive.size()));
  applicationLog().clear();
  const bool result = removeUV(NVString(input.string()));
  std::string problem;
  if (fileBytes(input) != archive) problem = "the input was changed";
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
  const bool written = std::filesystem::exists(output);
  if (problem.empty() && entries != (written ? 2 : 1)) problem = "a temporary file was left behind";
  if (problem.empty() && written && !result) problem = "an output was written for a failed conversion";
  if (problem.empty()) problem = written ? checkOutput(archive, fileBytes(output)) : checkNoOutput(archive, result);
  std::filesystem::remove(input);
  std::filesystem::remove(output);
  return problem;
}
