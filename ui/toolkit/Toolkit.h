#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tesselon {

// What a window event is: a control event of one of three kinds, or the
// window's close request.
enum class EventKind { Change, Focus, Other, Close };

struct Event {
  EventKind kind = EventKind::Other;
  int control = -1;
};

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class ButtonStyle { Plain, MultiLine, Toggle };

inline constexpr int NoControl = -1;

// The operations the front end needs from a windowing toolkit. Texts
// are UTF-8. Setting a field's text reports a change event and giving a
// control the focus reports a focus event, exactly as typing and clicking do;
// events caused by a handler are delivered after it returns, in order.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  virtual bool openWindow(int clientWidth, int clientHeight, const std::string& title) = 0;
  virtual void createFrame(int number, Rect where, const std::string& caption) = 0;
  virtual void createEntryField(int number, Rect where, const std::string& text, bool readOnly) = 0;
  virtual void createButton(int number, Rect where, const std::string& label,
                            ButtonStyle style) = 0;
  virtual void createLabel(int number, Rect where, const std::string& text) = 0;
  virtual void setText(int number, const std::string& text) = 0;
  virtual std::string text(int number) const = 0;
  // text() into `into`, whose room a toolkit that keeps its texts can reuse:
  // the operands are read back after every event.
  virtual void copyText(int number, std::string& into) const { into = text(number); }
  virtual void setBackground(int number, Rgb colour) = 0;
  virtual void setFocus(int number) = 0;
  virtual int focusedControl() const = 0;
  virtual Event waitEvent() = 0;
  virtual void moveCaretToEnd(int number) = 0;
  virtual void release() = 0;
  // The name a screen reader announces for the control (and tests find it by).
  virtual void setAccessibleName(int number, const std::string& name) = 0;
  // Runs the work of one key to its end. A window toolkit keeps the window
  // alive meanwhile (it repaints, moves, minimises, and shows itself busy
  // when the work takes long; its keys and fields take no input) and calls
  // `cancel` when the user presses Escape or closes the window, after which
  // the work ends early. The work makes no toolkit calls of its own. Without
  // a window the work simply runs.
  virtual void runWork(const std::function<void()>& work, const std::function<void()>& /*cancel*/) {
    work();
  }
  // What the control does, in words: its tooltip, and what a screen reader
  // reads as its description.
  virtual void setToolTip(int number, const std::string& text) = 0;
  // Key combinations that do what a click on the control does: press a key
  // (which leaves the focus where it is) or put the focus into a field. Qt's
  // portable key text, alternatives separated by "; ".
  virtual void setShortcut(int number, const std::string& keys) = 0;
  // A disabled key looks and reads as unavailable and cannot be pressed.
  virtual void setEnabled(int number, bool enabled) = 0;
};

}  // namespace tesselon
