#include "ui/toolkit/QtNumberField.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace tesselon {

namespace {

// A long text is shown whole in the field's width, so that its beginning
// (sign, integer part, point) and its end are both in sight wherever the
// caret is: two thirds of the room left beside the count go to the
// beginning, one third to the end.
constexpr int ShownEnds = 3;
constexpr int ShownHeadParts = 2;
// The line edit's frame and inner margins, and the caret.
constexpr int FieldChrome = 12;
constexpr int FewestShownCharacters = 6;
constexpr size_t TypingRoom = 4096;

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// A long text the user goes on typing into keeps room for that: adding one
// character to ten million held exactly would copy them all.
std::string withTypingRoom(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::string held;
  held.reserve(static_cast<size_t>(bytes.size()) + TypingRoom);
  held.append(bytes.constData(), static_cast<size_t>(bytes.size()));
  return held;
}

bool isAsciiDigit(QChar c) {
  return c >= '0' && c <= '9';
}

bool separatesDigitGroups(QChar c) {
  return c == ' ' || c == '\t' || c == '_' || c == u'\u00a0' || c == u'\u2009' || c == u'\u202f';
}

// The keys that move the caret or the selection inside the shown text;
// in the long form every other key edits the whole text or does nothing.
bool movesTheCaret(const QKeyEvent* event) {
  static constexpr std::array Moves = {QKeySequence::MoveToNextChar,
                                       QKeySequence::MoveToPreviousChar,
                                       QKeySequence::MoveToNextWord,
                                       QKeySequence::MoveToPreviousWord,
                                       QKeySequence::MoveToStartOfLine,
                                       QKeySequence::MoveToEndOfLine,
                                       QKeySequence::SelectNextChar,
                                       QKeySequence::SelectPreviousChar,
                                       QKeySequence::SelectNextWord,
                                       QKeySequence::SelectPreviousWord,
                                       QKeySequence::SelectStartOfLine,
                                       QKeySequence::SelectEndOfLine,
                                       QKeySequence::MoveToStartOfDocument,
                                       QKeySequence::MoveToEndOfDocument,
                                       QKeySequence::SelectAll};
  return std::ranges::any_of(Moves, [event](auto move) { return event->matches(move); });
}

bool typesText(const QKeyEvent* event) {
  const QString typed = event->text();
  return !typed.isEmpty() && typed.front().isPrint() &&
         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

QString cleanedForPaste(const QString& pasted) {
  const QString text = pasted.trimmed();
  if (!std::ranges::any_of(text, separatesDigitGroups)) return text;
  QString clean;
  clean.reserve(text.size());
  for (qsizetype i = 0; i < text.size();) {
    qsizetype end = i;
    while (end < text.size() && separatesDigitGroups(text[end])) ++end;
    if (end == i) {
      clean += text[i++];
      continue;
    }
    const bool betweenDigits =
        i > 0 && end < text.size() && isAsciiDigit(text[i - 1]) && isAsciiDigit(text[end]);
    if (!betweenDigits) clean += QStringView(text).sliced(i, end - i);
    i = end;
  }
  return clean;
}

QKeySequence operatorShortcut(const QString& typed, qsizetype insertPosition) {
  if (typed.size() != 1) return {};
  switch (typed.front().unicode()) {
    case '+':
      return QKeySequence(QStringLiteral("Ctrl++"));
    case '-':
      return insertPosition == 0 ? QKeySequence() : QKeySequence(QStringLiteral("Ctrl+-"));
    case '*':
    case u'\u00d7':
      return QKeySequence(QStringLiteral("Ctrl+*"));
    case '/':
    case u'\u00f7':
      return QKeySequence(QStringLiteral("Ctrl+/"));
    default:
      return {};
  }
}

QtNumberField::QtNumberField(QWidget* parent) : QLineEdit(parent) {
  // Qt would cut a text at 32767 characters.
  setMaxLength(std::numeric_limits<int>::max());
  connect(this, &QLineEdit::textEdited, this, &QtNumberField::afterUserEdit);
  connect(this, &QLineEdit::selectionChanged, this, [this] {
    if (everythingSelected()) offerPrimarySelection();
  });
}

void QtNumberField::setWhole(const std::string& text) {
  showWhole(text);
  setCursorPosition(0);
}

std::string QtNumberField::whole() const {
  return abridged_ ? whole_ : toUtf8(text());
}

void QtNumberField::moveCaretToEnd() {
  deselect();
  end(false);
}

QString QtNumberField::wholeText() const {
  return abridged_ ? fromUtf8(whole_) : text();
}

void QtNumberField::copyWhole() const {
  QGuiApplication::clipboard()->setText(wholeText());
}

void QtNumberField::showWhole(std::string text) {
  abridged_ = static_cast<qsizetype>(text.size()) > LongText;
  if (abridged_) {
    whole_ = std::move(text);
    setText(abridgedForm());
  } else {
    whole_.clear();
    setText(fromUtf8(text));
  }
}

QString QtNumberField::abridgedForm() const {
  const std::string_view text = whole_;
  const QString count =
      QStringLiteral(" \u2026 %1 characters \u2026 ")
          .arg(QLocale(QLocale::English).toString(static_cast<qulonglong>(text.size())));
  const QFontMetrics metrics = fontMetrics();
  const int room = width() - FieldChrome - metrics.horizontalAdvance(count);
  const int shown =
      std::max(room / metrics.horizontalAdvance(QLatin1Char('0')), FewestShownCharacters);
  const int head = shown * ShownHeadParts / ShownEnds;
  const size_t tail = static_cast<size_t>(shown - head);
  return fromUtf8(text.substr(0, static_cast<size_t>(head))) + count +
         fromUtf8(text.substr(text.size() - tail));
}

void QtNumberField::replaceByUser(std::string text) {
  showWhole(std::move(text));
  end(false);
  if (edited) edited();
}

// Edits the held long text in place: copying ten million characters for
// each keystroke would be felt.
void QtNumberField::editAbridged(const std::function<void(std::string&)>& edit) {
  edit(whole_);
  replaceByUser(std::move(whole_));
}

// A plain edit that makes the text long turns the field to the long form.
void QtNumberField::afterUserEdit() {
  if (text().size() > LongText) {
    showWhole(withTypingRoom(text()));
    end(false);
  }
  if (edited) edited();
}

void QtNumberField::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) && (abridged_ || !hasSelectedText())) {
    copyWhole();
    return;
  }
  if (isReadOnly()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    pasteCleaned(QGuiApplication::clipboard()->text());
    return;
  }
  if (typesText(event) && operatorTyped) {
    const QKeySequence key = operatorShortcut(event->text(), insertPosition());
    if (!key.isEmpty() && operatorTyped(key)) return;
  }
  if (abridged_) {
    typeIntoAbridged(event);
  } else {
    QLineEdit::keyPressEvent(event);
  }
}

