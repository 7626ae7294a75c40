#include "ui/DeferredToolkit.h"

#include <utility>

namespace tesselon {

bool DeferredToolkit::openWindow(int clientWidth, int clientHeight, const std::string& title) {
  return window_.openWindow(clientWidth, clientHeight, title);
}

void DeferredToolkit::createFrame(int number, Rect where, const std::string& caption) {
  carry([=](Toolkit& tk) { tk.createFrame(number, where, caption); });
}

void DeferredToolkit::createEntryField(int number, Rect where, const std::string& text,
                                       bool readOnly) {
  textControls_.push_back(number);
  carry([=](Toolkit& tk) { tk.createEntryField(number, where, text, readOnly); });
}

void DeferredToolkit::createButton(int number, Rect where, const std::string& label,
                                   ButtonStyle style) {
  carry([=](Toolkit& tk) { tk.createButton(number, where, label, style); });
}

void DeferredToolkit::createLabel(int number, Rect where, const std::string& text) {
  textControls_.push_back(number);
  carry([=](Toolkit& tk) { tk.createLabel(number, where, text); });
}

void DeferredToolkit::setText(int number, const std::string& text) {
  if (recording_) texts_[number] = text;
  carry([=](Toolkit& tk) { tk.setText(number, text); });
}

std::string DeferredToolkit::text(int number) const {
  return recording_ ? texts_.at(number) : window_.text(number);
}

void DeferredToolkit::setBackground(int number, Rgb colour) {
  carry([=](Toolkit& tk) { tk.setBackground(number, colour); });
}

void DeferredToolkit::setFocus(int number) {
  if (recording_) focused_ = number;
  carry([=](Toolkit& tk) { tk.setFocus(number); });
}

int DeferredToolkit::focusedControl() const {
  return recording_ ? focused_ : window_.focusedControl();
}

Event DeferredToolkit::waitEvent() {
  return window_.waitEvent();
}

void DeferredToolkit::moveCaretToEnd(int number) {
  carry([=](Toolkit& tk) { tk.moveCaretToEnd(number); });
}

void DeferredToolkit::release() {
  discard();
  window_.release();
}

void DeferredToolkit::setAccessibleName(int number, const std::string& name) {
  carry([=](Toolkit& tk) { tk.setAccessibleName(number, name); });
}

void DeferredToolkit::setToolTip(int number, const std::string& text) {
  carry([=](Toolkit& tk) { tk.setToolTip(number, text); });
}

void DeferredToolkit::setShortcut(int number, const std::string& keys) {
  carry([=](Toolkit& tk) { tk.setShortcut(number, keys); });
}

void DeferredToolkit::setEnabled(int number, bool enabled) {
  carry([=](Toolkit& tk) { tk.setEnabled(number, enabled); });
}

void DeferredToolkit::runWork(const std::function<void()>& work,
                              const std::function<void()>& cancel) {
  window_.runWork(work, cancel);
}

void DeferredToolkit::record() {
  calls_.clear();
  texts_.clear();
  for (const int number : textControls_) texts_[number] = window_.text(number);
  focused_ = window_.focusedControl();
  recording_ = true;
}

void DeferredToolkit::replay() {
  recording_ = false;
  std::vector<Call> calls = std::exchange(calls_, {});
  for (const Call& call : calls) call(window_);
}

void DeferredToolkit::discard() {
  recording_ = false;
  calls_.clear();
}

void DeferredToolkit::carry(Call call) {
  if (recording_) {
    calls_.push_back(std::move(call));
  } else {
    call(window_);
  }
}

}  // namespace tesselon
