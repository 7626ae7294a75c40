#include "ui/toolkit/QtToolkit.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <chrono>
#include <exception>
#include <future>
#include <thread>

#include "ui/toolkit/QtBusyWindow.h"
#include "ui/toolkit/QtNumberField.h"
#include "ui/toolkit/QtNumberViewer.h"

namespace tesselon {

namespace {

constexpr char NumberProperty[] = "tesselonControl";
constexpr char ToolTipProperty[] = "tesselonToolTip";
constexpr int SmallFontPixels = 10;
// The room left free between a key's label and its border, on every side.
constexpr int KeyMargin = 3;
constexpr int SmallestKeyPixels = 7;
constexpr char ViewShortcut[] = "Ctrl+Shift+V";

// The checked look of the toggle key must be unmistakable: the default style
// draws a checked push button only slightly darker than a released one.
constexpr char ToggleStyleSheet[] =
    "QPushButton:checked { background-color: rgb(90, 90, 90); color: white;"
    " border: 2px inset rgb(40, 40, 40); border-radius: 3px; }";

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), text.size());
}

std::string toUtf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// QPushButton draws line breaks but never wraps, so a two-line label is
// broken between words where the next word would not fit any more.
QString wrapped(const QString& label, const QFontMetrics& metrics, int width) {
  QStringList lines;
  for (const QString& word : label.split(' ')) {
    if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + ' ' + word) <= width) {
      lines.last() += ' ' + word;
    } else {
      lines.append(word);
    }
  }
  return lines.join('\n');
}

QString keyFace(const QString& label, const QFontMetrics& metrics, int width, bool multiLine) {
  return multiLine ? wrapped(label, metrics, width) : label;
}

bool fitsIn(const QString& face, const QFont& font, QSize room) {
  const QSize size = QFontMetrics(font).size(0, face);
  return size.width() <= room.width() && size.height() <= room.height();
}

QFont withPixelSize(QFont font, int pixels) {
  font.setPixelSize(pixels);
  return font;
}

QFont smallFont(QFont font) {
  return withPixelSize(std::move(font), SmallFontPixels);
}

// The Operation label names functions up to "ACosh", wider than the label at
// the default size. Its accessible name stays "Operation"; the description
// carries what it shows, so that a screen reader announces each change.
void showOnLabel(QLabel* label, const QString& text) {
  const QFont normal = label->parentWidget()->font();
  label->setFont(fitsIn(text, normal, label->size()) ? normal : smallFont(normal));
  label->setText(text);
  label->setAccessibleDescription(text);
}

QString counted(qsizetype count, const QString& unit) {
  return QStringLiteral("%1 %2%3").arg(QLocale(QLocale::English).toString(count), unit,
                                       count == 1 ? QString() : QStringLiteral("s"));
}

bool isDigitOf(char c, bool hexadecimal) {
  return (c >= '0' && c <= '9') || (hexadecimal && c >= 'A' && c <= 'F');
}

// "1,234 digits" for a decimal result, "5 hexadecimal digits" and "20 binary
// digits" for the "$" and "%" forms of Res Hex and Res Bin; nothing for a
// message or an empty field.
QString lengthNote(std::string_view text) {
  bool hexadecimal = false;
  QString unit = QStringLiteral("digit");
  if (text.starts_with('$')) {
    hexadecimal = true;
    unit = QStringLiteral("hexadecimal digit");
    text.remove_prefix(1);
  } else if (text.starts_with('%')) {
    unit = QStringLiteral("binary digit");
    text.remove_prefix(1);
  }
  qsizetype count = 0;
  for (const char c : text) {
    if (isDigitOf(c, hexadecimal)) {
      ++count;
    } else if (c != '.' && c != '-') {
      return {};
    }
  }
  return count == 0 ? QString() : counted(count, unit);
}

// The Result field's tooltip adds how many digits it holds: a long result
// runs far beyond the part the field can show.
void showToolTip(QWidget* widget) {
  QString tip = widget->property(ToolTipProperty).toString();
  const auto* field = qobject_cast<const QtNumberField*>(widget);
  if (field != nullptr && field->isReadOnly()) {
    const QString length =
        lengthNote(field->isAbridged() ? field->longText() : toUtf8(field->text()));
    if (!length.isEmpty()) tip += '\n' + length;
  }
  widget->setToolTip(tip);
}

}  // namespace

QtToolkit::QtToolkit() = default;

// The widgets report to this object while they are torn down.
QtToolkit::~QtToolkit() {
  release();
}

bool QtToolkit::openWindow(int clientWidth, int clientHeight, const std::string& title) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return false;
  window_ = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::CustomizeWindowHint |
                                                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                   Qt::WindowMinimizeButtonHint |
                                                   Qt::WindowCloseButtonHint);
  window_->setWindowTitle(fromUtf8(title));
  window_->setFixedSize(clientWidth, clientHeight);
  window_->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window_->size(),
                                           screen->availableGeometry()));
  window_->installEventFilter(this);
  window_->show();
  window_->activateWindow();
  return true;
}