void QtNumberField::typeIntoAbridged(QKeyEvent* event) {
  const bool all = everythingSelected();
  if (typesText(event)) {
    const std::string typed = toUtf8(event->text());
    editAbridged([&](std::string& text) {
      if (all) text.clear();
      text += typed;
    });
  } else if (event->matches(QKeySequence::Cut)) {
    copyWhole();
    if (all) replaceByUser({});
  } else if (event->key() == Qt::Key_Backspace) {
    editAbridged([all](std::string& text) {
      if (all) {
        text.clear();
      } else {
        text.pop_back();
      }
    });
  } else if (event->matches(QKeySequence::Delete) && all) {
    replaceByUser({});
  } else if (movesTheCaret(event)) {
    QLineEdit::keyPressEvent(event);
  }
}

void QtNumberField::inputMethodEvent(QInputMethodEvent* event) {
  if (!abridged_ || isReadOnly()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  const std::string typed = toUtf8(event->commitString());
  if (!typed.empty()) editAbridged([&](std::string& text) { text += typed; });
  event->accept();
}

void QtNumberField::pasteCleaned(const QString& pasted) {
  const QString clean = cleanedForPaste(pasted);
  if (abridged_) {
    const bool all = everythingSelected();
    const std::string pastedText = toUtf8(clean);
    editAbridged([&](std::string& text) {
      if (all) text.clear();
      text += pastedText;
    });
    return;
  }
  // Laying out a long text in the field first would take seconds.
  QString next = text();
  const qsizetype at = hasSelectedText() ? selectionStart() : cursorPosition();
  next.replace(at, selectedText().size(), clean);
  if (next.size() > LongText) {
    replaceByUser(withTypingRoom(next));
  } else {
    insert(clean);
  }
}

bool QtNumberField::everythingSelected() const {
  return hasSelectedText() && selectedText().size() == text().size();
}

qsizetype QtNumberField::insertPosition() const {
  if (abridged_) return everythingSelected() ? 0 : static_cast<qsizetype>(whole_.size());
  return hasSelectedText() ? selectionStart() : cursorPosition();
}

bool QtNumberField::fitsTheField() const {
  const QMargins margins = textMargins();
  return !abridged_ && fontMetrics().horizontalAdvance(text()) + margins.left() + margins.right() <
                           contentsRect().width() - 4;
}

void QtNumberField::offerPrimarySelection() const {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard->supportsSelection()) {
    clipboard->setText(wholeText(), QClipboard::Selection);
  }
}

