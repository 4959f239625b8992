// File and memory loading and saving of dv_Image. Every loader decodes into
// a separate image and takes its pixels only on success, so that a failed
// load leaves nothing half-built behind.
#include <vector>

#include "toolkit/dv_BmpCodec.h"
#include "toolkit/dv_FileBytes.h"
#include "toolkit/dv_Image.h"
#include "toolkit/dv_JpegCodec.h"
#include "toolkit/dv_PngCodec.h"

namespace {

using Decoder = int (*)(const uint8_t*, size_t, dv_Image&);

int loadWith(Decoder decoder, dv_Image& target, const void* data, size_t size) {
  if (data == nullptr && size > 0) return dv_Image::LoadFormatError;
  dv_Image decoded;
  const int result = decoder(static_cast<const uint8_t*>(data), size, decoded);
  if (result == dv_Image::LoadOk) target.adopt(decoded);
  return result;
}

int loadFileWith(Decoder decoder, dv_Image& target, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!dv_ReadFileBytes(path, bytes)) return dv_Image::LoadCannotOpen;
  return loadWith(decoder, target, bytes.data(), bytes.size());
}

int decodeJpegAsResult(const uint8_t* data, size_t size, dv_Image& out) {
  return dv_DecodeJpeg(data, size, out) ? dv_Image::LoadOk : dv_Image::LoadFormatError;
}

}  // namespace

int dv_Image::loadBMP(const std::string& path) { return loadFileWith(dv_DecodeBmp, *this, path); }

int dv_Image::loadBMPData(const void* data, size_t size) { return loadWith(dv_DecodeBmp, *this, data, size); }

int dv_Image::loadPNG(const std::string& path) { return loadFileWith(dv_DecodePng, *this, path); }

int dv_Image::loadPNGData(const void* data, size_t size) { return loadWith(dv_DecodePng, *this, data, size); }

bool dv_Image::loadJPEG(const std::string& path) { return loadFileWith(decodeJpegAsResult, *this, path) == LoadOk; }

bool dv_Image::loadJPEGData(const void* data, size_t size) {
  return loadWith(decodeJpegAsResult, *this, data, size) == LoadOk;
}

bool dv_Image::saveBMP(const std::string& path, bool withAlpha) const { return dv_EncodeBmp(*this, path, withAlpha); }

bool dv_Image::savePNG(const std::string& path, bool withAlpha) const { return dv_EncodePng(*this, path, withAlpha); }

bool dv_Image::saveJPEG(const std::string& path, int quality) const { return dv_EncodeJpeg(*this, path, quality); }
