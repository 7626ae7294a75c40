// The calculator in its Qt window, driven by mouse clicks and key clicks.
#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "functions/MathEngine.h"
#include "tests/RegisterSnapshot.h"
#include "ui/Controls.h"
#include "ui/FrontEnd.h"
#include "ui/toolkit/QtBusyWindow.h"
#include "ui/toolkit/QtNumberField.h"
#include "ui/toolkit/QtNumberViewer.h"
#include "ui/toolkit/QtToolkit.h"

using namespace tesselon;

class QtWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void hasTitleAndFixedClientSize();
  void hasEveryControlOfTheTable();
  void keyLabelsFitTheirKeys();
  void startsWithOperandXActive();
  void clickIntoOperandYMakesItActive();
  void digitKeyAppendsAtTheEnd();
  void computesByClicks();
  void degKeyStaysPressed();
  void closeRequestEndsTheLoop();

  void shortcutsLeaveTypingToTheFields();
  void everyKeyHasItsOwnShortcut();
  void eachShortcutPressesItsKey();
  void quickShortcutsAreNotLost();
  void typingStillGoesIntoTheFields();
  void typedOperatorsPressTheirKeys_data();
  void typedOperatorsPressTheirKeys();
  void pastingCleansGroupSeparators_data();
  void pastingCleansGroupSeparators();
  void returnAndEnterPressEquals_data();
  void returnAndEnterPressEquals();
  void escapePressesClear();
  void tabMovesBetweenTheOperands();
  void controlsDescribeThemselves();
  void operationLabelIsAnnounced();
  void resultToolTipCountsDigits_data();
  void resultToolTipCountsDigits();
  void longOperandsPasteAndLongResultCopies();
  void copyMenuCopiesTheSelectionOrEverything();
  void fieldsShowTheBeginningOfWhatAKeyWrites();
  void doubleClickSelectsTheWholeNumber();
  void degreeModeDisablesTheRadianKeys();
  void longTextsShowBothEndsAndTakeEdits();
  void viewerShowsTheWholeNumber();
  void viewerSummary_data();
  void viewerSummary();

  void escapeCancelsALongComputation();
  void closingDuringAComputationEndsTheLoop();
  void escapeRightAfterALongKeyDoesNotClear();

 private:
  // Lets the front end handle everything the window has reported so far.
  void settle();
  template <class Widget>
  Widget* control(int number) const;
  void click(int number);
  Rgb background(int number) const;
  // The events the window has queued, taken out without handling them.
  std::vector<Event> queuedEvents();
  void typeInto(int number, const QString& text);
  void pasteInto(int number, const QString& text);
  QLineEdit* field(int number) const { return control<QLineEdit>(number); }
  // The field shows the beginning and the end of `whole` with the count
  // between, all of it within the field's width.
  static void showsBothEnds(const QLineEdit* shown, const QString& whole, const QString& count);

  std::unique_ptr<QtToolkit> toolkit_;
  std::unique_ptr<MathEngine> engine_;
  std::unique_ptr<FrontEnd> frontEnd_;
};

void QtWindowTest::init() {
  toolkit_ = std::make_unique<QtToolkit>();
  engine_ = std::make_unique<MathEngine>();
  frontEnd_ = std::make_unique<FrontEnd>(*toolkit_, *engine_);
  QVERIFY(frontEnd_->start());
  QVERIFY(QTest::qWaitForWindowActive(toolkit_->window()));
  settle();
}

void QtWindowTest::cleanup() {
  toolkit_->release();
  frontEnd_.reset();
  engine_.reset();
  toolkit_.reset();
}

void QtWindowTest::settle() {
  while (toolkit_->hasPendingEvent()) frontEnd_->handle(toolkit_->waitEvent());
}

template <class Widget>
Widget* QtWindowTest::control(int number) const {
  const QString name = QStringLiteral("control-%1").arg(number, 2, 10, QLatin1Char('0'));
  return toolkit_->window()->findChild<Widget*>(name);
}

void QtWindowTest::click(int number) {
  QWidget* widget = control<QWidget>(number);
  QVERIFY(widget != nullptr);
  QTest::mouseClick(widget, Qt::LeftButton);
  settle();
}

Rgb QtWindowTest::background(int number) const {
  const QColor colour = control<QWidget>(number)->palette().color(QPalette::Base);
  return {static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
          static_cast<uint8_t>(colour.blue())};
}

