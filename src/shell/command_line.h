#pragma once
// The program's command line: an optional saved game to open or journal to replay, a frame
// trace to write, --help and --version.

#include <QString>
#include <QStringList>
#include <optional>

struct CommandLine {
  QString gameFile;             // the saved game to open, as given; empty for none
  QString traceFile;            // --trace: where to write the animations' frame trace; empty for none
  QString replayJournal;        // the journal to replay on the bridge (--replay); empty for none
  std::optional<int> exitCode;  // set when the program answers on the terminal and ends
  QString answer;               // what it answers: on standard output for 0, standard error otherwise
};

// Reads `arguments` (the program's path first). --help and --version end the program with
// their answer and code 0; an unknown option or more than one file ends it with the problem,
// the usage and code 2. When `optionsMayRemain` is set, Qt's own options may still be in the
// list: nothing but --help and --version is answered then.
CommandLine ReadCommandLine(const QStringList& arguments, bool optionsMayRemain = false);

// Prints the answer where it belongs and returns the exit code.
int AnswerOnTerminal(const CommandLine& commandLine);