void QtToolkit::place(int number, QWidget* widget, Rect where) {
  widget->setObjectName(QStringLiteral("control-%1").arg(number, 2, 10, QLatin1Char('0')));
  widget->setProperty(NumberProperty, number);
  widget->setGeometry(where.x, where.y, where.w, where.h);
  widget->show();
  controls_[number] = widget;
}

void QtToolkit::createFrame(int number, Rect where, const std::string& caption) {
  place(number, new QGroupBox(fromUtf8(caption), window_.get()), where);
}

void QtToolkit::createEntryField(int number, Rect where, const std::string& text, bool readOnly) {
  auto* field = new QtNumberField(window_.get());
  field->setWhole(text);
  field->setReadOnly(readOnly);
  // Tab and Shift+Tab move between the two operands, the fields a user types
  // into; the Result field takes the focus by a click or by its shortcut.
  if (readOnly) {
    busyNotePlace_ = QtBusyWindow::notePlaceOver(QRect(where.x, where.y, where.w, where.h));
    field->setFocusPolicy(Qt::ClickFocus);
    auto* view = new QShortcut(QKeySequence(QString::fromLatin1(ViewShortcut)), field);
    connect(view, &QShortcut::activated, this, [this, number] { showWhole(number); });
  }
  field->installEventFilter(this);
  field->edited = [this, number] { push(EventKind::Change, number); };
  field->operatorTyped = [this](const QKeySequence& keys) { return pressKeyOf(keys); };
  field->viewRequested = [this, number] { showWhole(number); };
  place(number, field, where);
}

void QtToolkit::createButton(int number, Rect where, const std::string& label, ButtonStyle style) {
  auto* button = new QPushButton(window_.get());
  // A click on a key must leave the operand field's focus and caret alone.
  button->setFocusPolicy(Qt::NoFocus);
  addKeyFace({button, fromUtf8(label), QSize(where.w - 2 * KeyMargin, where.h - 2 * KeyMargin),
              style == ButtonStyle::MultiLine});
  if (style == ButtonStyle::Toggle) {
    button->setCheckable(true);
    button->setStyleSheet(ToggleStyleSheet);
  }
  connect(button, &QPushButton::clicked, this, [this, number] { push(EventKind::Other, number); });
  place(number, button, where);
}

int QtToolkit::largestFittingPixels(const KeyFace& key) const {
  int pixels = defaultKeyPixels();
  for (; pixels > SmallestKeyPixels; --pixels) {
    const QFont font = withPixelSize(window_->font(), pixels);
    if (fitsIn(keyFace(key.label, QFontMetrics(font), key.room.width(), key.multiLine), font,
               key.room)) {
      break;
    }
  }
  return pixels;
}

int QtToolkit::defaultKeyPixels() const {
  return QFontInfo(window_->font()).pixelSize();
}

// A label takes the window's font size wherever it fits its key, so that
// neighbouring keys match; the few single-line labels too long for their key
// at that size take the largest that fits. The two-line labels share the
// largest size at which all of them fit.
void QtToolkit::addKeyFace(const KeyFace& key) {
  const int fitting = largestFittingPixels(key);
  keys_.push_back({key, fitting});
  if (!key.multiLine) {
    showKeyFace(key, fitting);
    return;
  }
  int shared = fitting;
  for (const auto& [other, otherFitting] : keys_) {
    if (other.multiLine) shared = std::min(shared, otherFitting);
  }
  for (const auto& [other, otherFitting] : keys_) {
    if (other.multiLine) showKeyFace(other, shared);
  }
}

void QtToolkit::showKeyFace(const KeyFace& key, int pixels) {
  const QFont font = withPixelSize(window_->font(), pixels);
  key.button->setFont(font);
  key.button->setText(keyFace(key.label, QFontMetrics(font), key.room.width(), key.multiLine));
}

void QtToolkit::createLabel(int number, Rect where, const std::string& text) {
  auto* label = new QLabel(window_.get());
  label->setAlignment(Qt::AlignCenter);
  place(number, label, where);
  showOnLabel(label, fromUtf8(text));
}

QtNumberField* QtToolkit::field(int number) const {
  return qobject_cast<QtNumberField*>(control(number));
}

void QtToolkit::setText(int number, const std::string& text) {
  if (auto* label = qobject_cast<QLabel*>(control(number))) {
    showOnLabel(label, fromUtf8(text));
    return;
  }
  QtNumberField* edit = field(number);
  edit->setWhole(text);
  if (edit->isReadOnly()) showToolTip(edit);
  push(EventKind::Change, number);
}

std::string QtToolkit::text(int number) const {
  if (const auto* label = qobject_cast<QLabel*>(control(number))) return toUtf8(label->text());
  return field(number)->whole();
}

void QtToolkit::setBackground(int number, Rgb colour) {
  QWidget* widget = control(number);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, QColor(colour.r, colour.g, colour.b));
  widget->setPalette(palette);
}

void QtToolkit::setFocus(int number) {
  focused_ = number;
  focusing_ = true;
  control(number)->setFocus(Qt::OtherFocusReason);
  focusing_ = false;
  push(EventKind::Focus, number);
}