void QtWindowTest::hasTitleAndFixedClientSize() {
  const QWidget* window = toolkit_->window();
  QCOMPARE(window->windowTitle(), QStringLiteral("Tesselon V.0.73 (Tesselon=Number of Ciphers) "));
  QCOMPARE(window->size(), QSize(800, 340));
  QCOMPARE(window->minimumSize(), window->maximumSize());
  QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

void QtWindowTest::hasEveryControlOfTheTable() {
  int buttons = 0;
  for (const ControlRow& row : controlTable()) {
    const QString label = QString::fromUtf8(row.label);
    auto* widget = control<QWidget>(row.number);
    QVERIFY2(widget != nullptr, row.name);
    QCOMPARE(widget->geometry(), QRect(row.where.x, row.where.y, row.where.w, row.where.h));
    QCOMPARE(widget->accessibleName(), QString::fromUtf8(row.name));
    switch (row.kind) {
      case ControlKind::Frame:
        QCOMPARE(qobject_cast<QGroupBox*>(widget)->title(), label);
        break;
      case ControlKind::EntryField:
      case ControlKind::ReadOnlyField:
        QCOMPARE(qobject_cast<QLineEdit*>(widget)->isReadOnly(),
                 row.kind == ControlKind::ReadOnlyField);
        QCOMPARE(qobject_cast<QLineEdit*>(widget)->text(), QString());
        break;
      case ControlKind::Label:
        QCOMPARE(qobject_cast<QLabel*>(widget)->text(), QString());
        break;
      case ControlKind::Button: {
        auto* button = qobject_cast<QPushButton*>(widget);
        ++buttons;
        QCOMPARE(button->text().replace('\n', ' '), label);
        QCOMPARE(button->text().contains('\n'), row.style == ButtonStyle::MultiLine);
        QCOMPARE(button->isCheckable(), row.style == ButtonStyle::Toggle);
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        break;
      }
    }
  }
  QCOMPARE(buttons, 58);
  QCOMPARE(control<QPushButton>(21)->text(), QStringLiteral("+ / \u2014"));
  QCOMPARE(control<QPushButton>(36)->text(), QStringLiteral("\u00d7"));
}

// Every label keeps a margin to its key's border; the single-line labels
// that fit at the window's font size all have it, the two-line labels share
// one size.
void QtWindowTest::keyLabelsFitTheirKeys() {
  constexpr int Margin = 3;
  const QFont windowFont = toolkit_->window()->font();
  QList<int> twoLineSizes;
  for (const ControlRow& row : controlTable()) {
    if (row.kind != ControlKind::Button) continue;
    const auto* button = control<QPushButton>(row.number);
    const QSize text = QFontMetrics(button->font()).size(0, button->text());
    QVERIFY2(text.width() <= row.where.w - 2 * Margin && text.height() <= row.where.h - 2 * Margin,
             row.name);
    const QSize atWindowSize = QFontMetrics(windowFont).size(0, QString::fromUtf8(row.label));
    if (row.style == ButtonStyle::MultiLine) {
      twoLineSizes.append(QFontInfo(button->font()).pixelSize());
    } else if (atWindowSize.width() <= row.where.w - 2 * Margin) {
      QVERIFY2(QFontInfo(button->font()).pixelSize() == QFontInfo(windowFont).pixelSize(),
               row.name);
    }
  }
  QCOMPARE(twoLineSizes.count(twoLineSizes.front()), twoLineSizes.size());
}

void QtWindowTest::startsWithOperandXActive() {
  QCOMPARE(QApplication::focusWidget(), control<QWidget>(control::OperandX));
  QCOMPARE(frontEnd_->activeOperand(), 1);
  QCOMPARE(background(control::OperandX), ActiveGreen);
  QCOMPARE(background(control::OperandY), InactiveWhite);
  QCOMPARE(background(control::ResultField), ResultYellow);
}

void QtWindowTest::clickIntoOperandYMakesItActive() {
  click(control::OperandY);
  QCOMPARE(frontEnd_->activeOperand(), 2);
  QCOMPARE(background(control::OperandY), ActiveGreen);
  QCOMPARE(background(control::OperandX), InactiveWhite);
  click(27);
  QCOMPARE(control<QLineEdit>(control::OperandY)->text(), QStringLiteral("5"));
  QCOMPARE(QApplication::focusWidget(), control<QWidget>(control::OperandY));
}

void QtWindowTest::digitKeyAppendsAtTheEnd() {
  auto* x = control<QLineEdit>(control::OperandX);
  QTest::keyClicks(x, "12");
  x->setCursorPosition(1);
  settle();
  click(25);
  QCOMPARE(x->text(), QStringLiteral("123"));
  QCOMPARE(x->cursorPosition(), 3);
  QCOMPARE(engine_->RegA, "123");
}

void QtWindowTest::computesByClicks() {
  auto* x = control<QLineEdit>(control::OperandX);
  auto* y = control<QLineEdit>(control::OperandY);
  click(control::OperandX);
  QTest::keyClicks(x, "1.5");
  settle();
  click(35);
  QTest::keyClicks(y, "0.25");
  settle();
  click(21);
  click(32);
  QCOMPARE(control<QLineEdit>(control::ResultField)->text(), QStringLiteral("1.75"));
  QCOMPARE(control<QLabel>(control::OperationLabel)->text(), QStringLiteral("Sub"));
  QCOMPARE(y->text(), QStringLiteral("-0.25"));
  QCOMPARE(frontEnd_->activeOperand(), 1);
  QCOMPARE(QApplication::focusWidget(), x);
  QCOMPARE(x->cursorPosition(), 3);
  QCOMPARE(background(control::OperandX), ActiveGreen);
  QCOMPARE(background(control::OperandY), InactiveWhite);
}

void QtWindowTest::degKeyStaysPressed() {
  auto* deg = control<QPushButton>(66);
  click(66);
  QVERIFY(deg->isChecked());
  QCOMPARE(engine_->DegMode, 1);
  click(66);
  QVERIFY(!deg->isChecked());
  QCOMPARE(engine_->DegMode, 0);
}

void QtWindowTest::closeRequestEndsTheLoop() {
  QVERIFY(!toolkit_->window()->close());
  frontEnd_->run();
}

// --- Keyboard, clipboard and accessibility -----------------------------------

namespace {

QList<QKeySequence> shortcutsOf(const ControlRow& row) {
  QList<QKeySequence> sequences = QKeySequence::listFromString(QString::fromUtf8(row.shortcut));
  sequences.removeAll(QKeySequence());
  return sequences;
}

// The editing keys of a line edit on this platform, which must stay its own.
QList<QKeySequence> editingKeys() {
  QList<QKeySequence> keys;
  for (const auto standard :
       {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo,
        QKeySequence::Redo, QKeySequence::SelectAll, QKeySequence::Delete, QKeySequence::Backspace,
        QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine,
        QKeySequence::MoveToStartOfLine, QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
        QKeySequence::SelectStartOfLine, QKeySequence::SelectEndOfLine}) {
    keys += QKeySequence::keyBindings(standard);
  }
  return keys;
}

}  // namespace

std::vector<Event> QtWindowTest::queuedEvents() {
  std::vector<Event> events;
  while (toolkit_->hasPendingEvent()) events.push_back(toolkit_->waitEvent());
  return events;
}

void QtWindowTest::typeInto(int number, const QString& text) {
  click(number);
  QTest::keyClicks(field(number), text);
  settle();
}

void QtWindowTest::pasteInto(int number, const QString& text) {
  click(number);
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(field(number), Qt::Key_V, Qt::ControlModifier);
  settle();
}

void QtWindowTest::showsBothEnds(const QLineEdit* shown, const QString& whole,
                                 const QString& count) {
  const QStringList ends =
      shown->text().split(QStringLiteral(" \u2026 %1 characters \u2026 ").arg(count));
  QCOMPARE(ends.size(), 2);
  QVERIFY(whole.startsWith(ends[0]) && whole.endsWith(ends[1]));
  QVERIFY(ends[0].size() > ends[1].size() && !ends[1].isEmpty());
  QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) < shown->contentsRect().width());
}

