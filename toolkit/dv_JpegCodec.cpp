#include "toolkit/dv_JpegCodec.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <jerror.h>

#include "toolkit/dv_Image.h"
#include "toolkit/dv_JpegStream.h"

namespace {

char kClientData[] = "dv_Image JPEG Proc";

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1); }

void stayQuiet(j_common_ptr) {}

void installErrors(ErrorManager& errors) {
  jpeg_std_error(&errors.pub);
  errors.pub.error_exit = leave;
  errors.pub.output_message = stayQuiet;
}

// The decoder only warns about damaged data (a scan cut short, a bad code,
// bytes between markers) and fills in grey; such a stream fails instead.
// Warnings about metadata alone leave the pixels sound and are ignored, as
// are trace messages.
void failOnDamage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  switch (cinfo->err->msg_code) {
    case JWRN_ADOBE_XFORM:
    case JWRN_JFIF_MAJOR:
    case JWRN_BOGUS_ICC: return;
    default: leave(cinfo);
  }
}

// A source over memory that treats the end of the data as an error, so that
// a cut stream fails instead of decoding as grey.
void initSource(j_decompress_ptr) {}
boolean fillInput(j_decompress_ptr cinfo) {
  ERREXIT(cinfo, JERR_INPUT_EOF);
  return FALSE;
}
void skipInput(j_decompress_ptr cinfo, long n) {
  if (n <= 0) return;
  if (static_cast<unsigned long>(n) > cinfo->src->bytes_in_buffer) ERREXIT(cinfo, JERR_INPUT_EOF);
  cinfo->src->next_input_byte += n;
  cinfo->src->bytes_in_buffer -= static_cast<size_t>(n);
}
void termSource(j_decompress_ptr) {}

struct DecodeState {
  dv_JpegStreamFacts facts;
  jpeg_decompress_struct cinfo;
  ErrorManager errors;
  jpeg_source_mgr source;
  std::vector<uint8_t> row;
};

bool allocateRow(std::vector<uint8_t>& row, size_t bytes) {
  try {
    row.resize(bytes);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

// Every 8 x 8 block of every component costs at least one bit of coded
// data (its DC code, even in a progressive stream), so a frame header that
// announces more blocks than the scans have bits is a lie, refused before
// anything is sized from it.
bool dataCanHold(const jpeg_decompress_struct& cinfo, const dv_JpegStreamFacts& facts) {
  if (!facts.everyComponentCoded) return false;
  if (cinfo.output_width > static_cast<unsigned>(dv_Image::MaxSide) ||
      cinfo.output_height > static_cast<unsigned>(dv_Image::MaxSide))
    return false;
  uint64_t blocks = 0;
  for (int c = 0; c < cinfo.num_components; ++c)
    blocks += static_cast<uint64_t>(cinfo.comp_info[c].width_in_blocks) * cinfo.comp_info[c].height_in_blocks;
  return blocks <= facts.entropyBytes * 8;
}

// Holds no object with a destructor: the decoder leaves it by longjmp.
bool decode(DecodeState& s, const uint8_t* data, size_t size, dv_Image& out) {
  jpeg_decompress_struct* cinfo = &s.cinfo;
  cinfo->err = &s.errors.pub;
  if (setjmp(s.errors.jump)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  jpeg_create_decompress(cinfo);
  cinfo->client_data = kClientData;
  s.source.next_input_byte = data;
  s.source.bytes_in_buffer = size;
  s.source.init_source = initSource;
  s.source.fill_input_buffer = fillInput;
  s.source.skip_input_data = skipInput;
  s.source.resync_to_restart = jpeg_resync_to_restart;
  s.source.term_source = termSource;
  cinfo->src = &s.source;
  jpeg_read_header(cinfo, TRUE);
  cinfo->out_color_space = JCS_RGB;
  jpeg_calc_output_dimensions(cinfo);
  const bool ok = dataCanHold(*cinfo, s.facts) && allocateRow(s.row, static_cast<size_t>(cinfo->output_width) * 3) &&
                  out.reset(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height), true);
  if (!ok) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  jpeg_start_decompress(cinfo);
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW rowPointer = s.row.data();
    jpeg_read_scanlines(cinfo, &rowPointer, 1);
    uint8_t* dst = out.getBuffer() + out.pixelOffset(0, static_cast<int>(cinfo->output_scanline) - 1);
    for (JDIMENSION x = 0; x < cinfo->output_width; ++x, dst += 4) {
      std::memcpy(dst, s.row.data() + 3 * x, 3);
      dst[3] = 255;
    }
  }
  jpeg_finish_decompress(cinfo);
  jpeg_destroy_decompress(cinfo);
  out.markAllUpdated();
  return true;
}

// A destination that writes to a file through a fixed buffer.
struct FileDestination {
  jpeg_destination_mgr pub;
  std::FILE* file;
  JOCTET buffer[4096];
};

void initDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<FileDestination*>(cinfo->dest);
  d->pub.next_output_byte = d->buffer;
  d->pub.free_in_buffer = sizeof d->buffer;
}

