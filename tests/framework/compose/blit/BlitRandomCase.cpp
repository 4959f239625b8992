#include "tests/framework/compose/blit/BlitRandomCase.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>

namespace {

// Only the raw engine output is used: the standard distributions differ
// between library implementations, and the batch checksum must not.
struct Draw {
  std::mt19937 engine;
  int range(int lo, int hi) { return lo + int(engine() % std::uint32_t(hi - lo + 1)); }
  bool chance(int percent) { return range(0, 99) < percent; }
  double real(double lo, double hi) { return lo + (hi - lo) * (engine() / 4294967296.0); }
};

std::uint32_t randomPixel(Draw& d) {
  const int kind = d.range(0, 9);
  const std::uint32_t alpha = kind < 3 ? 255u : kind < 5 ? 0u : std::uint32_t(d.range(0, 255));
  return (alpha << 24) | (d.engine() & 0xFFFFFFu);
}

// A matrix like an item's: scale and rotation about a centre, sometimes
// followed by a parent's own, sometimes a plain identity or a shear.
NVBlitMatrix randomMatrix(Draw& d, double centreX, double centreY) {
  NVBlitMatrix m;
  const int kind = d.range(0, 9);
  if (kind < 2) {
    return m;
  }
  const double sx = d.chance(30) ? 1.0 : d.real(0.4, 2.5), sy = d.chance(30) ? sx : d.real(0.4, 2.5);
  const double deg = kind < 4 ? 0.0 : kind < 6 ? 90.0 * d.range(-2, 2) : d.real(-180.0, 180.0);
  const double th = deg * 3.141592 / 180.0, s = std::sin(th), k = std::cos(th);
  const double cx = centreX + d.real(-4.0, 4.0), cy = centreY + d.real(-4.0, 4.0);
  m.xx = k * sx;
  m.xy = -s * sy;
  m.yx = s * sx;
  m.yy = k * sy;
  m.tx = cx - k * sx * cx + s * sy * cy;
  m.ty = cy - s * sx * cx - k * sy * cy;
  if (kind == 9) {
    m.xy += d.real(-0.5, 0.5);
  }
  return m;
}

void randomClip(Draw& d, NVBlitParams& p) {
  if (d.chance(60)) {
    p.clip.left = -d.range(0, 2);
    p.clip.top = -d.range(0, 2);
    p.clip.right = p.target.width + d.range(0, 2);
    p.clip.bottom = p.target.height + d.range(0, 2);
    return;
  }
  p.clip.left = d.range(-4, p.target.width - 1);
  p.clip.top = d.range(-4, p.target.height - 1);
  p.clip.right = d.chance(10) ? p.clip.left - d.range(0, 3) : d.range(p.clip.left + 1, p.target.width + 4);
  p.clip.bottom = d.range(p.clip.top + 1, p.target.height + 4);
}

struct ByteReader {
  const std::uint8_t* data;
  std::size_t size;
  template <typename T>
  void next(T& value) {
    if (size >= sizeof(T)) {
      std::memcpy(&value, data, sizeof(T));
      data += sizeof(T);
      size -= sizeof(T);
    }
  }
};

}  // namespace

BlitCase blitCaseFromBytes(const std::uint8_t* data, std::size_t size) {
  ByteReader in{data, size};
  std::uint32_t seed = 0;
  in.next(seed);
  BlitCase c = makeBlitCase(seed);
  NVBlitParams& p = c.params;
  for (double* d : {&p.matrix.xx, &p.matrix.xy, &p.matrix.tx, &p.matrix.yx, &p.matrix.yy, &p.matrix.ty}) {
    in.next(*d);
  }
  for (int* i : {&p.absX, &p.absY, &p.offsetX, &p.offsetY, &p.itemWidth, &p.itemHeight, &p.alpha, &p.blendMode,
                 &p.clip.left, &p.clip.top, &p.clip.right, &p.clip.bottom}) {
    in.next(*i);
  }
  c.bind();
  return c;
}

void BlitCase::bind() {
  params.target.pixels = target.data();
  params.source = source.data();
  params.ancestors = ancestors.data();
  params.ancestorCount = int(ancestors.size());
}