// A shortcut may not be a key that types a character (plain or shifted) nor
// one of the editing keys of the fields.
void QtWindowTest::shortcutsLeaveTypingToTheFields() {
  const QList<QKeySequence> editing = editingKeys();
  for (const ControlRow& row : controlTable()) {
    for (const QKeySequence& sequence : shortcutsOf(row)) {
      const QKeyCombination first = sequence[0];
      const bool typesText =
          !(first.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
          first.key() < Qt::Key_Escape;
      QVERIFY2(!typesText, row.name);
      QVERIFY2(!editing.contains(QKeySequence(first)), row.name);
    }
  }
}

// Every key has a shortcut and a tip; no shortcut equals another or begins
// another, which would make that one wait for a second chord.
void QtWindowTest::everyKeyHasItsOwnShortcut() {
  std::vector<std::pair<QKeySequence, const char*>> all;
  for (const ControlRow& row : controlTable()) {
    const QList<QKeySequence> sequences = shortcutsOf(row);
    if (row.kind == ControlKind::Button) {
      QVERIFY2(!sequences.isEmpty(), row.name);
      QVERIFY2(*row.tip != '\0', row.name);
    }
    // Written back unchanged: Qt read every key of the text.
    QCOMPARE(QKeySequence::listToString(sequences), QString::fromUtf8(row.shortcut));
    for (const QKeySequence& sequence : sequences) {
      for (const auto& [other, name] : all) {
        QVERIFY2(sequence.matches(other) == QKeySequence::NoMatch &&
                     other.matches(sequence) == QKeySequence::NoMatch,
                 qPrintable(QStringLiteral("%1 and %2").arg(row.name, name)));
      }
      all.emplace_back(sequence, row.name);
    }
  }
  QCOMPARE(all.size(), size_t{60});
}

// Each shortcut clicks its key, which leaves the focus in the operand field;
// the shortcut of the Result field puts the focus there.
void QtWindowTest::eachShortcutPressesItsKey() {
  for (const ControlRow& row : controlTable()) {
    for (const QKeySequence& sequence : shortcutsOf(row)) {
      field(control::OperandX)->setFocus();
      queuedEvents();
      QTest::keySequence(field(control::OperandX), sequence);
      const std::vector<Event> events = queuedEvents();
      const EventKind expected =
          row.kind == ControlKind::Button ? EventKind::Other : EventKind::Focus;
      QVERIFY2(std::ranges::any_of(
                   events,
                   [&](const Event& e) { return e.kind == expected && e.control == row.number; }),
               qPrintable(sequence.toString()));
      if (row.kind == ControlKind::Button) {
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(control::OperandX));
      }
    }
  }
  QVERIFY(control<QPushButton>(66)->isChecked());
}

