// The calculator in its Qt window, driven by mouse clicks and key clicks.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "functions/MathEngine.h"
#include "ui/Controls.h"
#include "ui/FrontEnd.h"
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

 private:
  // Lets the front end handle everything the window has reported so far.
  void settle();
  template <class Widget>
  Widget* control(int number) const;
  void click(int number);
  Rgb background(int number) const;

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

void QtWindowTest::keyLabelsFitTheirKeys() {
  for (const ControlRow& row : controlTable()) {
    if (row.kind != ControlKind::Button) continue;
    const auto* button = control<QPushButton>(row.number);
    const QSize text = QFontMetrics(button->font()).size(0, button->text());
    QVERIFY2(text.width() < row.where.w && text.height() < row.where.h, row.name);
  }
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

QTEST_MAIN(QtWindowTest)
#include "QtWindowTest.moc"
