#pragma once

#include <atomic>

namespace tesselon {

// One computation runs at a time, so one flag serves them all. The window's
// thread raises it (Escape, closing the window); the computing thread looks
// at it at coarse points (a Newton step, a series term, a product above its
// base case, a part of a long decimal conversion, before and after each call
// into GMP) and leaves the computation by
// throwing CancelledComputation, which the front end catches to put back the
// state of before the key.
struct CancelledComputation {};

inline std::atomic<bool> cancelRequested{false};

inline void RequestCancel() {
  cancelRequested.store(true, std::memory_order_relaxed);
}

inline void ClearCancel() {
  cancelRequested.store(false, std::memory_order_relaxed);
}

inline void CheckCancelled() {
  if (cancelRequested.load(std::memory_order_relaxed)) throw CancelledComputation{};
}

}  // namespace tesselon
