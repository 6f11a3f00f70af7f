#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {
constexpr int UsageError = 2;

QString HelpText(const QCommandLineParser& parser, const QStringList& arguments) {
  // The usage line names the program as it was called, whether or not the application
  // exists yet (the parser alone knows no name for it).
  QString text = parser.helpText();
  const QString name = arguments.isEmpty() ? QStringLiteral("kestrav") : QFileInfo(arguments.constFirst()).fileName();
  const qsizetype usageEnd = text.indexOf(QLatin1Char('\n'));
  text.replace(0, usageEnd, QStringLiteral("Usage: %1 [options] [file.gam]").arg(name));
  return text;
}
}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments, bool optionsMayRemain) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Kestrav: command a starship and clear the galaxy of alien vessels before the deadline."));
  // Help of our own: Qt's adds --help-all, which lists Qt's options only once the application
  // exists, and these answers come before it.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption trace(QStringLiteral("trace"),
                                 QStringLiteral("Writes the time of every animation frame shown to <file>."),
                                 QStringLiteral("file"));
  parser.addOption(trace);
  const QCommandLineOption replay(QStringLiteral("replay"),
                                  QStringLiteral("Replays the mission of <journal> on the bridge at once."),
                                  QStringLiteral("journal"));
  parser.addOption(replay);
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A saved game (.gam) to open."),
                               QStringLiteral("[file.gam]"));

  CommandLine line;
  const bool parsed = parser.parse(arguments);
  if (parser.isSet(help)) {
    line.exitCode = 0;
    line.answer = HelpText(parser, arguments);
    return line;
  }
  if (parser.isSet(version)) {
    line.exitCode = 0;
    line.answer = QStringLiteral("Kestrav %1\n").arg(QCoreApplication::applicationVersion());
    return line;
  }
  if (optionsMayRemain) return line;

  QString problem = parsed ? QString() : parser.errorText();
  const QStringList files = parser.positionalArguments();
  if (problem.isEmpty() && files.size() > 1) problem = QStringLiteral("Only one saved game can be opened at a time.");
  if (problem.isEmpty() && !files.isEmpty() && parser.isSet(replay))
    problem = QStringLiteral("A saved game cannot be opened and a journal replayed at once.");
  if (!problem.isEmpty()) {
    line.exitCode = UsageError;
    line.answer = problem + QStringLiteral("\n\n") + HelpText(parser, arguments);
    return line;
  }
  if (!files.isEmpty()) line.gameFile = files.constFirst();
  line.traceFile = parser.value(trace);
  line.replayJournal = parser.value(replay);
  return line;
}

int AnswerOnTerminal(const CommandLine& commandLine) {
  const int code = commandLine.exitCode.value_or(0);
  std::fputs(commandLine.answer.toLocal8Bit().constData(), code == 0 ? stdout : stderr);
  return code;
}
