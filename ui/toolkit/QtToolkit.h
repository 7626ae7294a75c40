#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "ui/toolkit/Toolkit.h"

class QKeySequence;
class QPushButton;
class QWidget;

namespace tesselon {

class QtBusyWindow;
class QtNumberField;

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
  void setEnabled(int number, bool enabled) override;
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
  // A key's label and the room it has inside the key's margins.
  struct KeyFace {
    QPushButton* button;
    QString label;
    QSize room;
    bool multiLine;
  };

  void place(int number, QWidget* widget, Rect where);
  void addKeyFace(const KeyFace& key);
  void showKeyFace(const KeyFace& key, int pixels);
  int largestFittingPixels(const KeyFace& key) const;
  int defaultKeyPixels() const;
  QWidget* control(int number) const { return controls_.at(number); }
  QtNumberField* field(int number) const;
  // Presses the key that has this shortcut; false when no key has it.
  bool pressKeyOf(const QKeySequence& keys);
  // Opens the viewer on the whole text of a field.
  void showWhole(int number);
  void quietEscapeAfterBusy();
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
  // Where the busy note goes: over the read-only field that shows results.
  QRect busyNotePlace_;
  // Set when a key that made the window busy has ended; Escape, the key
  // that cancels it, is ignored until escapeQuietUntil_.
  bool busyEnded_ = false;
  std::chrono::steady_clock::time_point escapeQuietUntil_;
  std::map<QString, int> keyOfShortcut_;
  // Each key with the pixel size at which its label fits by itself.
  std::vector<std::pair<KeyFace, int>> keys_;
};

}  // namespace tesselon