BlitCase makeBlitCase(std::uint32_t iteration) {
  Draw d{std::mt19937(iteration)};
  BlitCase c;
  NVBlitParams& p = c.params;
  c.filter = d.range(0, 1);
  c.layout = d.range(1, 2);
  c.clipped = d.chance(30);
  // Some wide targets, so that vector kernels see long rows.
  p.target.width = d.chance(20) ? d.range(48, 160) : d.range(1, 48);
  p.target.height = d.range(1, 48);
  p.target.stride = p.target.width + (d.chance(50) ? 0 : d.range(1, 5));
  c.target.resize(std::size_t(p.target.stride) * std::size_t(p.target.height));
  for (std::uint32_t& w : c.target) {
    w = randomPixel(d);
  }
  p.sourceWidth = p.target.width > 48 ? d.range(16, 96) : d.range(1, 24);
  p.sourceHeight = d.range(1, 24);
  c.source.resize(std::size_t(p.sourceWidth) * std::size_t(p.sourceHeight));
  for (std::uint32_t& w : c.source) {
    w = randomPixel(d);
  }
  p.itemWidth = d.chance(5) ? 0 : d.range(1, p.sourceWidth + 8);
  p.itemHeight = d.chance(5) ? 0 : d.range(1, 32);
  p.offsetX = d.chance(60) ? 0 : d.range(-3, 3);
  p.offsetY = d.chance(60) ? 0 : d.range(-3, 3);
  p.alpha = d.chance(40) ? 255 : d.range(0, 255);
  p.blendMode = d.chance(30) ? 0 : d.range(0, 10);
  p.filter = c.filter;
  p.absX = d.range(-std::min(p.itemWidth, p.sourceWidth) / 2 - 2, p.target.width - 1);
  p.absY = d.range(-std::min(p.itemHeight, p.sourceHeight) / 2 - 2, p.target.height - 1);
  p.matrix = randomMatrix(d, p.absX + p.itemWidth * 0.5, p.absY + p.itemHeight * 0.5);
  randomClip(d, p);
  const int ancestorCount = c.clipped ? d.range(0, 2) : 0;
  for (int a = 0; a < ancestorCount; ++a) {
    NVBlitClipAncestor anc;
    anc.absX = p.absX + d.range(-8, 4);
    anc.absY = p.absY + d.range(-8, 4);
    anc.width = d.chance(5) ? 0 : d.range(4, 40);
    anc.height = d.chance(5) ? 0 : d.range(4, 40);
    anc.matrix = d.chance(50) ? p.matrix : randomMatrix(d, anc.absX + anc.width * 0.5, anc.absY + anc.height * 0.5);
    c.ancestors.push_back(anc);
  }
  c.bind();
  return c;
}

std::string BlitCase::describe() const {
  const NVBlitParams& p = params;
  const NVBlitMatrix& m = p.matrix;
  std::ostringstream out;
  out.precision(17);
  out << "filter " << filter << " layout " << layout << " clipped " << clipped << "\n"
      << "target " << p.target.width << "x" << p.target.height << " stride " << p.target.stride << " clip ("
      << p.clip.left << ", " << p.clip.top << ")-(" << p.clip.right << ", " << p.clip.bottom << ")\n"
      << "source " << p.sourceWidth << "x" << p.sourceHeight << " offset (" << p.offsetX << ", " << p.offsetY
      << ")\nitem " << p.itemWidth << "x" << p.itemHeight << " at (" << p.absX << ", " << p.absY << ") alpha "
      << p.alpha << " mode " << p.blendMode << "\nmatrix [" << m.xx << " " << m.xy << " " << m.tx << "; " << m.yx << " "
      << m.yy << " " << m.ty << "]\n";
  for (const NVBlitClipAncestor& a : ancestors) {
    out << "ancestor " << a.width << "x" << a.height << " at (" << a.absX << ", " << a.absY << ") matrix ["
        << a.matrix.xx << " " << a.matrix.xy << " " << a.matrix.tx << "; " << a.matrix.yx << " " << a.matrix.yy << " "
        << a.matrix.ty << "]\n";
  }
  return out.str();
}

std::uint32_t crc32Words(std::uint32_t crc, const std::vector<std::uint32_t>& words) {
  crc = ~crc;
  for (std::uint32_t w : words) {
    for (int b = 0; b < 4; ++b) {
      crc ^= (w >> (8 * b)) & 0xFFu;
      for (int k = 0; k < 8; ++k) {
        crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
      }
    }
  }
  return ~crc;
}
