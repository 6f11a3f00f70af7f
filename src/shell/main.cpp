// Kestrav: start-up, the main loop, and the end of the program.

#include <QApplication>

#include "core/format_text.h"
#include "shell/bridge_scale.h"
#include "shell/command_line.h"
#include "shell/startup.h"

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("Kestrav"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KESTRAV_VERSION));

  // --help and --version answer before the window system is reached, so that they work on a
  // terminal without a display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (const CommandLine early = ReadCommandLine(arguments, true); early.exitCode) return AnswerOnTerminal(early);

  ChooseBridgeScale(argc, argv);
  QApplication application(argc, argv);  // takes Qt's own options (-platform, -style...) out
  UseGameNumberFormat();
  // The installed menu entry: desktops match the running game to its name and icon by it.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrav.Kestrav"));
  const CommandLine commandLine = ReadCommandLine(QCoreApplication::arguments());
  if (commandLine.exitCode) return AnswerOnTerminal(commandLine);
  return RunKestrav(commandLine.gameFile, commandLine.replayJournal, commandLine.traceFile);
}
