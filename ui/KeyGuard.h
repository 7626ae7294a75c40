#pragma once

#include <string>

#include "functions/MathEngine.h"
#include "ui/DeferredToolkit.h"
#include "ui/FrontEnd.h"

namespace tesselon {

// Everything a key may change, taken before the key runs: the engine's
// registers, the front end's own and the Operation label; from here on the
// deferred toolkit keeps the key's calls to the window. Unless the key is
// kept, leaving the guard's scope drops those calls and puts every register
// back, whichever way the key ended: cancelled, failed in a step, or by an
// exception on the way out, while its result went into the window.
class KeyGuard {
 public:
  // `before` receives the state of before the key.
  KeyGuard(StateBefore& before, MathEngine& engine, EntryState& entry, DeferredToolkit& deferred,
           Toolkit& window);
  KeyGuard(const KeyGuard&) = delete;
  KeyGuard& operator=(const KeyGuard&) = delete;
  ~KeyGuard();

  // The key ended well: its calls are carried out on the window and its
  // registers stay.
  void keep();

 private:
  const StateBefore& before_;
  MathEngine& engine_;
  EntryState& entry_;
  DeferredToolkit& deferred_;
  Toolkit& window_;
  bool replaying_ = false;
  bool kept_ = false;
};

}  // namespace tesselon
