// Times the window's work on long numbers: pasting an operand, a keystroke
// in it, Home and End, putting a result into the Result field, copying it,
// opening the viewer, and the processor time an idle window takes while the
// caret blinks in the long operand. Run on a screen of its own:
//
//   xvfb-run -a build/release/tesselon_long_text_timing [LENGTH...]
//
// (QT_QPA_PLATFORM=offscreen works too). Lengths default to 10^5, 10^6, 10^7.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

#include "functions/MathEngine.h"
#include "ui/FrontEnd.h"
#include "ui/toolkit/QtNumberViewer.h"
#include "ui/toolkit/QtToolkit.h"

using namespace tesselon;

namespace {

constexpr int IdleMilliseconds = 3000;
constexpr int MedianRuns = 9;

double processSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

class Window {
 public:
  Window() : frontEnd_(toolkit_, engine_) {
    if (!frontEnd_.start() || !QTest::qWaitForWindowExposed(toolkit_.window())) {
      std::fprintf(stderr, "the window did not open\n");
      std::exit(1);
    }
    settle();
  }
  ~Window() { toolkit_.release(); }

  void settle() {
    while (toolkit_.hasPendingEvent()) frontEnd_.handle(toolkit_.waitEvent());
  }
  QLineEdit* field(int number) {
    return toolkit_.window()->findChild<QLineEdit*>(
        QStringLiteral("control-%1").arg(number, 2, 10, QLatin1Char('0')));
  }
  // Milliseconds from the action until the window has handled and drawn it.
  double millisecondsFor(const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    settle();
    QCoreApplication::processEvents();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
  }
  // Of several runs: one run may meet another process taking the processor.
  double medianMillisecondsFor(const std::function<void()>& action) {
    std::array<double, MedianRuns> runs{};
    for (double& run : runs) run = millisecondsFor(action);
    std::ranges::nth_element(runs, runs.begin() + MedianRuns / 2);
    return runs[MedianRuns / 2];
  }
  QtToolkit& toolkit() { return toolkit_; }

 private:
  QtToolkit toolkit_;
  MathEngine engine_;
  FrontEnd frontEnd_;
};

void timeLength(qsizetype length) {
  Window window;
  QLineEdit* x = window.field(control::OperandX);
  QLineEdit* result = window.field(control::ResultField);
  QGuiApplication::clipboard()->setText(QString(length, '7'));
  x->setFocus();
  const double paste =
      window.millisecondsFor([&] { QTest::keyClick(x, Qt::Key_V, Qt::ControlModifier); });
  // The first keystroke after the paste is the one that meets fresh memory.
  const double firstKeystroke = window.millisecondsFor([&] { QTest::keyClick(x, Qt::Key_5); });
  const double keystroke = window.medianMillisecondsFor([&] { QTest::keyClick(x, Qt::Key_5); });
  const double homeEnd = window.medianMillisecondsFor([&] {
    QTest::keyClick(x, Qt::Key_Home);
    QTest::keyClick(x, Qt::Key_End);
  });
  const double before = processSeconds();
  QTest::qWait(IdleMilliseconds);
  const double idle = (processSeconds() - before) * 100.0 * 1000.0 / IdleMilliseconds;
  const std::string number(static_cast<size_t>(length), '3');
  const double show =
      window.millisecondsFor([&] { window.toolkit().setText(control::ResultField, number); });
  const double copy = window.millisecondsFor([&] {
    result->setFocus();
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
  });
  const double view = window.millisecondsFor([&] {
    QTest::mouseDClick(result, Qt::LeftButton);
    auto* viewer = window.toolkit().window()->findChild<QWidget*>(QtNumberViewer::ObjectName);
    if (viewer == nullptr || !QTest::qWaitForWindowExposed(viewer)) std::printf("no viewer\n");
  });
  std::printf(
      "%10lld  paste %6.1f  keystroke %6.1f, then %4.1f  Home+End %4.1f  idle CPU %4.1f %%"
      "  result shown %6.1f  copy %6.1f  viewer %6.1f   (ms)\n",
      static_cast<long long>(length), paste, firstKeystroke, keystroke, homeEnd, idle, show, copy,
      view);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QStringList lengths = QApplication::arguments().mid(1);
  if (lengths.isEmpty()) lengths = {"100000", "1000000", "10000000"};
  for (const QString& length : lengths) timeLength(length.toLongLong());
  return 0;
}
