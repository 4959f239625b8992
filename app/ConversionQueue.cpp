#include "app/ConversionQueue.h"

#include "app/ConversionMessages.h"
#include "app/MessageLog.h"
#include "app/RemoveUV.h"

void ConversionQueue::add(std::vector<std::string> paths) { batches_.push_back(std::move(paths)); }

bool ConversionQueue::convertNext() {
  if (batches_.empty()) return false;
  const std::vector<std::string>& batch = batches_.front();
  if (next_ < batch.size()) {
    removeUV(NVString(batch[next_]));
    ++next_;
  }
  if (next_ < batch.size()) return true;
  batches_.pop_front();
  next_ = 0;
  addMessage(NVString(""));
  addMessage(msg::prompt());
  return true;
}

std::size_t ConversionQueue::waitingFiles() const {
  std::size_t count = 0;
  for (const auto& batch : batches_) count += batch.size();
  return count - next_;
}
