#include <QApplication>
#include <QIcon>

#include "functions/MathEngine.h"
#include "ui/FrontEnd.h"
#include "ui/toolkit/QtToolkit.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The window's class, which the desktop entry's StartupWMClass names, comes
  // from the application name; it must not depend on the name it was run by.
  QCoreApplication::setApplicationName(QStringLiteral("tesselon"));
  // The name of the installed desktop entry and icon: docks and task bars use
  // it to show the window with the calculator's icon and name.
  const QString appId = QStringLiteral("org.tesselon.Tesselon");
  QGuiApplication::setDesktopFileName(appId);
  QApplication::setWindowIcon(QIcon::fromTheme(appId));
  tesselon::QtToolkit toolkit;
  tesselon::MathEngine engine;
  tesselon::FrontEnd frontEnd(toolkit, engine);
  if (frontEnd.start()) frontEnd.run();
  toolkit.release();
  return 0;
}
