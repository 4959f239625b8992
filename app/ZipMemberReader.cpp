#include "app/ZipMemberReader.h"

bool ZipMemberReader::open(zip_t* archive, zip_uint64_t index) {
  close();
  zip_stat_t st;
  if (zip_stat_index(archive, index, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) return false;
  if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) return false;
  file_ = zip_fopen_index(archive, index, 0);
  declared_ = st.size;
  delivered_ = 0;
  return file_ != nullptr;
}

std::ptrdiff_t ZipMemberReader::read(void* buffer, std::size_t size) {
  if (!file_) return -1;
  const zip_int64_t n = zip_fread(file_, buffer, size);
  if (n < 0) return -1;
  // libzip checks the checksum of what it inflated, not its length.
  if (n == 0 && delivered_ != declared_) return -1;
  delivered_ += static_cast<zip_uint64_t>(n);
  if (delivered_ > declared_) return -1;
  return static_cast<std::ptrdiff_t>(n);
}

void ZipMemberReader::close() {
  if (file_) zip_fclose(file_);
  file_ = nullptr;
}