void QtWindowTest::quickShortcutsAreNotLost() {
  auto* x = field(control::OperandX);
  for (const Qt::Key digit : {Qt::Key_1, Qt::Key_1, Qt::Key_2}) {
    QTest::keyClick(x, digit, Qt::ControlModifier);
  }
  QTest::keyClick(x, Qt::Key_Comma, Qt::ControlModifier);
  QTest::keyClick(x, Qt::Key_5, Qt::ControlModifier);
  QTest::keyClick(x, Qt::Key_F9);
  settle();
  QCOMPARE(x->text(), QStringLiteral("-112.5"));
  QTest::keyClick(x, Qt::Key_D, Qt::AltModifier);
  settle();
  QVERIFY(control<QPushButton>(66)->isChecked());
  QCOMPARE(engine_->DegMode, 1);
}

void QtWindowTest::typingStillGoesIntoTheFields() {
  auto* x = field(control::OperandX);
  QTest::keyClicks(x, "-12.5,e^!");
  QTest::keyClick(x, Qt::Key_7, Qt::KeypadModifier);
  const std::vector<Event> events = queuedEvents();
  QVERIFY(std::ranges::all_of(events, [](const Event& e) {
    return e.kind == EventKind::Change && e.control == control::OperandX;
  }));
  QCOMPARE(x->text(), QStringLiteral("-12.5,e^!7"));
}

// An operation character typed where it cannot belong to the number presses
// its key, so that "7+3" and Return compute as in other calculators; a
// minus typed first is the sign.
void QtWindowTest::typedOperatorsPressTheirKeys_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("keypad");
  QTest::addColumn<QString>("x");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("result");
  // clang-format off
  QTest::newRow("plus") << "7+3" << false << "7" << "Add" << "10";
  QTest::newRow("minus after digits") << "9-4" << false << "9" << "Sub" << "5";
  QTest::newRow("leading minus is the sign") << "-2-3" << false << "-2" << "Sub" << "-5";
  QTest::newRow("asterisk") << "6*7" << false << "6" << "Mul" << "42";
  QTest::newRow("times sign") << "6\u00d77" << false << "6" << "Mul" << "42";
  QTest::newRow("slash") << "8/2" << false << "8" << "Div" << "4";
  QTest::newRow("division sign") << "8\u00f72" << false << "8" << "Div" << "4";
  QTest::newRow("keypad") << "-9*3" << true << "-9" << "Mul" << "-27";
  // clang-format on
}

