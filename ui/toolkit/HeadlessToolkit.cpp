#include "ui/toolkit/HeadlessToolkit.h"

namespace tesselon {

bool HeadlessToolkit::openWindow(int, int, const std::string&) {
  return true;
}

void HeadlessToolkit::add(int number, bool isField, const std::string& text) {
  controls_[number] = Control{.isField = isField, .text = text};
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
  Control& control = controls_.at(number);
  control.text = text;
  if (control.isField) post({EventKind::Change, number});
}

std::string HeadlessToolkit::text(int number) const {
  return controls_.at(number).text;
}

const std::string& HeadlessToolkit::textOf(int number) const {
  return controls_.at(number).text;
}

void HeadlessToolkit::setBackground(int number, Rgb colour) {
  controls_.at(number).background = colour;
}

void HeadlessToolkit::setFocus(int number) {
  focused_ = number;
  post({EventKind::Focus, number});
}

int HeadlessToolkit::focusedControl() const {
  return focused_;
}

Event HeadlessToolkit::waitEvent() {
  if (events_.empty()) return {EventKind::Close, NoControl};
  const Event next = events_.front();
  events_.pop_front();
  return next;
}

void HeadlessToolkit::moveCaretToEnd(int) {}

void HeadlessToolkit::release() {
  controls_.clear();
  events_.clear();
  focused_ = NoControl;
}

void HeadlessToolkit::setAccessibleName(int, const std::string&) {}

void HeadlessToolkit::setToolTip(int, const std::string&) {}

void HeadlessToolkit::setShortcut(int, const std::string&) {}

void HeadlessToolkit::setEnabled(int number, bool enabled) {
  controls_.at(number).isEnabled = enabled;
}

void HeadlessToolkit::post(Event event) {
  events_.push_back(event);
}

bool HeadlessToolkit::pending() const {
  return !events_.empty();
}

void HeadlessToolkit::typeInto(int number, const std::string& text) {
  controls_.at(number).text = text;
  post({EventKind::Change, number});
}

void HeadlessToolkit::clickInto(int number) {
  setFocus(number);
}

// As in a window, a disabled key cannot be pressed.
void HeadlessToolkit::press(int number) {
  const auto key = controls_.find(number);
  if (key != controls_.end() && !key->second.isEnabled) return;
  post({EventKind::Other, number});
}

Rgb HeadlessToolkit::background(int number) const {
  return controls_.at(number).background;
}

}  // namespace tesselon
