#include "ui/toolkit/HeadlessToolkit.h"

#include <stdexcept>
#include <utility>

#include "engine/AssignChanged.h"

namespace tesselon {

bool HeadlessToolkit::openWindow(int, int, const std::string&) {
  return true;
}

void HeadlessToolkit::add(int number, bool isField, const std::string& text) {
  if (number < 0) throw std::out_of_range("HeadlessToolkit: negative control number");
  if (static_cast<size_t>(number) >= controls_.size()) controls_.resize(number + 1);
  controls_[number] = Control{.exists = true, .isField = isField, .text = text};
}

HeadlessToolkit::Control& HeadlessToolkit::control(int number) {
  return const_cast<Control&>(std::as_const(*this).control(number));
}

const HeadlessToolkit::Control& HeadlessToolkit::control(int number) const {
  if (number < 0 || static_cast<size_t>(number) >= controls_.size() || !controls_[number].exists) {
    throw std::out_of_range("HeadlessToolkit: no control of that number");
  }
  return controls_[number];
}

void HeadlessToolkit::createFrame(int number, Rect, const std::string& caption) {
  add(number, false, caption);
}

void HeadlessToolkit::createEntryField(int number, Rect, const std::string& text, bool) {
  add(number, true, text);
}

void HeadlessToolkit::createButton(int number, Rect, const std::string& label, ButtonStyle) {
  add(number, false, label);
}

void HeadlessToolkit::createLabel(int number, Rect, const std::string& text) {
  add(number, false, text);
}

void HeadlessToolkit::setText(int number, const std::string& text) {
  Control& shown = control(number);
  shown.text = text;
  if (shown.isField) post({EventKind::Change, number});
}

std::string HeadlessToolkit::text(int number) const {
  return control(number).text;
}

// The operands are read back after every event, mostly unchanged.
void HeadlessToolkit::copyText(int number, std::string& into) const {
  AssignChanged(into, control(number).text);
}

const std::string& HeadlessToolkit::textOf(int number) const {
  return control(number).text;
}

void HeadlessToolkit::setBackground(int number, Rgb colour) {
  control(number).background = colour;
}

void HeadlessToolkit::setFocus(int number) {
  focused_ = number;
  post({EventKind::Focus, number});
}

int HeadlessToolkit::focusedControl() const {
  return focused_;
}

Event HeadlessToolkit::waitEvent() {
  if (next_ == events_.size()) return {EventKind::Close, NoControl};
  const Event event = events_[next_++];
  if (next_ == events_.size()) {
    events_.clear();
    next_ = 0;
  }
  return event;
}

void HeadlessToolkit::moveCaretToEnd(int) {}

void HeadlessToolkit::release() {
  controls_.clear();
  events_.clear();
  next_ = 0;
  focused_ = NoControl;
}

void HeadlessToolkit::setAccessibleName(int, const std::string&) {}

void HeadlessToolkit::setToolTip(int, const std::string&) {}

void HeadlessToolkit::setShortcut(int, const std::string&) {}

void HeadlessToolkit::setEnabled(int number, bool enabled) {
  control(number).isEnabled = enabled;
}

void HeadlessToolkit::post(Event event) {
  events_.push_back(event);
}

bool HeadlessToolkit::pending() const {
  return next_ < events_.size();
}

void HeadlessToolkit::typeInto(int number, const std::string& text) {
  control(number).text = text;
  post({EventKind::Change, number});
}

void HeadlessToolkit::clickInto(int number) {
  setFocus(number);
}

// As in a window, a disabled key cannot be pressed.
void HeadlessToolkit::press(int number) {
  const bool known =
      number >= 0 && static_cast<size_t>(number) < controls_.size() && controls_[number].exists;
  if (known && !controls_[number].isEnabled) return;
  post({EventKind::Other, number});
}

Rgb HeadlessToolkit::background(int number) const {
  return control(number).background;
}

}  // namespace tesselon