void QtWindowTest::typedOperatorsPressTheirKeys() {
  QFETCH(QString, typed);
  QFETCH(bool, keypad);
  QFETCH(QString, x);
  QFETCH(QString, label);
  QFETCH(QString, result);
  for (const QChar c : typed) {
    if (keypad) {
      QTest::keyClick(QApplication::focusWidget(), c.toLatin1(), Qt::KeypadModifier);
    } else {
      QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
    settle();
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  settle();
  QCOMPARE(field(control::OperandX)->text(), x);
  QCOMPARE(control<QLabel>(control::OperationLabel)->text(), label);
  QCOMPARE(field(control::ResultField)->text(), result);
}

void QtWindowTest::pastingCleansGroupSeparators_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("kept");
  QTest::newRow("trailing line break") << "123\n"
                                       << "123";
  QTest::newRow("surrounding blanks") << " \t-1.5 \r\n"
                                      << "-1.5";
  QTest::newRow("blank groups") << "1 000 000"
                                << "1000000";
  QTest::newRow("thin and no-break spaces") << "1\u2009000\u00a0000.000\u202f1"
                                            << "1000000.0001";
  QTest::newRow("underscores") << "3.141_592_653"
                               << "3.141592653";
  QTest::newRow("not between digits") << "12 abc"
                                      << "12 abc";
  QTest::newRow("blank before a point") << "12 .5"
                                        << "12 .5";
  QTest::newRow("inner line break") << "12\n34"
                                    << "12\n34";
}

void QtWindowTest::pastingCleansGroupSeparators() {
  QFETCH(QString, pasted);
  QFETCH(QString, kept);
  QCOMPARE(cleanedForPaste(pasted), kept);
  pasteInto(control::OperandY, pasted);
  QCOMPARE(toolkit_->text(control::OperandY), kept.toStdString());
  QCOMPARE(engine_->RegB, kept.toStdString());
}

void QtWindowTest::returnAndEnterPressEquals_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void QtWindowTest::returnAndEnterPressEquals() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  typeInto(control::OperandX, QStringLiteral("1.5"));
  QTest::keyClick(field(control::OperandX), Qt::Key_Minus, Qt::ControlModifier);
  settle();
  QTest::keyClicks(field(control::OperandY), "0.25");
  QTest::keyClick(field(control::OperandY), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  settle();
  QCOMPARE(field(control::ResultField)->text(), QStringLiteral("1.25"));
  QCOMPARE(control<QLabel>(control::OperationLabel)->text(), QStringLiteral("Sub"));
  QCOMPARE(QApplication::focusWidget(), field(control::OperandX));
}

void QtWindowTest::escapePressesClear() {
  typeInto(control::OperandX, QStringLiteral("6"));
  click(36);
  QTest::keyClicks(field(control::OperandY), "7");
  QTest::keyClick(field(control::OperandY), Qt::Key_Return);
  settle();
  QCOMPARE(field(control::ResultField)->text(), QStringLiteral("42"));
  QTest::keyClick(field(control::OperandX), Qt::Key_Escape);
  settle();
  for (const int number : {control::OperandX, control::OperandY, control::ResultField}) {
    QCOMPARE(field(number)->text(), QString());
  }
  QCOMPARE(control<QLabel>(control::OperationLabel)->text(), QString());
  QCOMPARE(frontEnd_->activeOperand(), 1);
}

// Tab and Shift+Tab move between the two operands and make the one they
// reach active; the Result field is no Tab stop.
void QtWindowTest::tabMovesBetweenTheOperands() {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int reached;
  } steps[] = {{Qt::Key_Tab, Qt::NoModifier, control::OperandY},
               {Qt::Key_Tab, Qt::NoModifier, control::OperandX},
               {Qt::Key_Backtab, Qt::ShiftModifier, control::OperandY},
               {Qt::Key_Backtab, Qt::ShiftModifier, control::OperandX}};
  for (const auto& step : steps) {
    QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
    settle();
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(step.reached));
    QCOMPARE(frontEnd_->activeOperand(), step.reached == control::OperandX ? 1 : 2);
    QCOMPARE(background(step.reached), ActiveGreen);
  }
  QCOMPARE(field(control::ResultField)->focusPolicy(), Qt::ClickFocus);
}

// Tooltips say what a control does and name its shortcut; a screen reader
// reads the same text as the description.
void QtWindowTest::controlsDescribeThemselves() {
  for (const ControlRow& row : controlTable()) {
    const QWidget* widget = control<QWidget>(row.number);
    QCOMPARE(widget->toolTip(), QString::fromUtf8(toolTip(row)));
    if (row.kind == ControlKind::Label) continue;
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget))
                 ->text(QAccessible::Description),
             widget->toolTip());
  }
  QCOMPARE(control<QWidget>(42)->toolTip(),
           QStringLiteral("Arcus Sin: inverse sine, result in radians; off while Deg is "
                          "pressed (Alt+Shift+S)"));
  QCOMPARE(control<QWidget>(32)->toolTip(),
           QStringLiteral("=: computes the pending operation of X and Y (Return or Enter)"));
  QCOMPARE(control<QWidget>(50)->toolTip(),
           QStringLiteral("Area Sinh: inverse hyperbolic sine of X; off while Deg is pressed "
                          "(Alt+H, Alt+Shift+S)"));
  QCOMPARE(control<QWidget>(control::OperandX)->toolTip(),
           QStringLiteral("Operand X: the first operand, and the number every function key "
                          "works on"));
}

void QtWindowTest::operationLabelIsAnnounced() {
  QAccessibleInterface* label =
      QAccessible::queryAccessibleInterface(control<QWidget>(control::OperationLabel));
  QCOMPARE(label->text(QAccessible::Name), QStringLiteral("Operation"));
  typeInto(control::OperandX, QStringLiteral("2"));
  click(37);
  QCOMPARE(label->text(QAccessible::Description), QStringLiteral("Div"));
  click(59);
  QCOMPARE(label->text(QAccessible::Description), QStringLiteral("X ^ 3"));
  QCOMPARE(label->text(QAccessible::Name), QStringLiteral("Operation"));
}