int QtToolkit::focusedControl() const {
  return focused_;
}

Event QtToolkit::waitEvent() {
  quietEscapeAfterBusy();
  while (events_.empty()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  const Event next = events_.front();
  events_.pop_front();
  return next;
}

bool QtToolkit::hasPendingEvent() {
  quietEscapeAfterBusy();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return !events_.empty();
}

void QtToolkit::moveCaretToEnd(int number) {
  field(number)->moveCaretToEnd();
}

void QtToolkit::release() {
  controls_.clear();
  keys_.clear();
  keyOfShortcut_.clear();
  window_.reset();
  events_.clear();
  focused_ = NoControl;
}

void QtToolkit::setAccessibleName(int number, const std::string& name) {
  control(number)->setAccessibleName(fromUtf8(name));
}

void QtToolkit::setToolTip(int number, const std::string& text) {
  QWidget* widget = control(number);
  widget->setProperty(ToolTipProperty, fromUtf8(text));
  showToolTip(widget);
}

void QtToolkit::setShortcut(int number, const std::string& keys) {
  for (const QKeySequence& sequence : QKeySequence::listFromString(fromUtf8(keys))) {
    if (sequence.isEmpty()) continue;
    auto* shortcut = new QShortcut(sequence, control(number));
    const bool cancelKey = sequence == QKeySequence(QKeySequence::Cancel);
    connect(shortcut, &QShortcut::activated, this, [this, number, cancelKey] {
      if (!cancelKey || std::chrono::steady_clock::now() >= escapeQuietUntil_) activate(number);
    });
    keyOfShortcut_[sequence.toString()] = number;
  }
}

void QtToolkit::setEnabled(int number, bool enabled) {
  control(number)->setEnabled(enabled);
}

bool QtToolkit::pressKeyOf(const QKeySequence& keys) {
  const auto key = keyOfShortcut_.find(keys.toString());
  if (key == keyOfShortcut_.end()) return false;
  activate(key->second);
  return true;
}

void QtToolkit::showWhole(int number) {
  QtNumberField* shown = field(number);
  auto* viewer = new QtNumberViewer(window_.get(), shown->accessibleName(), shown->whole());
  viewer->show();
}

// A shortcut clicks its key at once: Qt's own key shortcut animates the click,
// which arrives 100 ms late and swallows a second press within that time.
// click() turns the toggle key over, as a mouse click does.
void QtToolkit::activate(int number) {
  QWidget* widget = control(number);
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->click();
  } else {
    widget->setFocus(Qt::ShortcutFocusReason);
  }
}

// A key that ends within this time leaves the window untouched: its input
// stays with the window system and is handled in order afterwards.
constexpr std::chrono::milliseconds QuickKey{30};
// After a key that made the window busy, Escape does not clear for this long.
constexpr std::chrono::milliseconds EscapeQuiet{500};

// The engine and the front end are used by one thread at a time: the worker
// while it runs, this thread again once it has been joined. The worker's
// wake-up ends the wait for window events when it is done.
void QtToolkit::runWork(const std::function<void()>& work, const std::function<void()>& cancel) {
  std::promise<void> ended;
  std::future<void> done = ended.get_future();
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  std::thread worker([&] {
    try {
      work();
      ended.set_value();
    } catch (...) {
      ended.set_exception(std::current_exception());
    }
    dispatcher->wakeUp();
  });
  if (done.wait_for(QuickKey) != std::future_status::ready) {
    busy_ = std::make_unique<QtBusyWindow>(window_.get(), cancel, busyNotePlace_);
    while (done.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    busy_.reset();
    busyEnded_ = true;
  }
  worker.join();
  done.get();
}

// The window is free again once the key's results are in the fields; an
// Escape meant to cancel may arrive only now, and must not clear them.
void QtToolkit::quietEscapeAfterBusy() {
  if (!busyEnded_) return;
  busyEnded_ = false;
  escapeQuietUntil_ = std::chrono::steady_clock::now() + EscapeQuiet;
}

void QtToolkit::push(EventKind kind, int number) {
  if (busy_ && kind != EventKind::Close) return;
  events_.push_back({kind, number});
}

// Focus reaches a field by a click, the tab key or the window becoming
// active again; the focus that setFocus() gives is queued there already.
bool QtToolkit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_.get() && event->type() == QEvent::Close) {
    // The front end ends the loop and releases the window itself.
    event->ignore();
    push(EventKind::Close, NoControl);
    return true;
  }
  if (watched != window_.get() && event->type() == QEvent::FocusIn && !focusing_) {
    focused_ = watched->property(NumberProperty).toInt();
    push(EventKind::Focus, focused_);
  }
  // A click into the field that already has the focus brings no FocusIn, yet
  // it is the user choosing that operand (after M+ left Operand Y active, say).
  if (event->type() == QEvent::MouseButtonPress && watched != window_.get()) {
    const int number = watched->property(NumberProperty).toInt();
    if (number == focused_ && qobject_cast<QLineEdit*>(watched) != nullptr) {
      push(EventKind::Focus, number);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tesselon
