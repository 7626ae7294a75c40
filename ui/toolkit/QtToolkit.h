#pragma once

#include <QObject>
#include <deque>
#include <map>
#include <memory>

#include "ui/toolkit/Toolkit.h"

class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace tesselon {

class QtBusyWindow;

// The toolkit on Qt Widgets. Qt itself reports neither a programmatic text
// change (textEdited is for the user's edits only) nor a focus change while
// the window is inactive, so the binding keeps its own queue of events:
// setText() and setFocus() queue their change and focus events themselves,
// the user's edits, clicks into fields, key clicks and the close request are
// queued as Qt delivers them.
class QtToolkit final : public QObject, public Toolkit {
 public:
  QtToolkit();
  ~QtToolkit() override;

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
  // The work runs on a thread of its own while this thread keeps the window
  // alive; see QtBusyWindow.
  void runWork(const std::function<void()>& work, const std::function<void()>& cancel) override;

  // Handles what the window system has delivered, without waiting, and tells
  // whether waitEvent() has an event ready.
  bool hasPendingEvent();
  // The main window; nullptr before openWindow() and after release().
  QWidget* window() const { return window_.get(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place(int number, QWidget* widget, Rect where);
  static void setKeyFace(QPushButton* button, const QString& label, Rect where, bool multiLine);
  QWidget* control(int number) const { return controls_.at(number); }
  QLineEdit* field(int number) const;
  void push(EventKind kind, int number);
  // What a click does: press a key, or put the focus into a field.
  void activate(int number);

  std::unique_ptr<QWidget> window_;
  std::map<int, QWidget*> controls_;
  std::deque<Event> events_;
  int focused_ = NoControl;
  // Set while setFocus() moves the focus, whose event it queues itself.
  bool focusing_ = false;
  // The window's state while a key computes; nothing but the close request
  // is queued meanwhile.
  std::unique_ptr<QtBusyWindow> busy_;
};

}  // namespace tesselon
