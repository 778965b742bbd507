// SPDX-License-Identifier: MIT
// Runs lookups one after another, in the order they were asked for, away from the window.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace qirvo {

class LookupWorker {
 public:
  LookupWorker();
  // Finishes the job under way, drops the rest.
  ~LookupWorker();
  LookupWorker(const LookupWorker&) = delete;
  LookupWorker& operator=(const LookupWorker&) = delete;

  void Post(std::function<void()> job);

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> jobs_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace qirvo
