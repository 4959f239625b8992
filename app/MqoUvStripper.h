// The heart of the conversion, as a stream filter: it takes an .mqo file's
// bytes a block of whole lines at a time and writes them out with the "UV("
// group (and everything after it) cut from every face line of every object.
//
// The rules, line by line: a line holding "Object" starts an object; from
// that line on, lines are copied until one holds "vertex", then until one
// holds "face"; from that line on, every line is a face line and loses its
// UV group, until a line holding "}" ends the chunk and is copied as it is.
// One line can pass several of these steps (the "Object" line is also
// examined for "vertex", and so on). A search looks only at the bytes of a
// line before its first zero byte. Every line is written followed by one
// line feed, the last one (the bytes after the last line feed, possibly
// none) included, and the end of the input simply ends every scan.
//
// Metasequoia 4 can store an object's vertices as a binary chunk: the
// vertex scan also ends at a line holding "BVertex", and in such an object,
// while the face line is sought, a line holding "Vector" that ends (before
// an optional CR) with "[N]" is followed by N bytes of raw data. Those bytes
// are copied unchanged and never searched (they can spell anything, line
// feeds included); reading goes on right after them with a new line. Raw
// data cut short by the end of the input is copied as far as it goes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/ByteSink.h"

class MqoUvStripper {
 public:
  explicit MqoUvStripper(ByteSink& out) : out_(out) {}

  // [begin, end) holds whole lines: end[-1] is a line feed. Raw data of a
  // binary chunk may start or end anywhere in it.
  void processLines(const char* begin, const char* end);
  // Raw bytes of a binary chunk still to come before lines go on. A reader
  // can hand them on with processRawBytes without waiting for a line feed.
  std::uint64_t rawBytesPending() const { return rawPending_; }
  // At most rawBytesPending() bytes of raw data, copied as they are.
  void processRawBytes(const char* begin, const char* end);
  // The bytes after the input's last line feed; ends the stream.
  void processLastLine(const char* begin, const char* end);
  // Whether any "UV(" group was cut.
  bool hadUV() const { return hadUV_; }

 private:
  enum class State { Outside, VertexScan, FaceScan, FaceLines };

  // One line [begin, end); `end` is its line feed, or the end of the input
  // for the last line, in which case the line feed is added.
  void processLine(const char* begin, const char* end, bool hasLineFeed);
  const char* processFaceLines(const char* begin, const char* end);
  // Copies what [begin, end) holds of the pending raw data; returns where
  // lines go on.
  const char* copyRaw(const char* begin, const char* end);
  // The first line in [begin, end) that ends the vertex scan, or null.
  static const char* findVertexLine(const char* begin, const char* end);
  void emitLine(const char* begin, const char* cut, const char* lineEnd, bool hasLineFeed);

  ByteSink& out_;
  State state_ = State::Outside;
  // The line that ended this object's vertex scan held "BVertex".
  bool binaryVertices_ = false;
  std::uint64_t rawPending_ = 0;
  bool hadUV_ = false;
};