void QtWindowTest::resultToolTipCountsDigits_data() {
  QTest::addColumn<QString>("x");
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<QString>("result");
  QTest::addColumn<QString>("count");
  QTest::newRow("one digit") << "1" << QList<int>{56} << "1"
                             << "\n1 digit";
  QTest::newRow("sign and point") << "-4" << QList<int>{57} << "-0.25"
                                  << "\n3 digits";
  QTest::newRow("hexadecimal") << "500" << QList<int>{58, 64} << "$3D090"
                               << "\n5 hexadecimal digits";
  QTest::newRow("binary") << "3" << QList<int>{58, 65} << "%1001"
                          << "\n4 binary digits";
  QTest::newRow("message") << "0" << QList<int>{55} << "Ungültige Eingabe ! (Null)"
                           << "";
  QTest::newRow("thousands") << "450" << QList<int>{56} << ""
                             << "\n1,001 digits";
}

void QtWindowTest::resultToolTipCountsDigits() {
  QFETCH(QString, x);
  QFETCH(QList<int>, keys);
  QFETCH(QString, result);
  QFETCH(QString, count);
  typeInto(control::OperandX, x);
  for (const int key : keys) click(key);
  auto* shown = field(control::ResultField);
  if (!result.isEmpty()) QCOMPARE(shown->text(), result);
  QCOMPARE(shown->toolTip(),
           QString::fromUtf8(toolTip(*findControl(control::ResultField))) + count);
  click(33);
  QCOMPARE(shown->toolTip(), QString::fromUtf8(toolTip(*findControl(control::ResultField))));
}

// 100,000 nines times 100,000 nines, both pasted: the Result field holds all
// 200,000 digits of 9...980...01, shows both ends, and Ctrl+C copies every one.
void QtWindowTest::longOperandsPasteAndLongResultCopies() {
  constexpr int Digits = 100000;
  const QString nines(Digits, '9');
  pasteInto(control::OperandX, nines);
  QCOMPARE(toolkit_->text(control::OperandX), nines.toStdString());
  QCOMPARE(engine_->RegA.size(), size_t{Digits});
  QTest::keyClick(field(control::OperandX), Qt::Key_Asterisk, Qt::ControlModifier);
  settle();
  pasteInto(control::OperandY, nines);
  QCOMPARE(engine_->RegB.size(), size_t{Digits});
  QTest::keyClick(field(control::OperandY), Qt::Key_Return);
  settle();
  const QString product =
      QString(Digits - 1, '9') + QChar('8') + QString(Digits - 1, '0') + QChar('1');
  auto* result = field(control::ResultField);
  QCOMPARE(QString::fromStdString(toolkit_->text(control::ResultField)), product);
  showsBothEnds(result, product, QStringLiteral("200,000"));
  QVERIFY(result->toolTip().endsWith(QStringLiteral("\n200,000 digits")));

  QGuiApplication::clipboard()->clear();
  QTest::keyClick(field(control::OperandX), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
  settle();
  QCOMPARE(QApplication::focusWidget(), result);
  if (QGuiApplication::clipboard()->supportsSelection()) {
    QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Selection), product);
  }
  QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), product);
  QCOMPARE(frontEnd_->activeOperand(), 1);
}

void QtWindowTest::copyMenuCopiesTheSelectionOrEverything() {
  typeInto(control::OperandX, QStringLiteral("12345"));
  click(58);
  auto* result = field(control::ResultField);
  QCOMPARE(result->text(), QStringLiteral("152399025"));
  const struct {
    int selectionLength;
    QString copied;
  } cases[] = {{0, QStringLiteral("152399025")}, {4, QStringLiteral("1523")}};
  for (const auto& c : cases) {
    QGuiApplication::clipboard()->clear();
    result->setSelection(0, c.selectionLength);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              result->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(result, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    const QList<QAction*> actions = menu->actions();
    const auto copy = std::ranges::find(actions, QStringLiteral("Copy"), &QAction::text);
    QVERIFY(copy != actions.end());
    (*copy)->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), c.copied);
  }
}

// A field a key writes shows the beginning of its text (sign, integer part,
// point); the caret stays at the end of Operand X, where input goes on.
void QtWindowTest::fieldsShowTheBeginningOfWhatAKeyWrites() {
  typeInto(control::OperandX, QStringLiteral("3"));
  click(66);
  click(38);
  QVERIFY(field(control::OperandY)->text().startsWith(QStringLiteral("Rad= ")));
  QCOMPARE(field(control::OperandY)->cursorPosition(), 0);
  click(57);
  QCOMPARE(field(control::ResultField)->text().left(4), QStringLiteral("0.33"));
  QCOMPARE(field(control::ResultField)->cursorPosition(), 0);
  QCOMPARE(QApplication::focusWidget(), field(control::OperandX));
  QCOMPARE(field(control::OperandX)->cursorPosition(), 1);
  click(80);
  QCOMPARE(field(control::OperandX)->cursorPosition(), 0);
}

