// Files waiting for conversion, in the order they were dropped, one batch
// per drop. The frame loop converts one file per turn, so that between two
// files the window answers: input is sampled, events are dispatched and
// each file's lines are shown as soon as that file is done.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

class ConversionQueue {
 public:
  // One drop's paths (code page 932), converted after every earlier batch.
  void add(std::vector<std::string> paths);
  // Converts the next file; after a batch's last file logs the empty
  // separator line and the prompt. False when nothing waits.
  bool convertNext();
  bool empty() const { return batches_.empty(); }
  // Forgets every file not yet reached.
  void clear() { batches_.clear(), next_ = 0; }
  // Files not yet reached, over every batch.
  std::size_t waitingFiles() const;

 private:
  std::deque<std::vector<std::string>> batches_;
  std::size_t next_ = 0;  // index of the next file in the first batch
};
