#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>
#include <type_traits>

#include "platform/runtime/TextCodec.h"

TempDir::TempDir() {
  // A fresh name: create_directory refuses one that exists.
  static std::random_device seed;
  std::mt19937 random(seed());
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate = base / ("brisel-test-" + std::to_string(random()));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir() {
  std::error_code error;
  // Tests may leave read-only folders behind; make them writable first.
  // Incremented with an error code: a destructor must not throw, and folders
  // deeper than Windows' path limit can fail to open.
  const std::filesystem::recursive_directory_iterator end;
  for (std::filesystem::recursive_directory_iterator it(path_, error); !error && it != end; it.increment(error))
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 error);
  error.clear();
  std::filesystem::remove_all(path_, error);
}

std::filesystem::path utf8Path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string hostPathToCp932(const std::string& utf8) {
  const std::filesystem::path path = utf8Path(utf8);
  if constexpr (std::is_same_v<std::filesystem::path::value_type, wchar_t>) {
    const std::wstring wide = path.wstring();
    return nvrt::wideToCp932Name(std::u16string(wide.begin(), wide.end()));
  } else {
    return nvrt::utf8ToCp932Name(utf8);
  }
}

std::string TempDir::file(const std::string& name) const {
  const std::u8string text = at(name).u8string();
  return std::string(text.begin(), text.end());
}

std::string readFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write fixture " + path.string());
}
