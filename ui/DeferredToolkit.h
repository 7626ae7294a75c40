#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/Toolkit.h"

namespace tesselon {

// The toolkit as a key's handler sees it. Outside a key every call goes
// straight to the window's toolkit. While a key runs (record() to replay()
// or discard()) the calls that change the window are kept in order and
// carried out only when the key has ended, so that the key can run away from
// the window's thread and a cancelled key leaves no trace. A key works on the
// registers, which hold what the fields show, and does not read the window
// while it runs: a read then answers only the texts the key has shown itself
// (std::logic_error for any other), and the focus as the key left it.
class DeferredToolkit : public Toolkit {
 public:
  explicit DeferredToolkit(Toolkit& window) : window_(window) {}

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
  void runWork(const std::function<void()>& work, const std::function<void()>& cancel) override;

  // Starts keeping the calls; takes the focus from the window.
  void record();
  // Carries out the kept calls on the window, in order.
  void replay();
  // Drops the kept calls.
  void discard();

 private:
  // A kept call as plain data: a key keeps a handful, and a function object
  // for each would cost an allocation apiece.
  enum class CallKind : uint8_t {
    CreateFrame,
    CreateEntryField,
    CreateButton,
    CreateLabel,
    SetText,
    SetBackground,
    SetFocus,
    MoveCaretToEnd,
    SetAccessibleName,
    SetToolTip,
    SetShortcut,
    SetEnabled,
  };
  // Trivially copied: the text of a call is kept apart, in texts_.
  struct Call {
    CallKind kind;
    int number;
    // Index into texts_ of the caption, text, name, tip or keys of the call.
    size_t text = 0;
    Rect where{};
    Rgb colour{};
    ButtonStyle style = ButtonStyle::Plain;
    // readOnly of a field, enabled of a key.
    bool flag = false;
  };
  // Keeps `text` for a call about to be kept; returns its index in texts_.
  size_t keepText(const std::string& text);
  void carryOut(const Call& call);
  // The text the key has shown in a control; std::logic_error when it has
  // not shown one.
  const std::string& textSetByKey(int number) const;
  void clearCalls();

  Toolkit& window_;
  bool recording_ = false;
  // The kept calls; emptied, not freed, after each key.
  std::vector<Call> calls_;
  // The texts of the kept calls, texts_[0, textsKept_). They outlive the key
  // so that the next key copies its texts into the room they had.
  std::vector<std::string> texts_;
  size_t textsKept_ = 0;
  int focused_ = NoControl;
};

}  // namespace tesselon