// The whole number, not the digits on one side of the point; selecting
// everything offers it to a middle-click paste too.
void QtWindowTest::doubleClickSelectsTheWholeNumber() {
  typeInto(control::OperandX, QStringLiteral("-8"));
  click(57);
  auto* result = field(control::ResultField);
  QCOMPARE(result->text(), QStringLiteral("-0.125"));
  QTest::mouseDClick(result, Qt::LeftButton, {}, QPoint(30, 10));
  QCOMPARE(result->selectedText(), QStringLiteral("-0.125"));
  QCOMPARE(result->cursorPosition(), 0);
  QVERIFY(toolkit_->window()->findChild<QWidget*>(QtNumberViewer::ObjectName) == nullptr);
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard->supportsSelection()) {
    QCOMPARE(clipboard->text(QClipboard::Selection), QStringLiteral("-0.125"));
  }
}

// The twelve keys that do nothing in degree mode are unavailable, to the
// eye and to screen readers, until Deg is released.
void QtWindowTest::degreeModeDisablesTheRadianKeys() {
  const auto disabledKeys = [this] {
    QList<int> disabled;
    for (const ControlRow& row : controlTable()) {
      auto* widget = control<QWidget>(row.number);
      const bool unavailable = QAccessible::queryAccessibleInterface(widget)->state().disabled;
      if (row.kind == ControlKind::Button && !widget->isEnabled() && unavailable) {
        disabled.append(row.number);
      }
    }
    return disabled;
  };
  click(66);
  QCOMPARE(disabledKeys(), (QList<int>{42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53}));
  click(66);
  QCOMPARE(disabledKeys(), QList<int>());
}

