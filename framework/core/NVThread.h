// A thread with a start/stop protocol: start() runs onStart, run and onEnd on
// a new thread; run() calls step() every millisecond until a stop is requested.
#pragma once

#include <atomic>
#include <memory>
#include <thread>

class NVThread {
 public:
  NVThread() = default;
  virtual ~NVThread();
  NVThread(const NVThread&) = delete;
  NVThread& operator=(const NVThread&) = delete;

  virtual void start();
  virtual void requestStop();
  virtual void onStart() {}
  virtual void run();
  virtual void onEnd() {}
  virtual void step() {}

  bool isStarted() const { return started_; }
  bool isFinished() const { return finished_; }
  bool isStopRequested() const { return stopRequested_; }
  // Asks the thread to stop and waits for it to end; derived destructors
  // call it before their members go, since the thread runs their overrides.
  void joinThread();

 private:
  void threadMain();

  std::unique_ptr<std::thread> thread_;
  std::atomic<bool> started_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> stopRequested_{false};
};
