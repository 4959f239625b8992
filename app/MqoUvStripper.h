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
#pragma once

#include <cstddef>

#include "app/ByteSink.h"

class MqoUvStripper {
 public:
  explicit MqoUvStripper(ByteSink& out) : out_(out) {}

  // [begin, end) holds whole lines: end[-1] is a line feed.
  void processLines(const char* begin, const char* end);
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
  void emitLine(const char* begin, const char* cut, const char* lineEnd, bool hasLineFeed);

  ByteSink& out_;
  State state_ = State::Outside;
  bool hadUV_ = false;
};