boolean emptyOutput(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<FileDestination*>(cinfo->dest);
  if (std::fwrite(d->buffer, 1, sizeof d->buffer, d->file) != sizeof d->buffer) ERREXIT(cinfo, JERR_FILE_WRITE);
  d->pub.next_output_byte = d->buffer;
  d->pub.free_in_buffer = sizeof d->buffer;
  return TRUE;
}

void termDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<FileDestination*>(cinfo->dest);
  const size_t n = sizeof d->buffer - d->pub.free_in_buffer;
  if (std::fwrite(d->buffer, 1, n, d->file) != n) ERREXIT(cinfo, JERR_FILE_WRITE);
}

struct EncodeState {
  jpeg_compress_struct cinfo;
  ErrorManager errors;
  FileDestination destination;
  std::vector<uint8_t> row;
};

// Holds no object with a destructor: the encoder leaves it by longjmp.
bool encode(EncodeState& s, const dv_Image& image, int quality) {
  jpeg_compress_struct* cinfo = &s.cinfo;
  cinfo->err = &s.errors.pub;
  if (setjmp(s.errors.jump)) {
    jpeg_destroy_compress(cinfo);
    return false;
  }
  jpeg_create_compress(cinfo);
  cinfo->client_data = kClientData;
  s.destination.pub.init_destination = initDestination;
  s.destination.pub.empty_output_buffer = emptyOutput;
  s.destination.pub.term_destination = termDestination;
  cinfo->dest = &s.destination.pub;
  cinfo->image_width = static_cast<JDIMENSION>(image.getWidth());
  cinfo->image_height = static_cast<JDIMENSION>(image.getHeight());
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_RGB;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, quality, TRUE);
  jpeg_start_compress(cinfo, TRUE);
  while (cinfo->next_scanline < cinfo->image_height) {
    const uint8_t* src = image.getBuffer() + image.pixelOffset(0, static_cast<int>(cinfo->next_scanline));
    for (int x = 0; x < image.getWidth(); ++x) std::memcpy(s.row.data() + 3 * x, src + 4 * x, 3);
    JSAMPROW rowPointer = s.row.data();
    jpeg_write_scanlines(cinfo, &rowPointer, 1);
  }
  jpeg_finish_compress(cinfo);
  jpeg_destroy_compress(cinfo);
  return true;
}

}  // namespace

bool dv_DecodeJpeg(const uint8_t* data, size_t size, dv_Image& out) {
  auto state = std::make_unique<DecodeState>();
  std::memset(&state->cinfo, 0, sizeof state->cinfo);
  installErrors(state->errors);
  state->errors.pub.emit_message = failOnDamage;
  state->facts = dv_ScanJpegStream(data, size);
  return decode(*state, data, size, out);
}

bool dv_EncodeJpeg(const dv_Image& image, const std::string& path, int quality) {
  if (image.isEmpty()) return false;
  quality = quality < 0 ? 0 : quality > 100 ? 100 : quality;
  auto state = std::make_unique<EncodeState>();
  std::memset(&state->cinfo, 0, sizeof state->cinfo);
  installErrors(state->errors);
  if (!allocateRow(state->row, static_cast<size_t>(image.getWidth()) * 3)) return false;
  state->destination.file = std::fopen(path.c_str(), "wb");
  if (state->destination.file == nullptr) return false;
  bool ok = encode(*state, image, quality);
  ok = std::fclose(state->destination.file) == 0 && ok;
  if (!ok) std::remove(path.c_str());
  return ok;
}

#define DV_STR2(x) #x
#define DV_STR(x) DV_STR2(x)

std::vector<std::string> dv_JpegLibraryCredits() {
#ifdef LIBJPEG_TURBO_VERSION
  return {"libjpeg-turbo " DV_STR(LIBJPEG_TURBO_VERSION)
          "  (C) The libjpeg-turbo Project and the Independent JPEG Group  https://libjpeg-turbo.org/"};
#else
  return {"libjpeg " DV_STR(JPEG_LIB_VERSION) "  (C) The Independent JPEG Group  https://www.ijg.org/"};
#endif
}
