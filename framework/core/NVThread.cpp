#include "framework/core/NVThread.h"

#include <chrono>

NVThread::~NVThread() { joinThread(); }

void NVThread::joinThread() {
  requestStop();
  if (thread_ && thread_->joinable()) {
    if (thread_->get_id() == std::this_thread::get_id())
      thread_->detach();
    else
      thread_->join();
  }
  thread_.reset();
  stopRequested_ = true;
  finished_ = true;
  started_ = false;
}

void NVThread::start() {
  if (started_) return;
  // A thread that ran before must be joined before its handle is replaced.
  if (thread_ && thread_->joinable()) thread_->join();
  finished_ = false;
  stopRequested_ = false;
  started_ = true;
  thread_ = std::make_unique<std::thread>(&NVThread::threadMain, this);
}

void NVThread::requestStop() {
  if (started_) stopRequested_ = true;
}

void NVThread::run() {
  while (!stopRequested_) {
    step();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void NVThread::threadMain() {
  onStart();
  run();
  onEnd();
  stopRequested_ = true;
  started_ = false;
  finished_ = true;
}
