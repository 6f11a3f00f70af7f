// What the program does with its command line: a saved game to open, or an answer on the
// terminal and an exit code.

#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace {

struct CommandLineCase {
  const char* name;
  QStringList arguments;
  bool optionsMayRemain;
  std::optional<int> exitCode;
  QString gameFile;
  QStringList answerHas;
};
void PrintTo(const CommandLineCase& row, std::ostream* os) { *os << row.name; }

class ReadingTheCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(ReadingTheCommandLine, GivesTheFileOrTheAnswer) {
  const CommandLineCase& c = GetParam();
  const CommandLine line = ReadCommandLine(c.arguments, c.optionsMayRemain);
  EXPECT_EQ(line.exitCode, c.exitCode);
  EXPECT_EQ(line.gameFile, c.gameFile);
  for (const QString& part : c.answerHas) EXPECT_TRUE(line.answer.contains(part)) << line.answer.toStdString();
  if (c.answerHas.isEmpty()) {
    EXPECT_TRUE(line.answer.isEmpty()) << line.answer.toStdString();
  }
}

const QString Usage = QStringLiteral("Usage: kestrav [options] [file.gam]");

INSTANTIATE_TEST_SUITE_P(
    Arguments, ReadingTheCommandLine,
    ::testing::Values(
        CommandLineCase{"NothingStartsANewBridge", {"/usr/bin/kestrav"}, false, {}, {}, {}},
        CommandLineCase{"ASavedGame", {"kestrav", "voyage.gam"}, false, {}, "voyage.gam", {}},
        CommandLineCase{"Help", {"/usr/bin/kestrav", "--help"}, false, 0, {}, {Usage, "--version"}},
        CommandLineCase{"Version", {"kestrav", "--version"}, false, 0, {}, {"Kestrav"}},
        CommandLineCase{"HelpWinsOverAFile", {"kestrav", "voyage.gam", "--help"}, false, 0, {}, {Usage}},
        CommandLineCase{"UnknownOption", {"kestrav", "--warp=9"}, false, 2, {}, {"warp", Usage}},
        CommandLineCase{"TwoFiles", {"kestrav", "a.gam", "b.gam"}, false, 2, {}, {"one saved game", Usage}},
        // Before the application has taken Qt's own options out, only help and version count.
        CommandLineCase{"QtOptionsMayRemain", {"kestrav", "-platform", "offscreen", "v.gam"}, true, {}, {}, {}},
        CommandLineCase{
            "VersionAmongQtOptions", {"kestrav", "-platform", "offscreen", "--version"}, true, 0, {}, {"Kestrav"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReadingTheReplayOption, NamesTheJournalAndGoesWithNoSavedGame) {
  for (const QStringList& arguments :
       {QStringList{"kestrav", "--replay", "m.journal"}, {"kestrav", "--replay=m.journal"}}) {
    const CommandLine line = ReadCommandLine(arguments);
    EXPECT_FALSE(line.exitCode);
    EXPECT_EQ(line.replayJournal, QStringLiteral("m.journal"));
    EXPECT_TRUE(line.gameFile.isEmpty());
  }
  const CommandLine both = ReadCommandLine({"kestrav", "--replay", "m.journal", "v.gam"});
  EXPECT_EQ(both.exitCode, 2);
  EXPECT_TRUE(both.answer.contains("journal replayed")) << both.answer.toStdString();
  EXPECT_EQ(ReadCommandLine({"kestrav", "--replay"}).exitCode, 2) << "the journal is missing";
  EXPECT_TRUE(ReadCommandLine({"kestrav", "--help"}).answer.contains("--replay <journal>"));
}

TEST(TheTraceOption, NamesTheTraceFileBesideASavedGameAndNeedsIt) {
  const CommandLine traced = ReadCommandLine({"kestrav", "--trace", "frames.trace", "voyage.gam"});
  EXPECT_FALSE(traced.exitCode);
  EXPECT_EQ(traced.traceFile, "frames.trace");
  EXPECT_EQ(traced.gameFile, "voyage.gam");
  EXPECT_TRUE(ReadCommandLine({"kestrav"}).traceFile.isEmpty());
  EXPECT_EQ(ReadCommandLine({"kestrav", "--trace"}).exitCode, 2);
}

}  // namespace
