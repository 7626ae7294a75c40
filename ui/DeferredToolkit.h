#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/toolkit/Toolkit.h"

namespace tesselon {

// The toolkit as a key's handler sees it. Outside a key every call goes
// straight to the window's toolkit. While a key runs (record() to replay()
// or discard()) the calls that change the window are kept in order and
// carried out only when the key has ended, so that the key can run away from
// the window's thread and a cancelled key leaves no trace; the handler's own
// reads are answered from the texts and the focus as they were when the key
// began, with its own changes applied.
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

  // Starts keeping the calls; takes the texts of the fields and labels and
  // the focus from the window.
  void record();
  // Carries out the kept calls on the window, in order.
  void replay();
  // Drops the kept calls.
  void discard();

 private:
  using Call = std::function<void(Toolkit&)>;
  void carry(Call call);

  Toolkit& window_;
  bool recording_ = false;
  std::vector<Call> calls_;
  // The controls that have a text to read: entry fields and labels.
  std::vector<int> textControls_;
  std::map<int, std::string> texts_;
  int focused_ = NoControl;
};

}  // namespace tesselon