// A double-click selects the whole number, sign and point included, with
// the caret at its start so that the beginning stays in view; in the
// read-only field a number wider than the field opens in the viewer too.
void QtNumberField::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QLineEdit::mouseDoubleClickEvent(event);
    return;
  }
  setSelection(static_cast<int>(text().size()), -static_cast<int>(text().size()));
  if (isReadOnly() && !fitsTheField() && viewRequested) viewRequested();
}

void QtNumberField::mouseReleaseEvent(QMouseEvent* event) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && !isReadOnly() && clipboard->supportsSelection()) {
    deselect();
    pasteCleaned(clipboard->text(QClipboard::Selection));
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
  // The field has put the selected part of what it shows there.
  if (event->button() == Qt::LeftButton && abridged_ && everythingSelected()) {
    offerPrimarySelection();
  }
}

void QtNumberField::dropEvent(QDropEvent* event) {
  if (abridged_) {
    event->ignore();
    return;
  }
  QLineEdit::dropEvent(event);
}

// The editable field in its plain form keeps Qt's menu, with the paste
// cleaned; otherwise Copy takes the whole text unless part of a plain text
// is selected.
void QtNumberField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = nullptr;
  if (!abridged_ && !isReadOnly()) {
    menu = createStandardContextMenu();
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
      paste->disconnect();
      connect(paste, &QAction::triggered, this,
              [this] { pasteCleaned(QGuiApplication::clipboard()->text()); });
    }
  } else {
    menu = new QMenu(this);
    QAction* copyAction = menu->addAction(QStringLiteral("Copy"));
    copyAction->setShortcut(QKeySequence::Copy);
    connect(copyAction, &QAction::triggered, this, [this] {
      if (abridged_ || !hasSelectedText()) {
        copyWhole();
      } else {
        QLineEdit::copy();
      }
    });
    if (!isReadOnly()) {
      connect(menu->addAction(QStringLiteral("Paste")), &QAction::triggered, this,
              [this] { pasteCleaned(QGuiApplication::clipboard()->text()); });
    }
    connect(menu->addAction(QStringLiteral("Select All")), &QAction::triggered, this,
            &QLineEdit::selectAll);
  }
  menu->addSeparator();
  connect(menu->addAction(QStringLiteral("View Whole Number")), &QAction::triggered, this, [this] {
    if (viewRequested) viewRequested();
  });
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace tesselon
