#include "ui/toolkit/QtBusyWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcutEvent>
#include <QTimer>
#include <utility>

namespace tesselon {

namespace {

// A key that ends within this time never shows the busy look.
constexpr int BusyLookDelayMs = 250;
// The note sits just above the right end of the field that shows results,
// on the top edge of its frame, in the colours of a warning so that it is
// seen at a glance.
constexpr int NoteWidth = 180;
constexpr int NoteHeight = 20;
constexpr int NoteLift = 4;
constexpr char NoteStyleSheet[] =
    "QLabel { background-color: rgb(255, 225, 140); border: 1px solid rgb(170, 120, 0);"
    " border-radius: 3px; font-weight: bold; }";

bool IsEscape(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
      return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    case QEvent::Shortcut:
      return static_cast<QShortcutEvent*>(event)->key() == QKeySequence(Qt::Key_Escape);
    default:
      return false;
  }
}

// What a user does to a key or a field.
bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

}  // namespace

QRect QtBusyWindow::notePlaceOver(QRect resultField) {
  return {resultField.right() + 1 - NoteWidth, resultField.top() - NoteHeight - NoteLift, NoteWidth,
          NoteHeight};
}

QtBusyWindow::QtBusyWindow(QWidget* window, std::function<void()> cancel, QRect notePlace)
    : window_(window), cancel_(std::move(cancel)), notePlace_(notePlace) {
  for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
    readOnly_[field] = field->isReadOnly();
    field->setReadOnly(true);
  }
  qApp->installEventFilter(this);
  QTimer::singleShot(BusyLookDelayMs, this, &QtBusyWindow::showBusy);
}

QtBusyWindow::~QtBusyWindow() {
  qApp->removeEventFilter(this);
  for (const auto& [field, readOnly] : readOnly_) field->setReadOnly(readOnly);
  if (cursorShown_) QApplication::restoreOverrideCursor();
  delete note_;
}

void QtBusyWindow::showBusy() {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  cursorShown_ = true;
  note_ = new QLabel(QStringLiteral("Computing\u2026 Esc cancels"), window_);
  note_->setObjectName(QLatin1String(NoteName));
  note_->setAccessibleName(QStringLiteral("Busy"));
  note_->setAlignment(Qt::AlignCenter);
  note_->setStyleSheet(QLatin1String(NoteStyleSheet));
  note_->setGeometry(notePlace_);
  note_->show();
  note_->raise();
}

bool QtBusyWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Close) {
    // The toolkit still queues the close request; the loop ends once the
    // computation has given up.
    cancel_();
    return false;
  }
  if (IsEscape(event)) {
    cancel_();
    return true;
  }
  return IsInput(event->type()) || QObject::eventFilter(watched, event);
}

}  // namespace tesselon
