#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/toolkit/Toolkit.h"

namespace tesselon {

// The toolkit without a screen: controls, texts, colours, focus and the event
// queue held in memory. Drivers (tests, the tesselon-keys tool) act as the
// user through the methods below the Toolkit operations. When no event is
// left, waitEvent() reports the close request, so the event loop ends.
class HeadlessToolkit : public Toolkit {
 public:
  bool openWindow(int clientWidth, int clientHeight, const std::string& title) override;
  void createFrame(int number, Rect where, const std::string& caption) override;
  void createEntryField(int number, Rect where, const std::string& text, bool readOnly) override;
  void createButton(int number, Rect where, const std::string& label, ButtonStyle style) override;
  void createLabel(int number, Rect where, const std::string& text) override;
  void setText(int number, const std::string& text) override;
  std::string text(int number) const override;
  void copyText(int number, std::string& into) const override;
  void setBackground(int number, Rgb colour) override;
  void setFocus(int number) override;
  int focusedControl() const override;
  Event waitEvent() override;
  void moveCaretToEnd(int number) override;
  void release() override;
  void setAccessibleName(int number, const std::string& name) override;
  void setToolTip(int number, const std::string& text) override;
  void setShortcut(int number, const std::string& keys) override;
  void setEnabled(int number, bool enabled) override;

  // --- The user's side ---
  void post(Event event);
  bool pending() const;
  // The user edits a field until it holds `text`.
  void typeInto(int number, const std::string& text);
  // The user clicks into a field.
  void clickInto(int number);
  // The user clicks a key; a disabled one takes no click.
  void press(int number);
  Rgb background(int number) const;
  // The text of a control, without a copy of it.
  const std::string& textOf(int number) const;

 private:
  struct Control {
    bool exists = false;
    bool isField = false;
    std::string text;
    Rgb background{255, 255, 255};
    bool isEnabled = true;
  };

  void add(int number, bool isField, const std::string& text);
  // The control of a number; std::out_of_range when there is none.
  Control& control(int number);
  const Control& control(int number) const;

  // Indexed by control number: the numbers are small, and a control is
  // looked up at every call.
  std::vector<Control> controls_;
  // The events from next_ on are pending; the queue is emptied whenever its
  // last event has been taken, so it keeps its room.
  std::vector<Event> events_;
  size_t next_ = 0;
  int focused_ = NoControl;
};

}  // namespace tesselon