// Past the long-text length a field shows both ends with the count between;
// typing appends, Backspace takes off the last character, and with all
// selected typing replaces the whole text.
void QtWindowTest::longTextsShowBothEndsAndTakeEdits() {
  const std::string digits = QString(QtNumberField::LongText, '4').toStdString();
  pasteInto(control::OperandX, QString::fromStdString(digits + "12"));
  auto* x = qobject_cast<QtNumberField*>(field(control::OperandX));
  QVERIFY(x->isAbridged());
  showsBothEnds(x, QString::fromStdString(digits + "12"), QStringLiteral("10,002"));
  QTest::keyClicks(x, "3");
  settle();
  QCOMPARE(engine_->RegA, digits + "123");
  QTest::keyClick(x, Qt::Key_Backspace);
  QTest::keyClick(x, Qt::Key_Backspace);
  QTest::keyClick(x, Qt::Key_Backspace);
  settle();
  QCOMPARE(engine_->RegA, digits);
  QVERIFY(!x->isAbridged());
  QCOMPARE(x->text().size(), QtNumberField::LongText);
  QCOMPARE(x->cursorPosition(), QtNumberField::LongText);
  pasteInto(control::OperandX, QStringLiteral("55"));
  QVERIFY(x->isAbridged());
  QTest::keyClick(x, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(x, "7");
  settle();
  QCOMPARE(engine_->RegA, "7");
  QCOMPARE(x->text(), QStringLiteral("7"));
}

// Double-click on a result wider than the field, or Ctrl+Shift+V, opens the
// viewer: lines of fifty characters in groups of ten, each with its position.
void QtWindowTest::viewerShowsTheWholeNumber() {
  typeInto(control::OperandX, QStringLiteral("100"));
  click(56);
  const std::string factorial = toolkit_->text(control::ResultField);
  QCOMPARE(factorial.size(), size_t{158});
  QTest::mouseDClick(field(control::ResultField), Qt::LeftButton);
  auto* viewer = toolkit_->window()->findChild<QWidget*>(QtNumberViewer::ObjectName);
  QVERIFY(viewer != nullptr && viewer->isVisible());
  QCOMPARE(viewer->findChild<QLabel*>(QStringLiteral("summary"))->text(),
           QStringLiteral("158 integer digits, no decimals"));
  const QAbstractItemModel* lines = viewer->findChild<QListView*>()->model();
  QCOMPARE(lines->rowCount(), 4);
  const QString second = QString::fromStdString(factorial.substr(50, 50));
  QCOMPARE(lines->index(1, 0).data().toString(),
           QStringLiteral(" 51  ") + second.left(10) + ' ' + second.mid(10, 10) + ' ' +
               second.mid(20, 10) + ' ' + second.mid(30, 10) + ' ' + second.mid(40, 10));
  QCOMPARE(lines->index(3, 0).data().toString(),
           QStringLiteral("151  ") + QString::fromStdString(factorial.substr(150)));
  QGuiApplication::clipboard()->clear();
  viewer->findChild<QListView*>()->selectionModel()->select(lines->index(1, 0),
                                                            QItemSelectionModel::Select);
  const QList<QPushButton*> buttons = viewer->findChildren<QPushButton*>();
  const auto copy = std::ranges::find(buttons, QStringLiteral("Copy"), &QPushButton::text);
  (*copy)->click();
  QCOMPARE(QGuiApplication::clipboard()->text(), second);
  viewer->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(toolkit_->window()->findChild<QWidget*>(QtNumberViewer::ObjectName) == nullptr);
  QTest::keyClick(field(control::OperandX), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(toolkit_->window()->findChild<QWidget*>(QtNumberViewer::ObjectName) != nullptr);
}

void QtWindowTest::viewerSummary_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("summary");
  QTest::newRow("integer") << "7"
                           << "1 integer digit, no decimals";
  QTest::newRow("negative fraction") << "-0.25"
                                     << "1 integer digit, 2 decimals";
  QTest::newRow("long fraction") << "12.3456"
                                 << "2 integer digits, 4 decimals";
  QTest::newRow("message") << "Ungültige Eingabe !"
                           << "19 characters";
  QTest::newRow("hexadecimal") << "$FF"
                               << "3 characters";
}

void QtWindowTest::viewerSummary() {
  QFETCH(QString, text);
  QFETCH(QString, summary);
  QCOMPARE(QtNumberViewer::summary(text.toStdString()), summary);
}

// X ! of a million runs for many seconds. Meanwhile the window shows itself
// busy and takes no clicks; Escape cancels, and every field, register and
// the memory are as they were before the key.
void QtWindowTest::escapeCancelsALongComputation() {
  typeInto(control::OperandX, QStringLiteral("6"));
  click(36);
  typeInto(control::OperandY, QStringLiteral("7"));
  click(32);
  click(72);
  click(control::OperandX);
  QTest::keyClick(field(control::OperandX), Qt::Key_Backspace);
  typeInto(control::OperandX, QStringLiteral("1000000"));
  const auto fieldTexts = [this] {
    return QStringList{field(control::OperandX)->text(), field(control::OperandY)->text(),
                       field(control::ResultField)->text(),
                       control<QLabel>(control::OperationLabel)->text()};
  };
  const auto registers = [this] { return RegisterSnapshot(*engine_, frontEnd_->activeOperand()); };
  const QStringList textsBefore = fieldTexts();
  const std::vector<std::string> registersBefore = registers();
  QCOMPARE(textsBefore, (QStringList{"1000000", "7", "42", "Mul"}));

  bool busyCursor = false;
  bool busyNote = false;
  bool fieldsReadOnly = false;
  QTimer::singleShot(600, toolkit_->window(), [&] {
    const QCursor* cursor = QApplication::overrideCursor();
    busyCursor = cursor != nullptr && cursor->shape() == Qt::BusyCursor;
    const auto* note = toolkit_->window()->findChild<QLabel*>(QtBusyWindow::NoteName);
    // On the top edge of the Result frame, at its right end.
    busyNote = note != nullptr && note->isVisible() && note->geometry() == QRect(560, 76, 180, 20);
    fieldsReadOnly =
        field(control::OperandX)->isReadOnly() && field(control::OperandY)->isReadOnly();
    QTest::mouseClick(control<QWidget>(31), Qt::LeftButton);
    QTest::keyClicks(field(control::OperandX), "5");
    QTest::keyClick(field(control::OperandX), Qt::Key_Escape);
  });
  click(56);
  QVERIFY(busyCursor);
  QVERIFY(busyNote);
  QVERIFY(fieldsReadOnly);

  QCOMPARE(fieldTexts(), textsBefore);
  QCOMPARE(registers(), registersBefore);
  QCOMPARE(QApplication::overrideCursor(), nullptr);
  QVERIFY(toolkit_->window()->findChild<QLabel*>(QtBusyWindow::NoteName) == nullptr);
  QVERIFY(!field(control::OperandX)->isReadOnly());
  QVERIFY(field(control::ResultField)->isReadOnly());
  QVERIFY(queuedEvents().empty());
}

void QtWindowTest::closingDuringAComputationEndsTheLoop() {
  typeInto(control::OperandX, QStringLiteral("1000000"));
  QTest::mouseClick(control<QWidget>(56), Qt::LeftButton);
  QTimer::singleShot(400, toolkit_->window(), [this] { toolkit_->window()->close(); });
  frontEnd_->run();
  QCOMPARE(field(control::ResultField)->text(), QString());
}

// An Escape meant to cancel that arrives just after the key has ended must
// not clear the fresh result; a later one clears as always.
void QtWindowTest::escapeRightAfterALongKeyDoesNotClear() {
  typeInto(control::OperandX, QStringLiteral("200000"));
  click(56);
  const std::string factorial = toolkit_->text(control::ResultField);
  QCOMPARE(factorial.size(), size_t{973351});
  QTest::keyClick(field(control::OperandX), Qt::Key_Escape);
  settle();
  QCOMPARE(toolkit_->text(control::ResultField), factorial);
  QTest::qWait(600);
  QTest::keyClick(field(control::OperandX), Qt::Key_Escape);
  settle();
  QCOMPARE(toolkit_->text(control::ResultField), std::string());
}

QTEST_MAIN(QtWindowTest)
#include "QtWindowTest.moc"
