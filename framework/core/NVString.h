// The framework's string: a value holding Shift-JIS (code page 932) bytes.
// Every length, index and search is in bytes; nothing here decodes text.
#pragma once

#include <string>

class NVString {
 public:
  NVString() = default;
  NVString(const char* bytes);  // a null pointer gives the empty string
  NVString(const char* bytes, std::size_t size);
  NVString(const std::string& bytes);
  NVString(const NVString&) = default;
  virtual ~NVString() = default;

  const char* cStr() const { return bytes_.c_str(); }
  std::string toStdString() const { return bytes_; }
  const std::string& bytes() const { return bytes_; }
  int length() const { return static_cast<int>(bytes_.size()); }
  bool isEmpty() const { return bytes_.empty(); }

  // Byte index of the first occurrence of `other`, or -1. An empty string is
  // never found, and the search stops at this string's first zero byte.
  int find(const NVString& other) const;
  // The bytes from `start` up to, not including, `end`, clamped to the string.
  NVString mid(int start, int end) const;

  NVString operator=(const NVString& other);
  NVString operator=(const char* bytes);
  NVString operator+(const NVString& other) const;
  NVString operator+(const char* bytes) const;
  NVString operator+(int value) const;
  NVString operator+=(const NVString& other);
  NVString operator+=(const char* bytes);

  bool operator==(const NVString& other) const { return bytes_ == other.bytes_; }
  bool operator!=(const NVString& other) const { return bytes_ != other.bytes_; }
  // Comparisons with a null pointer are false both ways.
  bool operator==(const char* bytes) const;
  bool operator!=(const char* bytes) const;

 private:
  std::string bytes_;
};

NVString operator+(const char* bytes, const NVString& string);
