#include <QApplication>

#include "functions/MathEngine.h"
#include "ui/FrontEnd.h"
#include "ui/toolkit/QtToolkit.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tesselon::QtToolkit toolkit;
  tesselon::MathEngine engine;
  tesselon::FrontEnd frontEnd(toolkit, engine);
  if (frontEnd.start()) frontEnd.run();
  toolkit.release();
  return 0;
}
