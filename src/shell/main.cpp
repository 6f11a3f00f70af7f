// Kestrav: start-up, the main loop, and the end of the program.

#include <QApplication>

#include "startup.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  return RunKestrav();
}
