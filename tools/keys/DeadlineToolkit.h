#pragma once

// The toolkit without a window, with a user who presses Escape when a key
// computes for longer than the deadline. Long random runs (the soak test,
// the fuzz target) stay bounded this way, and the way back to the state of
// before a cancelled key is exercised on the keys that are slow.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "ui/toolkit/HeadlessToolkit.h"

namespace tesselon {

class DeadlineToolkit : public HeadlessToolkit {
 public:
  explicit DeadlineToolkit(std::chrono::milliseconds deadline) : deadline_(deadline) {}

  void runWork(const std::function<void()>& work, const std::function<void()>& cancel) override {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::thread escape([&] {
      std::unique_lock lock(mutex);
      if (!ended.wait_for(lock, deadline_, [&] { return done; })) {
        cancel();
        ++cancelled_;
      }
    });
    work();
    {
      std::lock_guard lock(mutex);
      done = true;
    }
    ended.notify_one();
    escape.join();
  }

  // How many keys the deadline cancelled.
  int cancelled() const { return cancelled_; }

 private:
  std::chrono::milliseconds deadline_;
  int cancelled_ = 0;
};

}  // namespace tesselon
