#include "ui/DeferredToolkit.h"

#include <ranges>
#include <span>
#include <stdexcept>

namespace tesselon {

bool DeferredToolkit::openWindow(int clientWidth, int clientHeight, const std::string& title) {
  return window_.openWindow(clientWidth, clientHeight, title);
}

void DeferredToolkit::createFrame(int number, Rect where, const std::string& caption) {
  if (!recording_) return window_.createFrame(number, where, caption);
  calls_.push_back(
      {.kind = CallKind::CreateFrame, .number = number, .text = keepText(caption), .where = where});
}

void DeferredToolkit::createEntryField(int number, Rect where, const std::string& text,
                                       bool readOnly) {
  if (!recording_) return window_.createEntryField(number, where, text, readOnly);
  calls_.push_back({.kind = CallKind::CreateEntryField,
                    .number = number,
                    .text = keepText(text),
                    .where = where,
                    .flag = readOnly});
}

void DeferredToolkit::createButton(int number, Rect where, const std::string& label,
                                   ButtonStyle style) {
  if (!recording_) return window_.createButton(number, where, label, style);
  calls_.push_back({.kind = CallKind::CreateButton,
                    .number = number,
                    .text = keepText(label),
                    .where = where,
                    .style = style});
}

void DeferredToolkit::createLabel(int number, Rect where, const std::string& text) {
  if (!recording_) return window_.createLabel(number, where, text);
  calls_.push_back(
      {.kind = CallKind::CreateLabel, .number = number, .text = keepText(text), .where = where});
}

void DeferredToolkit::setText(int number, const std::string& text) {
  if (!recording_) return window_.setText(number, text);
  calls_.push_back({.kind = CallKind::SetText, .number = number, .text = keepText(text)});
}

std::string DeferredToolkit::text(int number) const {
  return recording_ ? textSetByKey(number) : window_.text(number);
}

void DeferredToolkit::copyText(int number, std::string& into) const {
  if (recording_) {
    into = textSetByKey(number);
  } else {
    window_.copyText(number, into);
  }
}

void DeferredToolkit::setBackground(int number, Rgb colour) {
  if (!recording_) return window_.setBackground(number, colour);
  calls_.push_back({.kind = CallKind::SetBackground, .number = number, .colour = colour});
}

void DeferredToolkit::setFocus(int number) {
  if (!recording_) return window_.setFocus(number);
  focused_ = number;
  calls_.push_back({.kind = CallKind::SetFocus, .number = number});
}

int DeferredToolkit::focusedControl() const {
  return recording_ ? focused_ : window_.focusedControl();
}

Event DeferredToolkit::waitEvent() {
  return window_.waitEvent();
}

void DeferredToolkit::moveCaretToEnd(int number) {
  if (!recording_) return window_.moveCaretToEnd(number);
  calls_.push_back({.kind = CallKind::MoveCaretToEnd, .number = number});
}

void DeferredToolkit::release() {
  discard();
  window_.release();
}

void DeferredToolkit::setAccessibleName(int number, const std::string& name) {
  if (!recording_) return window_.setAccessibleName(number, name);
  calls_.push_back({.kind = CallKind::SetAccessibleName, .number = number, .text = keepText(name)});
}

void DeferredToolkit::setToolTip(int number, const std::string& text) {
  if (!recording_) return window_.setToolTip(number, text);
  calls_.push_back({.kind = CallKind::SetToolTip, .number = number, .text = keepText(text)});
}

void DeferredToolkit::setShortcut(int number, const std::string& keys) {
  if (!recording_) return window_.setShortcut(number, keys);
  calls_.push_back({.kind = CallKind::SetShortcut, .number = number, .text = keepText(keys)});
}

void DeferredToolkit::setEnabled(int number, bool enabled) {
  if (!recording_) return window_.setEnabled(number, enabled);
  calls_.push_back({.kind = CallKind::SetEnabled, .number = number, .flag = enabled});
}

void DeferredToolkit::runWork(const std::function<void()>& work,
                              const std::function<void()>& cancel) {
  window_.runWork(work, cancel);
}

void DeferredToolkit::record() {
  clearCalls();
  focused_ = window_.focusedControl();
  recording_ = true;
}

void DeferredToolkit::replay() {
  recording_ = false;
  try {
    for (const Call& call : calls_) carryOut(call);
  } catch (...) {
    clearCalls();
    throw;
  }
  clearCalls();
}

void DeferredToolkit::discard() {
  recording_ = false;
  clearCalls();
}

size_t DeferredToolkit::keepText(const std::string& text) {
  if (textsKept_ == texts_.size()) texts_.emplace_back();
  texts_[textsKept_] = text;
  return textsKept_++;
}

// A text far longer than a field usually shows (a long product, X !) is not
// kept from one key to the next.
void DeferredToolkit::clearCalls() {
  constexpr size_t LongText = 64 * 1024;
  for (std::string& text : std::span(texts_).first(textsKept_)) {
    if (text.capacity() > LongText) std::string().swap(text);
  }
  textsKept_ = 0;
  calls_.clear();
}

void DeferredToolkit::carryOut(const Call& call) {
  Toolkit& window = window_;
  const auto text = [&]() -> const std::string& { return texts_[call.text]; };
  switch (call.kind) {
    case CallKind::CreateFrame:
      return window.createFrame(call.number, call.where, text());
    case CallKind::CreateEntryField:
      return window.createEntryField(call.number, call.where, text(), call.flag);
    case CallKind::CreateButton:
      return window.createButton(call.number, call.where, text(), call.style);
    case CallKind::CreateLabel:
      return window.createLabel(call.number, call.where, text());
    case CallKind::SetText:
      return window.setText(call.number, text());
    case CallKind::SetBackground:
      return window.setBackground(call.number, call.colour);
    case CallKind::SetFocus:
      return window.setFocus(call.number);
    case CallKind::MoveCaretToEnd:
      return window.moveCaretToEnd(call.number);
    case CallKind::SetAccessibleName:
      return window.setAccessibleName(call.number, text());
    case CallKind::SetToolTip:
      return window.setToolTip(call.number, text());
    case CallKind::SetShortcut:
      return window.setShortcut(call.number, text());
    case CallKind::SetEnabled:
      return window.setEnabled(call.number, call.flag);
  }
}

const std::string& DeferredToolkit::textSetByKey(int number) const {
  for (const Call& call : std::views::reverse(calls_)) {
    if (call.kind == CallKind::SetText && call.number == number) return texts_[call.text];
  }
  throw std::logic_error("DeferredToolkit: a key read a text it has not shown");
}

}  // namespace tesselon
