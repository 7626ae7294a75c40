#include "ui/FrontEnd.h"

#include "engine/Cancellation.h"
#include "ui/Controls.h"
#include "ui/KeyGuard.h"
#include "ui/MemoryBound.h"

namespace tesselon {

FrontEnd::FrontEnd(Toolkit& toolkit, MathEngine& engine) : window(toolkit), e(engine) {}

bool FrontEnd::start() {
  if (!tk.openWindow(ClientWidth, ClientHeight, std::string(WindowTitle))) return false;
  for (const ControlRow& row : controlTable()) {
    createControl(row);
    if (row.number == control::OperandX) {
      tk.setFocus(control::OperandX);
      tk.setBackground(control::OperandX, ActiveGreen);
    } else if (row.number == control::ResultField) {
      tk.setBackground(control::ResultField, ResultYellow);
    }
  }
  ActiveOperand = 1;
  return true;
}

void FrontEnd::createControl(const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::Frame:
      tk.createFrame(row.number, row.where, row.label);
      break;
    case ControlKind::EntryField:
    case ControlKind::ReadOnlyField:
      tk.createEntryField(row.number, row.where, row.label, row.kind == ControlKind::ReadOnlyField);
      break;
    case ControlKind::Label:
      tk.createLabel(row.number, row.where, row.label);
      break;
    case ControlKind::Button:
      tk.createButton(row.number, row.where, row.label, row.style);
      break;
  }
  tk.setAccessibleName(row.number, row.name);
  tk.setToolTip(row.number, toolTip(row));
  tk.setShortcut(row.number, row.shortcut);
}

void FrontEnd::run() {
  for (Event event = tk.waitEvent(); event.kind != EventKind::Close; event = tk.waitEvent()) {
    handle(event);
  }
}

void FrontEnd::handle(const Event& event) {
  if (event.kind == EventKind::Change) {
    readOperands();
  } else if (event.kind == EventKind::Focus) {
    followFocus();
  }
  const ControlRow* row = findControl(event.control);
  if (row != nullptr && row->press != nullptr) runKey(*row);
}

void FrontEnd::runKey(const ControlRow& key) {
  lastKeyEnd = KeyEnd::Failed;
  try {
    KeyGuard guard(before, e, *this, deferred, window);
    ClearCancel();
    // Two pointers captured: the function object holds them without an
    // allocation.
    tk.runWork([this, &key] { lastKeyEnd = pressCaught(key); }, RequestCancel);
    // An Escape that came as the work ended has nothing left to cancel.
    ClearCancel();
    if (lastKeyEnd == KeyEnd::Finished) guard.keep();
  } catch (...) {
    // Whatever escaped the key or the showing of its result, the guard has
    // put the registers back and the window stays usable.
    lastKeyEnd = KeyEnd::Failed;
  }
  if (lastKeyEnd == KeyEnd::Failed) Answer(std::string(ErrorText));
  // A key stopped by a guard after its preparation ("=" with nothing to
  // compute, a lone "-" split off) shows nothing and queues no change, yet
  // the next key must find the texts the fields show.
  readOperands();
}

// Runs on the computing thread: nothing escapes from here.
FrontEnd::KeyEnd FrontEnd::pressCaught(const ControlRow& key) {
  try {
    if (operandsAreNumbers(key) && keyFitsInMemory(key.press)) {
      AssignChanged(typedX, e.RegA);
      AssignChanged(typedY, e.RegB);
      (this->*key.press)(key.number);
    } else {
      Answer(std::string(ErrorText));
    }
    return KeyEnd::Finished;
  } catch (const CancelledComputation&) {
    return KeyEnd::Cancelled;
  } catch (...) {
    // Out of memory, or a fault in one of the steps: the key answers the
    // message with the registers of before it.
    return KeyEnd::Failed;
  }
}

std::string& FrontEnd::activeRegister() {
  return ActiveOperand == 1 ? e.RegA : e.RegB;
}

int FrontEnd::activeField() const {
  return ActiveOperand == 1 ? control::OperandX : control::OperandY;
}

}  // namespace tesselon
