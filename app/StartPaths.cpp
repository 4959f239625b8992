#include "app/StartPaths.h"

#include <filesystem>
#include <system_error>

#include "platform/runtime/TextCodec.h"

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// The current folder as a code page 932 name, or "" when it cannot be read.
std::string currentFolder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  if (error) return {};
#ifdef _WIN32
  return nvrt::wideToCp932Name(folder.u16string());
#else
  return nvrt::utf8ToCp932Name(folder.string());
#endif
}

bool isRelative(const std::string& path) {
  if (path.empty()) return false;
#ifdef _WIN32
  // A drive letter, or a name from the root of the drive or a share.
  if (path.size() >= 2 && path[1] == ':') return false;
  return path[0] != '\\' && path[0] != '/';
#else
  return path[0] != '/';
#endif
}

}  // namespace

std::vector<std::string> resolveStartPaths(const std::vector<std::string>& paths) {
  const std::string folder = currentFolder();
  std::vector<std::string> resolved;
  resolved.reserve(paths.size());
  for (const std::string& path : paths) {
    if (folder.empty() || !isRelative(path)) {
      resolved.push_back(path);
      continue;
    }
    // The root folder already ends with its separator.
    const bool separated = folder.back() == kSeparator;
    resolved.push_back(folder + (separated ? "" : std::string(1, kSeparator)) + path);
  }
  return resolved;
}
