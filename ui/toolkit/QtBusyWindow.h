#pragma once

#include <QObject>
#include <QRect>
#include <functional>
#include <map>

class QLabel;
class QLineEdit;
class QWidget;

namespace tesselon {

// The window while a key computes away from the window's thread. It keeps
// repainting, moving, minimising and closing, but its keys and fields take
// no input, so that nothing waits behind the computation: clicks, typing and
// shortcuts are swallowed and the fields are read-only. Escape and the close
// request cancel the computation. After a quarter of a second the window
// shows that it is busy: a busy cursor and a note over the Result frame.
// The state lasts as long as the object.
class QtBusyWindow : public QObject {
 public:
  // `notePlace`: where the busy note goes (see notePlaceOver).
  QtBusyWindow(QWidget* window, std::function<void()> cancel, QRect notePlace);
  ~QtBusyWindow() override;
  QtBusyWindow(const QtBusyWindow&) = delete;
  QtBusyWindow& operator=(const QtBusyWindow&) = delete;

  // Object name of the note, for tests and screen readers.
  static constexpr char NoteName[] = "busy-note";
  // The note's place over the read-only field that shows results.
  static QRect notePlaceOver(QRect resultField);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showBusy();

  QWidget* window_;
  std::function<void()> cancel_;
  QRect notePlace_;
  // Each field's own read-only flag, given back at the end.
  std::map<QLineEdit*, bool> readOnly_;
  QLabel* note_ = nullptr;
  bool cursorShown_ = false;
};

}  // namespace tesselon
