#include "ui/KeyGuard.h"

namespace tesselon {

KeyGuard::KeyGuard(MathEngine& engine, EntryState& entry, DeferredToolkit& deferred,
                   Toolkit& window)
    : engine_(engine),
      entry_(entry),
      deferred_(deferred),
      window_(window),
      engineBefore_(engine),
      entryBefore_(entry),
      labelBefore_(window.text(control::OperationLabel)) {
  deferred_.record();
}

void KeyGuard::keep() {
  replaying_ = true;
  deferred_.replay();
  kept_ = true;
}

KeyGuard::~KeyGuard() {
  if (kept_) return;
  deferred_.discard();
  engine_ = engineBefore_;
  entry_ = entryBefore_;
  if (!replaying_) return;
  // Part of the key's result already reached the window: the fields go back
  // to the registers. A failure here leaves the fields as they are; the next
  // change event reads them again.
  try {
    window_.setText(control::OperandX, engine_.RegA);
    window_.setText(control::OperandY, engine_.RegB);
    window_.setText(control::OperationLabel, labelBefore_);
  } catch (...) {
  }
}

}  // namespace tesselon
