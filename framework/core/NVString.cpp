#include "framework/core/NVString.h"

#include <cstring>

NVString::NVString(const char* bytes) : bytes_(bytes ? bytes : "") {}

NVString::NVString(const char* bytes, std::size_t size) : bytes_(bytes, size) {}

NVString::NVString(const std::string& bytes) : bytes_(bytes) {}

int NVString::find(const NVString& other) const {
  if (bytes_.empty() || other.bytes_.empty()) return -1;
  const char* hit = std::strstr(bytes_.c_str(), other.bytes_.c_str());
  return hit ? static_cast<int>(hit - bytes_.c_str()) : -1;
}

NVString NVString::mid(int start, int end) const {
  const int size = length();
  if (end > size) end = size;
  if (start < 0) start = 0;
  if (start > size || end - start <= 0) return NVString();
  return NVString(bytes_.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
}

NVString NVString::operator=(const NVString& other) {
  if (this != &other) bytes_ = other.bytes_;
  return *this;
}

NVString NVString::operator=(const char* bytes) {
  bytes_ = bytes ? bytes : "";
  return *this;
}

NVString NVString::operator+(const NVString& other) const { return NVString(bytes_ + other.bytes_); }

NVString NVString::operator+(const char* bytes) const { return bytes ? NVString(bytes_ + bytes) : *this; }

NVString NVString::operator+(int value) const { return NVString(bytes_ + std::to_string(value)); }

NVString NVString::operator+=(const NVString& other) {
  bytes_ += other.bytes_;
  return *this;
}

NVString NVString::operator+=(const char* bytes) {
  if (bytes) bytes_ += bytes;
  return *this;
}

bool NVString::operator==(const char* bytes) const { return bytes && bytes_ == bytes; }

bool NVString::operator!=(const char* bytes) const { return bytes && bytes_ != bytes; }

NVString operator+(const char* bytes, const NVString& string) {
  return bytes ? NVString(std::string(bytes) + string.bytes()) : string;
}
