#include "ui/FrontEnd.h"

#include "ui/Controls.h"

namespace tesselon {

FrontEnd::FrontEnd(Toolkit& toolkit, MathEngine& engine) : tk(toolkit), e(engine) {}

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
  if (row != nullptr && row->press != nullptr) (this->*row->press)(event.control);
}

std::string& FrontEnd::activeRegister() {
  return ActiveOperand == 1 ? e.RegA : e.RegB;
}

int FrontEnd::activeField() const {
  return ActiveOperand == 1 ? control::OperandX : control::OperandY;
}

}  // namespace tesselon
