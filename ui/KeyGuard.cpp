#include "ui/KeyGuard.h"

namespace tesselon {

namespace {

StateBefore& Take(StateBefore& before, const MathEngine& engine, const EntryState& entry,
                  const Toolkit& window) {
  before.engine = engine;
  before.entry = entry;
  window.copyText(control::OperationLabel, before.label);
  return before;
}

}  // namespace

KeyGuard::KeyGuard(StateBefore& before, MathEngine& engine, EntryState& entry,
                   DeferredToolkit& deferred, Toolkit& window)
    : before_(Take(before, engine, entry, window)),
      engine_(engine),
      entry_(entry),
      deferred_(deferred),
      window_(window) {
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
  engine_ = before_.engine;
  entry_ = before_.entry;
  if (!replaying_) return;
  // Part of the key's result already reached the window: the fields go back
  // to the registers. A failure here leaves the fields as they are; the next
  // change event reads them again.
  try {
    window_.setText(control::OperandX, engine_.RegA);
    window_.setText(control::OperandY, engine_.RegB);
    window_.setText(control::OperationLabel, before_.label);
  } catch (...) {
  }
}

}  // namespace tesselon
